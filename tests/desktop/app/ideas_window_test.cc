#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "desktop/app/main_window.h"
#include "desktop/ui/experiments_dialog.h"
#include "lab/ideas.h"
#include "population/random_source.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

class IdeasWindowTest : public testing::MainWindowTest {
 protected:
  IdeasWindowTest() { Form(); }

  QToolButton* Button(const char* name) { return Child<QToolButton>(name); }
};

TEST_F(IdeasWindowTest, IdeaButtonShowsOnePlainMessageFromTheNextTenDraws) {
  LcgRandom expected_random(random_.seed());
  const std::string expected = GenerateIdea(expected_random);

  Button("spbIdea")->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].kind, testing::RecordingMessages::Shown::kMessage);
  EXPECT_EQ(messages_.shown()[0].text, expected);
  EXPECT_EQ(random_.seed(), expected_random.seed());
}

TEST_F(IdeasWindowTest, ExperimentsButtonShowsTheWindowModallyUntilItIsClosed) {
  bool was_modal = false;
  QTimer::singleShot(0, &experiments_, [&] {
    was_modal = experiments_.isVisible() && QApplication::activeModalWidget() == &experiments_;
    experiments_.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(3);
    experiments_.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
  });
  QTimer::singleShot(5000, &experiments_, &QDialog::reject);  // never hang the run
  Button("spbExperiments")->click();
  EXPECT_TRUE(was_modal);
  EXPECT_FALSE(experiments_.isVisible());

  // The second showing finds the page it was left on.
  int page_shown = -1;
  QTimer::singleShot(0, &experiments_, [&] {
    page_shown =
        experiments_.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex();
    experiments_.close();
  });
  Button("spbExperiments")->click();
  EXPECT_EQ(page_shown, 3);
  EXPECT_TRUE(messages_.shown().empty());
}

}  // namespace
}  // namespace vantrel
