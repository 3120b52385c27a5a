#include "lab/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace vantrel {
namespace {

// What the run CSV and the summary have always shown for these strictnesses and numbers.
TEST(DecimalTextTest, ShortestDecimalPicksTheShorterOfFixedAndScientific) {
  EXPECT_EQ(ShortestDecimal(1.0), "1");
  EXPECT_EQ(ShortestDecimal(0.9), "0.9");
  EXPECT_EQ(ShortestDecimal(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(ShortestDecimal(0.0001), "1e-04");
  EXPECT_EQ(ShortestDecimal(0.001), "0.001");
  EXPECT_EQ(ShortestDecimal(1e-310), "1e-310");
  EXPECT_EQ(ShortestDecimal(123456.0), "123456");
  EXPECT_EQ(ShortestDecimal(1e20), "1e+20");
  EXPECT_EQ(ShortestDecimal(9223372036854775808.0), "9223372036854775808");
  EXPECT_EQ(ShortestDecimal(-2.5), "-2.5");
  EXPECT_EQ(ShortestDecimal(-0.0), "-0");
  EXPECT_EQ(ShortestDecimal(0.0), "0");
}

TEST(DecimalTextTest, EveryFiniteValueReadsBackFromItsShortestText) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 5'000; ++i) {
    const std::uint64_t bits = random();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = ShortestDecimal(value);
    const std::optional<double> back = ParseDecimal(text);
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(*back, value) << text;
    ASSERT_EQ(std::signbit(*back), std::signbit(value)) << text;
  }
}

TEST(DecimalTextTest, ParseDecimalReadsPlainDecimalsOnly) {
  EXPECT_EQ(ParseDecimal("0.5"), 0.5);
  EXPECT_EQ(ParseDecimal(".5"), 0.5);
  EXPECT_EQ(ParseDecimal("5."), 5.0);
  EXPECT_EQ(ParseDecimal("-2.5E-1"), -0.25);
  EXPECT_EQ(ParseDecimal("1e+2"), 100.0);
  EXPECT_EQ(ParseDecimal("0.1"), 0.1);
  EXPECT_EQ(ParseDecimal("0.99999999999999999999"), 1.0);
  EXPECT_EQ(ParseDecimal("0e-999"), 0.0);
  EXPECT_EQ(ParseDecimal("5e-324"), 5e-324);
  for (const char* text : {"", ".", "-", "+0.5", " 0.5", "0.5 ", "0,5", "0x0.8", "1e", "1e+", "e5",
                           "--1", "1..2", "inf", "nan", "1e400", "1e-400"}) {
    EXPECT_EQ(ParseDecimal(text), std::nullopt) << "'" << text << "'";
  }
}

}  // namespace
}  // namespace vantrel
