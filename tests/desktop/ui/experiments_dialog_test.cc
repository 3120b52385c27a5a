#include "desktop/ui/experiments_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWindow>

namespace vantrel {

using namespace Qt::StringLiterals;
namespace {

QPlainTextEdit* Memo(ExperimentsDialog& window, int number) {
  return window.findChild<QPlainTextEdit*>(QStringLiteral("Memo%1").arg(number));
}

QTabWidget* Pages(ExperimentsDialog& window) {
  return window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
}

std::string Text(QPlainTextEdit* memo) { return memo->toPlainText().toStdString(); }

// The paragraphs of a text box, split at its empty lines.
std::vector<std::string> Paragraphs(QPlainTextEdit* memo) {
  std::vector<std::string> paragraphs;
  for (const QString& part : memo->toPlainText().split(QStringLiteral("\n\n"))) {
    paragraphs.push_back(part.toStdString());
  }
  return paragraphs;
}

TEST(ExperimentsWindowTest, StartsHiddenOnTheFirstOfItsSixPages) {
  ExperimentsDialog window;
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Experiments"));
  QTabWidget* pages = Pages(window);
  ASSERT_NE(pages, nullptr);
  const QStringList captions = {u"Introduction"_s, u"Exp 1"_s, u"Exp 2"_s,
                                u"Exp 3"_s,        u"Exp 4"_s, u"Exp 5"_s};
  ASSERT_EQ(pages->count(), captions.size());
  for (int i = 0; i < pages->count(); ++i) {
    EXPECT_EQ(pages->tabText(i), captions[i]);
    QPlainTextEdit* memo = Memo(window, i + 1);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->parentWidget(), pages->widget(i));
    EXPECT_FALSE(memo->isReadOnly());
  }
  EXPECT_EQ(pages->currentIndex(), 0);
}

TEST(ExperimentsWindowTest, PageTextsKeepTheirParagraphsBlanksAndQuotes) {
  ExperimentsDialog window;
  const std::size_t counts[] = {5, 5, 4, 4, 4, 4};
  const char* titles[] = {
      "Get started with vantrel 2.0", "Size matters.",
      "Creativity counts.",           "Large populations support more genetic diversity.",
      "Add constraints, add time.",   "The influence of God."};
  for (int i = 0; i < 6; ++i) {
    const std::vector<std::string> paragraphs = Paragraphs(Memo(window, i + 1));
    ASSERT_EQ(paragraphs.size(), counts[i]) << "page " << i;
    EXPECT_EQ(paragraphs.front(), titles[i]);
    for (const std::string& paragraph : paragraphs) {
      EXPECT_FALSE(paragraph.empty() || paragraph.front() == '\n' || paragraph.back() == '\n');
    }
  }
  // "Exp 2": the second and third paragraphs end in a blank after the full stop.
  const std::vector<std::string> exp2 = Paragraphs(Memo(window, 3));
  EXPECT_TRUE(exp2[1].ends_with("(5%, 20% and 50%). "));
  EXPECT_TRUE(exp2[2].ends_with("need to change. "));
  EXPECT_TRUE(exp2[3].ends_with("to survive."));
  // Inner double quotes belong to the text.
  EXPECT_TRUE(
      Paragraphs(Memo(window, 6))[1].ends_with("a \"misser\" slip through an kill a "
                                               "\"hitter\"."));
  EXPECT_NE(Text(Memo(window, 1)).find("light bulb button (\"idea\")."), std::string::npos);
}

TEST(ExperimentsWindowTest, TextBoxesUseTheWindowsFontAndTooltipColour) {
  ExperimentsDialog window;
  window.show();
  const QColor info = window.palette().color(QPalette::ToolTipBase);
  QTabWidget* pages = Pages(window);
  const bool narrow = QFontInfo(window.font()).family() == QStringLiteral("Liberation Sans Narrow");
  for (int i = 0; i < ExperimentsDialog::kPageCount; ++i) {
    QPlainTextEdit* memo = Memo(window, i + 1);
    EXPECT_EQ(memo->font(), window.font()) << "Memo" << i + 1;
    EXPECT_EQ(memo->palette().color(QPalette::Base), info) << "Memo" << i + 1;
    // In the metric twin of the font the texts were written for, every page fits unscrolled.
    pages->setCurrentIndex(i);
    QApplication::processEvents();
    if (narrow) {
      EXPECT_FALSE(memo->verticalScrollBar()->isVisible()) << "Memo" << i + 1;
    }
  }
}

TEST(ExperimentsWindowTest, KeepsPageAndTypedTextBetweenShowings) {
  ExperimentsDialog window;
  QTabWidget* pages = Pages(window);
  window.show();
  pages->tabBar()->setCurrentIndex(3);
  ASSERT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TabSheet4"));
  QPlainTextEdit* memo = Memo(window, 4);
  memo->moveCursor(QTextCursor::End);
  QTest::keyClicks(memo, QStringLiteral(" My notes."));
  const std::string typed = Text(memo);
  ASSERT_TRUE(typed.ends_with("both aims. My notes."));
  window.move(300, 250);

  window.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);

  window.show();
  EXPECT_EQ(pages->currentIndex(), 3);
  EXPECT_EQ(Text(memo), typed);
  EXPECT_EQ(window.pos(), QPoint(300, 250));
  // Only the text box typed into changed.
  EXPECT_TRUE(Text(Memo(window, 5)).ends_with("will rise."));
}

TEST(ExperimentsWindowTest, CloseBoxHidesLikeTheCloseButton) {
  ExperimentsDialog window;
  QPointer<ExperimentsDialog> alive(&window);
  window.open();
  ASSERT_TRUE(window.isVisible());
  Pages(window)->setCurrentIndex(2);
  ASSERT_NE(window.windowHandle(), nullptr);
  window.windowHandle()->close();  // what the title bar's close box sends
  QApplication::processEvents();
  ASSERT_FALSE(alive.isNull());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
  window.open();
  EXPECT_EQ(Pages(window)->currentIndex(), 2);
}

}  // namespace
}  // namespace vantrel
