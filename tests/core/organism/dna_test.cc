#include "organism/dna.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(DnaTest, DecodesTheWorkedExamples) {
  const Traits mixed = DecodeTraits("1234567890123");
  EXPECT_EQ(mixed.vertex_count, 3);
  EXPECT_EQ(mixed.pen_width, 3);
  EXPECT_EQ(mixed.style, PenStyle::kDashDot);
  EXPECT_EQ(mixed.colour, 2020032u);
  EXPECT_EQ(mixed.colour & 0xFF, 192u);  // red in the lowest byte
  EXPECT_EQ((mixed.colour >> 8) & 0xFF, 210u);
  EXPECT_EQ(mixed.colour >> 16, 30u);
  EXPECT_EQ(mixed.rotation, 0);
  EXPECT_EQ(mixed.radius, 12);
  EXPECT_FALSE(mixed.spokes);

  const Traits zeros = DecodeTraits("0000000000000");
  EXPECT_EQ(zeros.vertex_count, 2);
  EXPECT_EQ(zeros.pen_width, 1);
  EXPECT_EQ(zeros.style, PenStyle::kInvisible);
  EXPECT_EQ(zeros.colour, 167u);
  EXPECT_EQ(zeros.radius, 2);
  EXPECT_TRUE(zeros.spokes);

  const Traits nines = DecodeTraits("9999999999999");
  EXPECT_EQ(nines.vertex_count, 11);
  EXPECT_EQ(nines.pen_width, 10);
  EXPECT_EQ(nines.style, PenStyle::kSolid);
  EXPECT_EQ(nines.colour, 16700000u);
  EXPECT_EQ(nines.rotation, 81);
  EXPECT_EQ(nines.radius, 200);
  EXPECT_FALSE(nines.spokes);
}

TEST(DnaTest, EachPenStyleDigitMapsToItsStyle) {
  const PenStyle expected[] = {PenStyle::kInvisible,  PenStyle::kDash,    PenStyle::kDash,
                               PenStyle::kDashDot,    PenStyle::kDashDot, PenStyle::kDashDotDot,
                               PenStyle::kDashDotDot, PenStyle::kDot,     PenStyle::kDot,
                               PenStyle::kSolid};
  for (int digit = 0; digit <= 9; ++digit) {
    std::string dna = "0000000000000";
    dna[3] = static_cast<char>('0' + digit);
    EXPECT_EQ(PenStyleOf(dna), expected[digit]) << "digit " << digit;
  }
}

TEST(DnaTest, NonDigitsAndMissingPositionsReadAsOne) {
  EXPECT_EQ(VertexCount("x000000000000"), 3);
  EXPECT_EQ(PenStyleOf("000a000000000"), PenStyle::kDash);
  EXPECT_FALSE(HasSpokes("000000000000?"));
  EXPECT_TRUE(HasSpokes("0000000000000"));
  // A short string: positions 4 to 13 are missing and read as 1.
  const Traits short_dna = DecodeTraits("123");
  EXPECT_EQ(short_dna.style, PenStyle::kDash);
  EXPECT_EQ(short_dna.radius, 8);
  EXPECT_EQ(short_dna.rotation, 1);
  EXPECT_FALSE(short_dna.spokes);
  // An empty cell decodes like thirteen 1s.
  const Traits empty = DecodeTraits("");
  const Traits ones = DecodeTraits("1111111111111");
  EXPECT_EQ(empty.vertex_count, ones.vertex_count);
  EXPECT_EQ(empty.colour, ones.colour);
  EXPECT_EQ(empty.radius, ones.radius);
}

TEST(DnaTest, CharactersPastThirteenAreIgnored) {
  const Traits plain = DecodeTraits("9876543210987");
  const Traits longer = DecodeTraits("98765432109870000");
  EXPECT_EQ(plain.vertex_count, longer.vertex_count);
  EXPECT_EQ(plain.colour, longer.colour);
  EXPECT_EQ(plain.style, longer.style);
  EXPECT_EQ(plain.rotation, longer.rotation);
  EXPECT_EQ(plain.radius, longer.radius);
  EXPECT_EQ(plain.spokes, longer.spokes);
  EXPECT_EQ(plain.pen_width, longer.pen_width);
}

TEST(DnaTest, ColourStaysWithin24Bits) {
  for (char d : std::string("0123456789")) {
    const std::string dna(13, d);
    EXPECT_LT(PenColour(dna), 1u << 24);
  }
}

}  // namespace
}  // namespace vantrel
