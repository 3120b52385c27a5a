#include "messages/messages.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ApplicationTitleTest, TakesTheNameUpToTheFirstFullStopWithTheRestInLowerCase) {
  EXPECT_EQ(ApplicationTitle("vantrel"), "vantrel");  // the installed program
  EXPECT_EQ(ApplicationTitle("VANTREL.EXE"), "Vantrel");
  EXPECT_EQ(ApplicationTitle("Vantrel.2.0"), "Vantrel");
  EXPECT_EQ(ApplicationTitle(".hidden"), "");
}

TEST(ErrorReportTextTest, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(ErrorReportText("Cannot open file /tmp/a b"), "Cannot open file /tmp/a b.");
  EXPECT_EQ(ErrorReportText("Stream write error"), "Stream write error.");
  EXPECT_EQ(ErrorReportText("Failed 42"), "Failed 42.");
  EXPECT_EQ(ErrorReportText("Done."), "Done.");
  EXPECT_EQ(ErrorReportText("Oops!"), "Oops!");  // '!' sorts before '.'
  EXPECT_EQ(ErrorReportText("(see log)"), "(see log)");
  EXPECT_EQ(ErrorReportText("path/"), "path/.");  // '/' sorts after '.'
  EXPECT_EQ(ErrorReportText("caf\xc3\xa9"), "caf\xc3\xa9.");
  EXPECT_EQ(ErrorReportText(""), "");
}

}  // namespace
}  // namespace vantrel
