#include "desktop/windows/window_placement.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// The main window at its advanced width where it opens, 802 x 415 at (189, 172).
constexpr ScreenRect kMainWindow{189, 172, 802, 415};
constexpr ScreenRect kLaptop{0, 0, 1366, 768};
constexpr ScreenRect kDesktop{0, 0, 1920, 1080};
// The three windows as they ask: the family tree, the notebook at its full height and the
// population, with the least size at which each can be read.
constexpr ScreenSize kTreeWanted{900, 640};
constexpr ScreenSize kTreeReadable{600, 500};
constexpr ScreenSize kNotebookWanted{960, 830};
constexpr ScreenSize kNotebookReadable{720, 830};
constexpr ScreenSize kPopulationWanted{760, 560};
constexpr ScreenSize kPopulationReadable{340, 300};

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

TEST(WindowPlacementTest, OnALaptopScreenEveryWindowIsInsideAndReadable) {
  const ScreenRect tree = PlaceWindow(kLaptop, kMainWindow, kTreeWanted, kTreeReadable, 0);
  const ScreenRect notebook =
      PlaceWindow(kLaptop, kMainWindow, kNotebookWanted, kNotebookReadable, 1);
  const ScreenRect population =
      PlaceWindow(kLaptop, kMainWindow, kPopulationWanted, kPopulationReadable, 2);
  for (const ScreenRect& window : {tree, notebook, population}) {
    EXPECT_TRUE(kLaptop.Contains(window)) << window.x << "," << window.y;
  }
  // The 367 pixels beside the main window are too narrow for the tree: it keeps its own
  // size, cascaded over the main window and raised until its foot is on the screen.
  EXPECT_EQ(tree, (ScreenRect{221, 128, 900, 640}));
  // Taller than the screen: the whole height of it.
  EXPECT_EQ(notebook.y, 0);
  EXPECT_EQ(notebook.height, 768);
  EXPECT_GE(notebook.width, kNotebookReadable.width);
  // The population fits the strip beside the main window and leaves the table in sight.
  EXPECT_EQ(population, (ScreenRect{999, 172, 367, 560}));
  EXPECT_FALSE(Overlaps(population, kMainWindow));
}

TEST(WindowPlacementTest, OnADesktopScreenWindowsOpenBesideTheMainWindow) {
  const ScreenRect tree = PlaceWindow(kDesktop, kMainWindow, kTreeWanted, kTreeReadable, 0);
  EXPECT_EQ(tree, (ScreenRect{999, 172, 900, 640}));
  // Narrowed to the room on the right, which is still more than it needs, at full height.
  const ScreenRect notebook =
      PlaceWindow(kDesktop, kMainWindow, kNotebookWanted, kNotebookReadable, 1);
  EXPECT_EQ(notebook, (ScreenRect{999, 172, 921, 830}));
  const ScreenRect population =
      PlaceWindow(kDesktop, kMainWindow, kPopulationWanted, kPopulationReadable, 2);
  EXPECT_EQ(population, (ScreenRect{999, 172, 760, 560}));
  for (const ScreenRect& window : {tree, notebook, population}) {
    EXPECT_TRUE(kDesktop.Contains(window));
    EXPECT_FALSE(Overlaps(window, kMainWindow));
  }
}

TEST(WindowPlacementTest, AScreenSmallerThanTheWindowIsFilledWhole) {
  constexpr ScreenRect kSmall{0, 0, 640, 480};
  constexpr ScreenRect kCompact{10, 20, 364, 415};
  for (int cascade : {0, 3}) {
    EXPECT_EQ(PlaceWindow(kSmall, kCompact, kTreeWanted, kTreeReadable, cascade), kSmall);
  }
  // The same on an area that does not start at the screen's corner (a panel above it).
  constexpr ScreenRect kBelowPanel{0, 27, 640, 453};
  EXPECT_EQ(PlaceWindow(kBelowPanel, kCompact, kNotebookWanted, kNotebookReadable, 0), kBelowPanel);
}

TEST(WindowPlacementTest, TheLeftSideServesWhenTheRightHasNoRoom) {
  constexpr ScreenRect kRightOfScreen{1100, 100, 802, 415};
  const ScreenRect tree = PlaceWindow(kDesktop, kRightOfScreen, kTreeWanted, kTreeReadable, 0);
  EXPECT_EQ(tree, (ScreenRect{192, 100, 900, 640}));
  // With room for the readable size only, the window is narrowed to that room.
  constexpr ScreenRect kNearRight{700, 100, 802, 415};
  const ScreenRect narrowed = PlaceWindow(kDesktop, kNearRight, kTreeWanted, kTreeReadable, 0);
  EXPECT_EQ(narrowed, (ScreenRect{0, 100, 692, 640}));
}

}  // namespace
}  // namespace vantrel
