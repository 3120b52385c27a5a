#include "web/session.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "engine/engine.h"
#include "population/random_source.h"
#include "storage/table_file.h"
#include "tests/web/noon.h"
#include "web/pinned_clock.h"

namespace vantrel {
namespace {

using testing::kNoon;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Nothing(const EngineChange& change) {
  return !change.table && !change.selection && !change.run && !change.counters &&
         !change.parameters;
}

class WebSessionTest : public ::testing::Test {
 protected:
  WebSession session_{std::make_unique<PinnedClock>(kNoon)};
};

TEST(SeedTest, TheSeedIsTheMillisecondsSinceMidnightUtcOfTheMoment) {
  EXPECT_EQ(SeedAt(3 * 86'400'000.0 + 5), 5u);
  EXPECT_EQ(SeedAt(-1), 86'399'999u);  // before 1970 too
  EXPECT_EQ(SeedAt(kNaN), 0u);
  EXPECT_EQ(SeedAt(1e300), 0u);  // beyond any Date
}

TEST_F(WebSessionTest, StartsWithTheTableTheDesktopEngineMakesAtTheSameMoment) {
  LcgRandom random;
  const PinnedClock clock(kNoon);
  Engine desktop(random, clock);
  EXPECT_EQ(session_.TableBytes(), TableFileText(desktop.grid()));
  session_.Shoot();
  desktop.Shoot();
  EXPECT_EQ(session_.TableBytes(), TableFileText(desktop.grid()));
}

TEST_F(WebSessionTest, EachActionAnswersWithWhatTheEngineSaidChanged) {
  EXPECT_TRUE(Nothing(session_.Undo()));  // nothing to undo yet
  const EngineChange shot = session_.Shoot();
  EXPECT_TRUE(shot.table && shot.selection && shot.counters);
  EXPECT_FALSE(shot.run);
  EXPECT_TRUE(session_.NewIdea().run);
  EXPECT_TRUE(session_.Undo().parameters);
  EXPECT_TRUE(session_.Redo().table);
  const int other = session_.SelectedRow() == 1 ? 2 : 1;
  EXPECT_TRUE(session_.SelectRow(other).selection);
  EXPECT_TRUE(Nothing(session_.SelectRow(other)));  // already shown
  EXPECT_TRUE(Nothing(session_.SelectRow(session_.RowCount() + 1)));
  EXPECT_TRUE(session_.NewGenePool().run);
}

TEST_F(WebSessionTest, CountersFollowTheClicksAndTheHistory) {
  session_.Shoot();
  session_.Shoot();
  session_.Feed();
  SessionCounters counters = session_.Counters();
  EXPECT_EQ(counters.shots, 2);
  EXPECT_EQ(counters.feeds, 1);
  EXPECT_EQ(counters.clicks, 3);
  EXPECT_EQ(counters.run_number, 1);
  EXPECT_EQ(counters.organisms, session_.RowCount());
  EXPECT_EQ(counters.organism_counter, session_.RowCount() + 2);  // two children born
  EXPECT_EQ(counters.first_match_click, -1);                      // no goal yet
  EXPECT_TRUE(counters.can_undo);
  EXPECT_FALSE(counters.can_redo);
  session_.Undo();
  counters = session_.Counters();
  EXPECT_EQ(counters.clicks, 2);
  EXPECT_TRUE(counters.can_redo);
}

TEST_F(WebSessionTest, RowsAreCutToTheTable) {
  const int count = session_.RowCount();
  ASSERT_GE(count, 3);
  const std::vector<TableRow> all = session_.Rows(0, INT_MAX);  // row 0 is the titles: skipped
  ASSERT_EQ(static_cast<int>(all.size()), count);
  EXPECT_EQ(all.front().id, "1");
  EXPECT_EQ(all.front().p1, "0");
  EXPECT_EQ(all.front().dna.size(), 13u);
  const std::vector<TableRow> last = session_.Rows(count, 5);
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last.front().id, std::to_string(count));
  EXPECT_TRUE(session_.Rows(count + 1, 5).empty());
  EXPECT_TRUE(session_.Rows(1, -3).empty());
}

TEST_F(WebSessionTest, ParametersAreTakenAsTheDesktopBoxesTakeThem) {
  Parameters kept = session_.SetParameters({5000, -7.5, 1e12});
  EXPECT_EQ(kept.start_organisms, kMaxStartOrganisms);
  EXPECT_EQ(kept.creativity, -7);
  EXPECT_EQ(kept.bonus, INT_MAX);
  kept = session_.SetParameters({2.9, kNaN, -1e12});
  EXPECT_EQ(kept.start_organisms, 2);
  EXPECT_EQ(kept.creativity, -7);  // no number: kept as it was
  EXPECT_EQ(kept.bonus, INT_MIN);
  EXPECT_EQ(session_.parameters(), kept);
  session_.NewGenePool();
  EXPECT_EQ(session_.RowCount(), 1);
}

TEST_F(WebSessionTest, BadTableBytesAreToldAndChangeNothing) {
  const std::string before = session_.TableBytes();
  const LoadOutcome title_only = session_.LoadTable(" P1 # P2 #\r\n", "mine.str");
  EXPECT_FALSE(title_only.ok);
  EXPECT_FALSE(title_only.error_report);
  EXPECT_EQ(title_only.message, "File mine.str holds no rows below the title row.");
  EXPECT_TRUE(Nothing(title_only.change));
  const LoadOutcome empty = session_.LoadTable("", "empty.str");
  EXPECT_FALSE(empty.ok);
  EXPECT_EQ(empty.message, "");
  EXPECT_EQ(session_.TableBytes(), before);
  EXPECT_FALSE(session_.Counters().can_undo);
}

TEST_F(WebSessionTest, SavedBytesLoadBackAsTheSameTable) {
  const std::string saved = session_.TableBytes();
  session_.NewGenePool();
  ASSERT_NE(session_.TableBytes(), saved);
  const LoadOutcome loaded = session_.LoadTable(saved, "saved.str");
  EXPECT_TRUE(loaded.ok);
  EXPECT_TRUE(loaded.change.table && loaded.change.run);
  EXPECT_EQ(session_.TableBytes(), saved);
}

TEST(PictureSideTest, RoundsAsTheDesktopAndStaysWithinOneToTheLimit) {
  EXPECT_EQ(PictureSide(350, 1), 350);
  EXPECT_EQ(PictureSide(350, 1.5), 525);
  EXPECT_EQ(PictureSide(350, 1.25), 438);  // 437.5 rounds away from zero
  for (double no_ratio : {0.0, -2.0, kNaN, std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(PictureSide(350, no_ratio), 350) << no_ratio;
  }
  EXPECT_EQ(PictureSide(0, 2), 1);
  EXPECT_EQ(PictureSide(kNaN, 2), 1);
  EXPECT_EQ(PictureSide(1e9, 1), kMaxPictureSide);
}

TEST_F(WebSessionTest, ThePictureIsOpaqueRgbaOnWhiteAtTheDeviceSize) {
  const std::vector<std::uint8_t> rgba = session_.OrganismRgba(100, 2);
  ASSERT_EQ(rgba.size(), 200u * 200u * 4u);
  // The corner lies outside every figure; every pixel is opaque.
  EXPECT_EQ((std::vector<std::uint8_t>(rgba.begin(), rgba.begin() + 4)),
            (std::vector<std::uint8_t>{255, 255, 255, 255}));
  bool opaque = true;
  for (std::size_t i = 3; i < rgba.size(); i += 4) opaque = opaque && rgba[i] == 255;
  EXPECT_TRUE(opaque);
}

TEST_F(WebSessionTest, TheIdeaIsKeptAndItsSentenceBecomesTheGoal) {
  EXPECT_EQ(session_.idea(), "");
  EXPECT_EQ(session_.Goal(), "");
  session_.NewIdea();
  ASSERT_FALSE(session_.Goal().empty());
  EXPECT_TRUE(session_.idea().ends_with(session_.Goal())) << session_.idea();
  EXPECT_FALSE(session_.OrganismWords().empty());
  session_.Undo();
  EXPECT_EQ(session_.Goal(), "");
}

TEST_F(WebSessionTest, ThumbnailsAreDrawnByDnaAndTooltipsStayInsideTheTable) {
  session_.SelectRow(2);
  const std::string dna = session_.Rows(2, 1).front().dna;
  EXPECT_EQ(WebSession::PictureRgba(dna, 48, 2), session_.OrganismRgba(48, 2));
  EXPECT_NE(WebSession::PictureRgba(session_.Rows(3, 1).front().dna, 48, 2),
            session_.OrganismRgba(48, 2));
  EXPECT_NE(session_.Tooltip(2).find("\nDNA " + dna + "\n"), std::string::npos);
  EXPECT_EQ(session_.Tooltip(0), "");
  EXPECT_EQ(session_.Tooltip(session_.RowCount() + 1), "");
}

}  // namespace

}  // namespace vantrel
