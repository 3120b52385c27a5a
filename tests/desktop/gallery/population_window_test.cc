#include "desktop/gallery/population_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QXmlStreamReader>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/gallery/organism_picture.h"
#include "desktop/gallery/population_view.h"
#include "gallery/contact_sheet.h"
#include "population/population.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

class ScriptedPictureDialog final : public FileNameDialog {
 public:
  std::optional<std::string> AskFileName(const FileQuestion& question) override {
    titles.push_back(question.title);
    names.push_back(question.suggested_name);
    return answer;
  }
  std::optional<std::string> answer;
  std::vector<std::string> titles;
  std::vector<std::string> names;  // suggested
};

double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

class PopulationWindowTest : public ::testing::Test {
 protected:
  PopulationWindowTest() : grid_(kOrganismColumnCount, 1) {
    Fill(12);
    // Selects as the engine does: the row, then the window told of the change.
    window_.emplace(
        grid_,
        [this](int row) {
          grid_.SelectRow(row);
          window_->Follow(false);
        },
        dialog_, messages_);
    window_->resize(600, 500);
    window_->show();
  }

  // Organisms 1 .. count - 1 with distinct visible DNA strings, survival 10 * row; the
  // window is told of the change as after an action.
  void Fill(int row_count) {
    FillGrid(row_count);
    if (window_) window_->Follow(true);
  }
  void FillGrid(int row_count) {
    StringGrid::UpdateScope scope(grid_);
    grid_.SetRowCount(row_count);
    for (int row = 1; row < row_count; ++row) {
      grid_.SetCell(kIdColumn, row, std::to_string(row));
      grid_.SetCell(kP1Column, row, "0");
      grid_.SetCell(kP2Column, row, "0");
      std::string dna;
      for (int i = 0; i < 13; ++i)
        dna += static_cast<char>('0' + (row * 37 + i * 11 + row * i * 7) % 10);
      dna[3] = static_cast<char>('1' + row % 9);  // never the invisible pen
      grid_.SetCell(kDnaColumn, row, dna);
      grid_.SetCell(kSurvivalColumn, row, std::to_string(10 * row));
    }
  }

  PopulationView& View() { return *window_->view(); }
  QImage Picture(int row) {
    return View()
        .viewport()
        ->grab(View().PictureRect(row))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  QAction* MenuAction(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
      if (action->text() == text) return action;
    }
    ADD_FAILURE() << text.toStdString();
    return nullptr;
  }

  StringGrid grid_;
  ScriptedPictureDialog dialog_;
  testing::RecordingMessages messages_;
  std::optional<PopulationWindow> window_;
  QTemporaryDir dir_;
};

TEST_F(PopulationWindowTest, IsASeparateWindowTitledPopulation) {
  EXPECT_TRUE(window_->isWindow());
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Population"));
  EXPECT_EQ(window_->objectName(), QStringLiteral("frmPopulation"));
  EXPECT_EQ(View().layout().count(), 11);
  EXPECT_GT(View().layout().columns(), 1);
  window_->close();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(View().layout().count(), 11);  // hidden, not gone
}

// A thumbnail is the big drawing scaled down: compare it with a smooth scaling of the
// 350 x 350 picture, which differs only by resampling at the edges.
TEST_F(PopulationWindowTest, ThumbnailIsTheBigDrawingScaled) {
  for (int row : {1, 5}) {
    const std::string dna = grid_.Cell(kDnaColumn, row);
    const QImage scaled = RenderOrganism(dna, kPictureSize)
                              .scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    const QImage thumbnail = Picture(row);
    ASSERT_EQ(thumbnail.size(), QSize(96, 96));
    EXPECT_LT(MeanDifference(thumbnail, scaled), 4.0) << dna;
    // And not merely white: another organism is further off.
    const QImage other = RenderOrganism(grid_.Cell(kDnaColumn, row + 1), kPictureSize)
                             .scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(MeanDifference(thumbnail, other.convertToFormat(QImage::Format_RGB32)),
              MeanDifference(thumbnail, scaled) + 1.0);
  }
}

// The picture of an organism with the invisible pen says so in small grey text; a visible
// one's picture holds no such text.
TEST_F(PopulationWindowTest, AnInvisibleOrganismsPictureSaysInvisible) {
  std::string dna = grid_.Cell(kDnaColumn, 2);
  dna[3] = '0';  // the invisible pen
  grid_.SetCell(kDnaColumn, 2, dna);
  window_->Follow(true);
  QApplication::processEvents();
  // Inside the picture's one-pixel frame.
  const auto inside = [](const QImage& image) {
    return image.copy(image.rect().adjusted(1, 1, -1, -1)).convertToFormat(QImage::Format_RGB32);
  };
  const QImage invisible = inside(Picture(2));
  int grey = 0;
  for (int y = 0; y < invisible.height(); ++y) {
    for (int x = 0; x < invisible.width(); ++x) {
      const QColor pixel = invisible.pixelColor(x, y);
      if (pixel == QColor(Qt::white)) continue;
      EXPECT_TRUE(pixel.red() == pixel.green() && pixel.green() == pixel.blue()) << x << "," << y;
      EXPECT_GT(y, invisible.height() / 2) << x << "," << y;
      ++grey;
    }
  }
  EXPECT_GT(grey, 10);
  EXPECT_EQ(inside(Picture(3)), inside(RenderOrganism(grid_.Cell(kDnaColumn, 3), 96)));
}

TEST_F(PopulationWindowTest, ClickAndArrowKeysSelectThroughTheGrid) {
  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, View().PictureRect(7).center());
  EXPECT_EQ(grid_.SelectedRow(), 7);
  const int columns = View().layout().columns();
  QTest::keyClick(&View(), Qt::Key_Right);
  EXPECT_EQ(grid_.SelectedRow(), 8);
  QTest::keyClick(&View(), Qt::Key_Up);
  EXPECT_EQ(grid_.SelectedRow(), 8 - columns);
  QTest::keyClick(&View(), Qt::Key_Left);
  EXPECT_EQ(grid_.SelectedRow(), 7 - columns);
  // Between the pictures nothing is selected.
  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(grid_.SelectedRow(), 7 - columns);
}

TEST_F(PopulationWindowTest, FollowsCellChangesResetsAndSelection) {
  const QImage before = Picture(3);
  grid_.SetCell(kDnaColumn, 3, "9999999999990");
  window_->Follow(true);
  QApplication::processEvents();
  EXPECT_GT(MeanDifference(before, Picture(3)), 1.0);
  EXPECT_NE(View().TooltipText(3).find("DNA 9999999999990"), std::string::npos);

  Fill(400);  // one reset
  EXPECT_EQ(View().layout().count(), 399);
  grid_.SelectRow(390);
  window_->Follow(false);
  // The selected picture is scrolled into view and framed in the highlight colour.
  const QRect picture = View().PictureRect(390);
  EXPECT_TRUE(View().viewport()->rect().contains(picture));
  const QImage frame = View().viewport()->grab(picture.adjusted(-2, -2, 2, 2)).toImage();
  EXPECT_EQ(frame.pixelColor(0, picture.height() / 2), View().palette().color(QPalette::Highlight));

  Fill(4);
  EXPECT_EQ(View().layout().count(), 3);
  EXPECT_EQ(View().verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(View().ShowsHint());
}

TEST_F(PopulationWindowTest, ATableWithoutOrganismsShowsTheHint) {
  grid_.SetRowCount(1);
  window_->Follow(true);
  EXPECT_TRUE(View().ShowsHint());
  auto* hint = View().findChild<QLabel*>(QStringLiteral("lblEmptyHint"));
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(hint->isVisible());
  EXPECT_FALSE(hint->text().contains(QLatin1Char('\n')));
  Fill(3);
  EXPECT_FALSE(hint->isVisible());
}

TEST_F(PopulationWindowTest, TooltipAndZoom) {
  window_->SetExtraTooltipLine([](const std::string& dna) { return "Family of " + dna; });
  const std::string dna = grid_.Cell(kDnaColumn, 2);
  EXPECT_EQ(View().TooltipText(2),
            "ID 2\nP1 0\nP2 0\nDNA " + dna + "\nSurvival 20\nFamily of " + dna);
  QWheelEvent wheel(QPointF(10, 10), View().viewport()->mapToGlobal(QPointF(10, 10)), {},
                    QPoint(0, 240), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(View().viewport(), &wheel);
  EXPECT_EQ(View().picture_size(), 112);
  EXPECT_EQ(window_->zoom()->value(), 112);
  window_->zoom()->setValue(500);
  EXPECT_EQ(View().picture_size(), 200);
  EXPECT_EQ(Picture(1).size(), QSize(200, 200));
}

// Each picture shows its own chance of being kept, as a whole percentage in a badge and in
// its tooltip, while chances are shown; the program's actions join every picture's menu.
TEST_F(PopulationWindowTest, ChancesOfBeingKeptShowOnEachPictureOnRequest) {
  struct Case {
    int row;
    double chance;
    const char* shown;
  };
  const std::vector<Case> cases = {{1, 0.0, "0% kept"},
                                   {2, 0.004, "0% kept"},
                                   {3, 0.505, "51% kept"},
                                   {4, 0.5, "50% kept"},
                                   {5, 1.0, "100% kept"}};
  const QImage plain = Picture(3);
  window_->SetChanceKept([&cases](int row) -> std::optional<double> {
    for (const Case& test : cases) {
      if (test.row == row) return test.chance;
    }
    return std::nullopt;
  });
  for (const Case& test : cases) {
    EXPECT_EQ(View().ChanceText(test.row), QString::fromLatin1(test.shown)) << test.row;
    EXPECT_NE(View().TooltipText(test.row).find(test.shown), std::string::npos) << test.row;
  }
  // A row the chance function knows nothing of shows none.
  EXPECT_TRUE(View().ChanceText(7).isEmpty());
  EXPECT_GT(MeanDifference(Picture(3), plain), 0.5);

  window_->SetChanceKept({});
  EXPECT_TRUE(View().ChanceText(3).isEmpty());
  EXPECT_EQ(View().TooltipText(3).find("kept"), std::string::npos);
  EXPECT_EQ(MeanDifference(Picture(3), plain), 0);

  QAction extra(QStringLiteral("Chance kept"));
  window_->AddMenuActions({&extra});
  const std::unique_ptr<QMenu> menu = window_->ContextMenuFor(2);
  EXPECT_EQ(menu->actions().back(), &extra);
}

TEST_F(PopulationWindowTest, ContextMenuCopiesSavesAndAsksForTheFamilyTree) {
  std::unique_ptr<QMenu> menu = window_->ContextMenuFor(4);
  QSignalSpy family(window_.operator->(), &PopulationWindow::familyTreeRequested);
  MenuAction(*menu, QStringLiteral("Family tree"))->trigger();
  ASSERT_EQ(family.count(), 1);
  EXPECT_EQ(family.at(0).at(0).toInt(), 4);

  QApplication::clipboard()->clear();
  MenuAction(*menu, QStringLiteral("Copy picture"))->trigger();
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(350, 350));

  for (const char* name : {"organism.png", "organism.svg"}) {
    dialog_.answer = dir_.filePath(QString::fromLatin1(name)).toStdString();
    MenuAction(*menu, QStringLiteral("Save picture as…"))->trigger();
    const QImage saved(QString::fromStdString(*dialog_.answer));
    EXPECT_EQ(saved.size(), QSize(350, 350)) << name;
  }
  QFile svg(dir_.filePath(QStringLiteral("organism.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
  EXPECT_TRUE(messages_.shown().empty());

  dialog_.answer.reset();  // cancelled: nothing written, nothing said
  MenuAction(*menu, QStringLiteral("Save picture as…"))->trigger();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(PopulationWindowTest, AFailedWriteNamesFileAndReasonAndLeavesNothing) {
  // A regular file where the folder should be: even root cannot write under it.
  QFile blocker(dir_.filePath(QStringLiteral("blocker")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const std::string target = dir_.filePath(QStringLiteral("blocker/organism.png")).toStdString();
  dialog_.answer = target;
  window_->SavePicture(1);
  ASSERT_EQ(messages_.shown().size(), 1u);
  const std::string& text = messages_.shown()[0].text;
  EXPECT_EQ(messages_.shown()[0].kind, testing::RecordingMessages::Shown::kError);
  EXPECT_NE(text.find(target), std::string::npos) << text;
  EXPECT_GT(text.size(), target.size() + 20) << text;  // a reason follows the name
  window_->SaveAllPictures();
  EXPECT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PopulationWindowTest, ContactSheetShowsAtMostAThousandAndSaysSo) {
  dialog_.answer = dir_.filePath(QStringLiteral("sheet.png")).toStdString();
  window_->SaveAllPictures();
  EXPECT_TRUE(messages_.shown().empty());
  const QImage small(QString::fromStdString(*dialog_.answer));
  EXPECT_FALSE(small.isNull());

  Fill(1102);
  window_->SaveAllPictures();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_NE(messages_.shown()[0].text.find("1,000 of 1,101"), std::string::npos);
  const QImage sheet(QString::fromStdString(*dialog_.answer));
  EXPECT_EQ(sheet.size(), RenderContactSheet(grid_, 1000).size());
  EXPECT_NE(sheet.size(), RenderContactSheet(grid_, 1101).size());
}

// The sheet saved as SVG is an SVG document: the organisms as vectors, their IDs as text,
// and no PNG inside; each save dialog offers a name of its own.
TEST_F(PopulationWindowTest, AContactSheetSavedAsSvgIsSvgAndSaveDialogsOfferNames) {
  dialog_.answer = dir_.filePath(QStringLiteral("sheet.svg")).toStdString();
  window_->SaveAllPictures();
  window_->SavePicture(4);
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(dialog_.names, (std::vector<std::string>{"population.png", "organism-4.png"}));
  window_->SaveAllPictures();  // over the organism's picture

  QFile file(QString::fromStdString(*dialog_.answer));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_FALSE(bytes.contains("\x89PNG"));
  QXmlStreamReader svg(bytes);
  QStringList texts;
  int paths = 0;
  QString root;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement) continue;
    if (root.isEmpty()) root = svg.name().toString();
    if (svg.name() == u"path" || svg.name() == u"polyline") ++paths;
    if (svg.name() == u"text") texts << svg.readElementText().trimmed();
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_EQ(root, QStringLiteral("svg"));
  EXPECT_EQ(texts.size(), 11);
  EXPECT_TRUE(texts.contains(QStringLiteral("7")));
  EXPECT_GE(paths, 11);  // at least a line for each organism
  EXPECT_TRUE(bytes.contains(QByteArray("width=\"") +
                             QByteArray::number(RenderContactSheet(grid_).width()) + '"'));
}

// The core's contact sheet, which the web page saves, is laid out as the desktop's: the
// same size for one, a few and many organisms, and the same pixels in a picture's square.
TEST_F(PopulationWindowTest, TheCoresContactSheetHasTheDesktopsArrangement) {
  for (const int organisms : {1, 10, 61}) {
    Fill(organisms + 1);
    const ContactSheetLayout layout(organisms);
    EXPECT_EQ(RenderContactSheet(grid_).size(), QSize(layout.Width(), layout.Height()))
        << organisms << " organisms";
  }
  Fill(11);
  std::vector<SheetOrganism> organisms;
  for (int row = 1; row <= 10; ++row) {
    organisms.push_back({grid_.Cell(kIdColumn, row), grid_.Cell(kDnaColumn, row)});
  }
  const QImage desktop = RenderContactSheet(grid_);
  const PixelBuffer core = ContactSheetPixels(organisms);
  const SheetRect square = ContactSheetLayout(10).Picture(7);
  int same = 0;
  for (int y = square.top; y < square.top + square.height; ++y) {
    for (int x = square.left; x < square.left + square.width; ++x) {
      same += desktop.pixel(x, y) == core.At(x, y);
    }
  }
  EXPECT_EQ(same, square.width * square.height);
}

// Bad DNA from a file draws as the decoders read it: missing and non-digit positions as 1,
// anything past 13 characters ignored.
TEST(OrganismPictureTest, BadDnaDrawsAsTheDecodersReadIt) {
  const QImage ones = RenderOrganism("1111111111111", 96);
  EXPECT_EQ(RenderOrganism("", 96), ones);
  EXPECT_EQ(RenderOrganism("x?", 96), ones);
  EXPECT_EQ(RenderOrganism("93", 96), RenderOrganism("9311111111111", 96));
  EXPECT_EQ(RenderOrganism("9999999917990123", 96), RenderOrganism("9999999917990", 96));
  EXPECT_NE(RenderOrganism("9999999917990", 96), ones);
}

}  // namespace
}  // namespace vantrel
