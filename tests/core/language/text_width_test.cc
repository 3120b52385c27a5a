#include "language/text_width.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(TextWidthTest, CountsCharactersNotBytes) {
  EXPECT_EQ(DisplayWidth(""), 0);
  EXPECT_EQ(DisplayWidth("survival"), 8);
  EXPECT_EQ(DisplayWidth("\xc3\x9c"
                         "berleben"),
            9);  // "Überleben"
  EXPECT_EQ(DisplayWidth("\xe2\x80\x9e"
                         "x\xe2\x80\x9c"),
            3);  // „x“
}

TEST(TextWidthTest, PadsByCharactersAndNeverCutsAWiderText) {
  EXPECT_EQ(PadRight("\xc3\xa9t\xc3\xa9", 5), "\xc3\xa9t\xc3\xa9  ");
  EXPECT_EQ(PadLeft("\xc3\xa9t\xc3\xa9", 5), "  \xc3\xa9t\xc3\xa9");
  EXPECT_EQ(PadRight("toolong", 3), "toolong");
  EXPECT_EQ(PadLeft("toolong", 3), "toolong");
}

}  // namespace
}  // namespace vantrel
