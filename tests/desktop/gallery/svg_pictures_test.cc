// The SVG writer and the contact sheet, read back with Qt's XML reader: every document
// must be well-formed whatever the organism or its ID.
#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

#include "gallery/contact_sheet.h"
#include "organism/draw_organism.h"
#include "organism/raster.h"
#include "organism/svg_canvas.h"

namespace vantrel {
namespace {

// The elements of an SVG document by name with how often each occurs, or a failure for
// a document that is not well-formed XML.
struct Parsed {
  std::map<std::string, int> counts;
  std::vector<std::map<std::string, std::string>> lines;  // each <line>'s attributes
  std::map<std::string, std::string> root;                // the <svg>'s attributes
  std::string title;
  std::vector<std::string> texts;
};

Parsed Parse(const std::string& svg) {
  Parsed parsed;
  QXmlStreamReader reader(QByteArray::fromStdString(svg));
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement()) continue;
    const std::string name = reader.name().toString().toStdString();
    ++parsed.counts[name];
    std::map<std::string, std::string> attributes;
    for (const QXmlStreamAttribute& attribute : reader.attributes()) {
      attributes[attribute.name().toString().toStdString()] =
          attribute.value().toString().toStdString();
    }
    if (name == "line") parsed.lines.push_back(attributes);
    if (name == "svg" && parsed.root.empty()) parsed.root = attributes;
    if (name == "title") parsed.title = reader.readElementText().toStdString();
    if (name == "text") parsed.texts.push_back(reader.readElementText().toStdString());
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << "\n" << svg;
  return parsed;
}

// DNA with the vertex count digit, pen width digit, style digit and spokes digit given.
std::string Dna(char vertices, char width, char style, char spokes) {
  std::string dna = "1234567890123";
  dna[0] = vertices;
  dna[1] = width;
  dna[3] = style;
  dna[12] = spokes;
  return dna;
}

TEST(OrganismSvgTest, IsAWhiteSquareOfTheBigDrawingsSizeWithOneLinePerStroke) {
  // Five vertices, spokes: five edges and five spokes.
  const std::string dna = Dna('3', '2', '9', '2');
  const Traits traits = DecodeTraits(dna);
  ASSERT_TRUE(traits.spokes);
  const Parsed parsed = Parse(OrganismSvg(dna));
  EXPECT_EQ(parsed.root.at("width"), "350");
  EXPECT_EQ(parsed.root.at("height"), "350");
  EXPECT_EQ(parsed.root.at("viewBox"), "0 0 350 350");
  EXPECT_EQ(parsed.title, "Organism " + dna);
  EXPECT_EQ(parsed.counts.at("rect"), 1);
  EXPECT_EQ(parsed.counts.at("g"), 1) << "one pen, one group";
  EXPECT_EQ(parsed.lines.size(), 2u * traits.vertex_count);
  // Points sit on pixel centres, as the raster draws them.
  const std::string svg = OrganismSvg(dna);
  EXPECT_NE(svg.find("fill=\"#ffffff\""), std::string::npos);
  EXPECT_NE(svg.find("x2=\"" + std::to_string(kPictureSize / 2) + ".5\""), std::string::npos)
      << "spokes end at the centre";
  EXPECT_NE(svg.find("stroke-width=\"" + std::to_string(traits.pen_width) + "\""),
            std::string::npos);
  EXPECT_NE(svg.find("stroke=\"" + SvgColour(traits.colour) + "\""), std::string::npos);
}

TEST(OrganismSvgTest, EachPenStyleHasItsDashesInPenWidthsAndTheInvisiblePenDrawsNothing) {
  std::map<PenStyle, std::string> dashes;
  for (char style = '0'; style <= '9'; ++style) {
    const std::string dna = Dna('1', '3', style, '1');  // a triangle, pen width 4, no spokes
    const std::string svg = OrganismSvg(dna);
    const Parsed parsed = Parse(svg);
    const std::size_t at = svg.find("stroke-dasharray=\"");
    const std::string array =
        at == std::string::npos ? "" : svg.substr(at + 18, svg.find('"', at + 18) - at - 18);
    const PenStyle pen = PenStyleOf(dna);
    if (pen == PenStyle::kInvisible) {
      EXPECT_EQ(parsed.lines.size(), 0u);
      EXPECT_EQ(parsed.counts.count("g"), 0u);
    } else {
      EXPECT_EQ(parsed.lines.size(), 3u);
    }
    dashes[pen] = array;
  }
  EXPECT_EQ(dashes.at(PenStyle::kSolid), "");
  EXPECT_EQ(dashes.at(PenStyle::kDash), "16,8");
  EXPECT_EQ(dashes.at(PenStyle::kDot), "4,8");
  EXPECT_EQ(dashes.at(PenStyle::kDashDot), "16,8,4,8");
  EXPECT_EQ(dashes.at(PenStyle::kDashDotDot), "16,8,4,8,4,8");
}

TEST(SvgCanvasTest, GroupsStrokesByPenAndClosesEveryGroup) {
  SvgCanvas canvas;
  canvas.SetPen({0x0000FF, 1, PenStyle::kSolid});
  canvas.Line({0, 0}, {10, 0});
  canvas.Line({10, 0}, {10, 10});
  canvas.SetPen({0x00FF00, 1, PenStyle::kDot});
  canvas.Line({0, 0}, {0, 10});
  canvas.FillRect(1, 2, 3, 4, 0x123456);
  canvas.SetPen({0x00FF00, 1, PenStyle::kDot});
  canvas.Line({0, 0}, {5, 5});
  const Parsed parsed = Parse(SvgDocument(20, 10, "t", std::move(canvas).TakeElements()));
  EXPECT_EQ(parsed.counts.at("g"), 3);
  EXPECT_EQ(parsed.counts.at("line"), 4);
  EXPECT_EQ(parsed.lines[0].at("x1"), "0.5");
  EXPECT_EQ(parsed.lines[0].at("x2"), "10.5");
  EXPECT_EQ(SvgColour(0x123456), "#563412") << "red is the lowest byte";
}

TEST(SvgCanvasTest, TextOfAnyBytesIsEscapedIntoWellFormedXml) {
  EXPECT_EQ(EscapeXml("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&apos;");
  EXPECT_EQ(EscapeXml("\xE9\x01"), "&#xE9;?");
  const std::string title = "<x>&\xFF\x02]]>";
  const Parsed parsed = Parse(SvgDocument(1, 1, title, ""));
  EXPECT_EQ(parsed.title, "<x>&\xC3\xBF?]]>");
}

TEST(ContactSheetTest, LayoutIsHalfAgainAsWideAsHighAndStopsAtTheLimit) {
  // 1 organism: ceil(sqrt(1.5)) = 2 columns; 10: ceil(sqrt(15)) = 4 columns in 3 rows;
  // 1,000 and more: 20.
  EXPECT_EQ(ContactSheetLayout(1).columns(), 2);
  EXPECT_EQ(ContactSheetLayout(1).Width(), 8 + 2 * 88);
  EXPECT_EQ(ContactSheetLayout(1).Height(), 8 + 80 + 16 + 8);
  const ContactSheetLayout ten(10);
  EXPECT_EQ(ten.columns(), 4);
  EXPECT_EQ(ten.Width(), 4 * 88 + 8);
  EXPECT_EQ(ten.Height(), 3 * 104 + 8);
  EXPECT_EQ(ten.Picture(5), (SheetRect{8 + 88, 8 + 104, 80, 80}));
  EXPECT_EQ(ten.Label(5), (SheetRect{8 + 88, 8 + 104 + 80, 80, 16}));
  const ContactSheetLayout many(5000);
  EXPECT_EQ(many.count(), kContactSheetLimit);
  EXPECT_EQ(many.columns(), kSheetMaxColumns);
  EXPECT_EQ(many.Height(), 50 * 104 + 8);
  EXPECT_EQ(ContactSheetLayout(0).count(), 0);
  EXPECT_EQ(ContactSheetLayout(0).Height(), 104 + 8) << "an empty sheet is one empty row";
}

TEST(ContactSheetTest, PixelsHoldEachRasterPictureFramedOnWhite) {
  const std::vector<SheetOrganism> organisms = {
      {"1", "9934567890123"}, {"2", "5555555555555"}, {"3", "1204567890122"}};
  const PixelBuffer sheet = ContactSheetPixels(organisms);
  const ContactSheetLayout layout(3);
  ASSERT_EQ(sheet.width, layout.Width());
  ASSERT_EQ(sheet.height, layout.Height());
  EXPECT_EQ(sheet.At(0, 0), PixelOf(kWhite));
  for (int i = 0; i < 3; ++i) {
    const SheetRect square = layout.Picture(i);
    const PixelBuffer picture = DrawOrganismPicture(organisms[i].dna, kSheetPicture);
    EXPECT_EQ(sheet.At(square.left, square.top), PixelOf(kSheetFrameColour));
    EXPECT_EQ(sheet.At(square.left + 79, square.top + 40), PixelOf(kSheetFrameColour));
    int same = 0;
    for (int y = 1; y < 79; ++y) {
      for (int x = 1; x < 79; ++x)
        same += sheet.At(square.left + x, square.top + y) == picture.At(x, y);
    }
    EXPECT_EQ(same, 78 * 78) << "organism " << i;
    EXPECT_EQ(sheet.At(square.left + 40, square.top + 80 + 8), PixelOf(kWhite)) << "the label";
  }
}

TEST(ContactSheetTest, SvgHasAClippedDrawingAFrameAndAnEscapedIdPerOrganism) {
  const std::vector<SheetOrganism> organisms = {
      {"7", "1234567890122"}, {"<8&>", "1204567890123"}, {"9", "9999999999999"}};
  const Parsed parsed = Parse(ContactSheetSvg(organisms));
  EXPECT_EQ(parsed.title, "Population");
  EXPECT_EQ(parsed.counts.at("svg"), 1 + 3);
  EXPECT_EQ(parsed.texts, (std::vector<std::string>{"7", "<8&>", "9"}));
  // The ground, then per organism its white clear and its frame.
  EXPECT_EQ(parsed.counts.at("rect"), 1 + 3 + 3);
  const ContactSheetLayout layout(3);
  EXPECT_EQ(parsed.root.at("width"), std::to_string(layout.Width()));
  EXPECT_EQ(parsed.root.at("height"), std::to_string(layout.Height()));
}

}  // namespace
}  // namespace vantrel
