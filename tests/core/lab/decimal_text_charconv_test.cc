// Checks the portable decimal texts against the C++ library's own floating-point charconv,
// where the library has it.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#include "lab/decimal_text.h"

namespace vantrel {
namespace {

std::string ToChars(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::optional<double> FromChars(std::string_view text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

TEST(DecimalTextCharconvTest, ShortestDecimalWritesWhatToCharsWrites) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> fraction(0.0, 1.0);
  for (int i = 0; i < 20'000; ++i) {
    // Any bit pattern, a fraction of [0, 1], and a short decimal such as 0.37 or 2.5e-07.
    std::uint64_t bits = random();
    double any = 0;
    std::memcpy(&any, &bits, sizeof any);
    const double short_decimal =
        static_cast<double>(random() % 1000) * std::pow(10.0, static_cast<int>(random() % 40) - 20);
    for (double value : {any, fraction(random), short_decimal}) {
      if (std::isnan(value)) continue;
      ASSERT_EQ(ShortestDecimal(value), ToChars(value)) << ToChars(value);
    }
  }
  for (double value : {0.0, -0.0, 1.0, 0.1, 1e-4, 1e-5, 123456.0, 1e20, 1e21, 5e-324, 1e-310,
                       1.7976931348623157e308, 2.2250738585072014e-308, 9007199254740993.0}) {
    EXPECT_EQ(ShortestDecimal(value), ToChars(value));
  }
}

TEST(DecimalTextCharconvTest, ParseDecimalReadsWhatFromCharsReads) {
  const char* texts[] = {"0",
                         "1",
                         "-0",
                         "0.5",
                         ".5",
                         "5.",
                         "1e5",
                         "1E-5",
                         "2.5e+3",
                         "1e-400",
                         "0e-400",
                         "1e400",
                         "1e-310",
                         "5e-324",
                         "4e-324",
                         "2e-324",
                         "0.30000000000000004",
                         "+1",
                         " 1",
                         "1 ",
                         "0x1p-1",
                         "",
                         ".",
                         "-",
                         "e5",
                         "1e",
                         "1e+",
                         "--1",
                         "1..2",
                         "0.99999999999999999999",
                         "1.0000000000000001",
                         "123456789012345678901234567890"};
  for (const char* text : texts) {
    EXPECT_EQ(ParseDecimal(text), FromChars(text)) << "'" << text << "'";
  }
  // Infinity and NaN, which std::from_chars reads, are no decimal numbers here.
  for (const char* text : {"inf", "-infinity", "nan", "NaN(1)"}) {
    EXPECT_TRUE(FromChars(text).has_value()) << text;
    EXPECT_EQ(ParseDecimal(text), std::nullopt) << text;
  }
  std::mt19937_64 random(7);
  for (int i = 0; i < 20'000; ++i) {
    std::uint64_t bits = random();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isnan(value) || std::isinf(value)) continue;
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", static_cast<int>(random() % 20), value);
    ASSERT_EQ(ParseDecimal(text), FromChars(text)) << text;
  }
}

}  // namespace
}  // namespace vantrel
