#include <gtest/gtest.h>

#include <string>

#include "gallery/gallery_layout.h"
#include "gallery/organism_texts.h"
#include "population/population.h"

namespace vantrel {
namespace {

TEST(GalleryLayoutTest, PicturesWrapWithTheWidthAndAreFoundAgainByPoint) {
  // Cells are 96 + 12 = 108 wide and 96 + 12 + 20 = 128 high; 500 px hold 4 columns.
  const GalleryLayout layout(10, 96, 20, 500);
  EXPECT_EQ(layout.columns(), 4);
  EXPECT_EQ(layout.rows(), 3);
  EXPECT_EQ(layout.content_height(), 3 * 128);
  // The 68 spare pixels are shared left and right.
  EXPECT_EQ(layout.Cell(0), (GalleryLayout::Rect{34, 0, 108, 128}));
  EXPECT_EQ(layout.Cell(5), (GalleryLayout::Rect{34 + 108, 128, 108, 128}));
  EXPECT_EQ(layout.Picture(5), (GalleryLayout::Rect{34 + 108 + 6, 128 + 6, 96, 96}));
  for (int index : {0, 3, 4, 9}) {
    const GalleryLayout::Rect picture = layout.Picture(index);
    EXPECT_EQ(layout.IndexAt(picture.left + 1, picture.top + 1), index);
  }
  EXPECT_EQ(layout.IndexAt(10, 10), -1);                     // in the left margin
  EXPECT_EQ(layout.IndexAt(34 + 3 * 108, 2 * 128 + 5), -1);  // past the last picture
  // Rows 1 and 2 lie between heights 130 and 300: indices 4 to 11, cut to the 10 pictures.
  EXPECT_EQ(layout.FirstIndexIn(130), 4);
  EXPECT_EQ(layout.EndIndexIn(300), 10);
}

TEST(GalleryLayoutTest, SizeIsClampedAndANarrowWindowStillHasOneColumn) {
  EXPECT_EQ(GalleryLayout(5, 10, 0, 800).picture_size(), GalleryLayout::kMinPictureSize);
  EXPECT_EQ(GalleryLayout(5, 900, 0, 800).picture_size(), GalleryLayout::kMaxPictureSize);
  EXPECT_EQ(GalleryLayout(5, 96, 0, 20).columns(), 1);
  EXPECT_EQ(GalleryLayout(0, 96, 0, 800).rows(), 0);
}

TEST(GalleryLayoutTest, ArrowStepsStayOnThePictures) {
  const GalleryLayout layout(10, 96, 20, 500);  // rows of 4: 0-3, 4-7, 8-9
  EXPECT_EQ(layout.Step(5, 1, 0), 6);
  EXPECT_EQ(layout.Step(4, -1, 0), 3);  // left from a row's start goes to the row above
  EXPECT_EQ(layout.Step(0, -1, 0), 0);
  EXPECT_EQ(layout.Step(9, 1, 0), 9);
  EXPECT_EQ(layout.Step(5, 0, 1), 9);
  EXPECT_EQ(layout.Step(6, 0, 1), 9);  // below lies nothing: the last picture
  EXPECT_EQ(layout.Step(8, 0, 1), 8);  // already on the last row
  EXPECT_EQ(layout.Step(2, 0, -1), 2);
  EXPECT_EQ(layout.Step(9, 0, -1), 5);
}

TEST(OrganismTextsTest, TooltipNotesAndPictureFormats) {
  StringGrid grid(kOrganismColumnCount, 3);
  for (int col = 0; col < kOrganismColumnCount; ++col) {
    grid.SetCell(col, 2, std::string(1, static_cast<char>('a' + col)));
  }
  EXPECT_EQ(OrganismTooltip(grid, 2), "ID a\nP1 b\nP2 c\nDNA d\nSurvival e");
  EXPECT_EQ(ContactSheetNote(1000, 1000), "");
  EXPECT_EQ(ContactSheetNote(1000, 123456),
            "The picture shows the first 1,000 of 123,456 organisms, in table order.");
  EXPECT_EQ(PictureFormatFor("/tmp/a.SVG"), PictureFormat::kSvg);
  EXPECT_EQ(PictureFormatFor("a.svg.png"), PictureFormat::kPng);
  EXPECT_EQ(PictureFormatFor("svg"), PictureFormat::kPng);
}

// A file's ID may hold anything: the offered name keeps it from naming a folder.
TEST(OrganismTextsTest, APictureNameKeepsOnlyTheIdsPlainCharacters) {
  EXPECT_EQ(OrganismPictureName("42"), "organism-42.png");
  EXPECT_EQ(OrganismPictureName("a_b-7"), "organism-a_b-7.png");
  EXPECT_EQ(OrganismPictureName("../x y/\xE9"), "organism-xy.png");
  EXPECT_EQ(OrganismPictureName("/.."), "organism.png");
  EXPECT_EQ(OrganismPictureName(""), "organism.png");
}

}  // namespace
}  // namespace vantrel
