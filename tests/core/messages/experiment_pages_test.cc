#include "messages/experiment_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantrel {
namespace {

// Both faces lay the texts out by their empty lines, so a stray line break or a doubled
// empty line would show as a broken or widened paragraph on one of them.
TEST(ExperimentPagesTest, EveryPageIsAHeadingAndParagraphsSplitByOneEmptyLine) {
  std::set<std::string> captions;
  for (const ExperimentPage& page : ExperimentPages()) {
    const std::string text = page.text;
    SCOPED_TRACE(page.caption);
    EXPECT_TRUE(captions.insert(page.caption).second) << "captions differ";
    const std::size_t heading_end = text.find("\n\n");
    ASSERT_NE(heading_end, std::string::npos);
    EXPECT_EQ(text.find('\n'), heading_end) << "the heading is one line";
    EXPECT_EQ(text.find("\n\n\n"), std::string::npos);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
      EXPECT_EQ(text.compare(at, 2, "\n\n"), 0) << "a single line break at " << at;
    }
    EXPECT_NE(text.back(), '\n');
  }
  EXPECT_EQ(*captions.begin(), "Exp 1");
  EXPECT_EQ(ExperimentPages().front().caption, std::string("Introduction"));
}

}  // namespace
}  // namespace vantrel
