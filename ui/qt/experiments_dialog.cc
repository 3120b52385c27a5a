#include "ui/qt/experiments_dialog.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextOption>
#include <QToolButton>

#include "ui/qt/form_look.h"

namespace vantrel {

namespace {

struct ExperimentPage {
  const char* caption;
  int memo_height;
  const char* text;  // paragraphs separated by one empty line
};

// The pages in tab order. The texts are kept exactly as written, including the blank that
// ends two paragraphs of "Exp 2".
constexpr ExperimentPage kPages[ExperimentsDialog::kPageCount] = {
    {"Introduction", 241,
     "Get started with vantrel 2.0\n\n"
     "Vantrel is a fun application that shows you some principles of Darwinian evolution in a "
     "visual way.\n\n"
     "First, you should play around with the tool a bit to discover how it works.\n\n"
     "You can do that the easy way by pressing the light bulb button (\"idea\"). Then, try to "
     "develop an organism by pressing the \"food\" button or the \"shoot\" button, depending on "
     "how well the current organism fits your order.\n\n"
     "For example, if you need to create a green circle, you press the \"shoot\" button when a red "
     "line is presented, but you might press the \"food\" button when you see a blue circle, "
     "hoping that it will mutate into a green one."},
    {"Exp 1", 249,
     "Size matters.\n\n"
     "When you start with a small population, it will drift far more easy than does a larger "
     "population. In a large population, it takes more time for new standards to break through.\n\n"
     "For this experiment, you should perform the same task twice, but with a different population "
     "setting. In each case, count the number of clicks (feed and shoot) it takes before the "
     "population is stable.\n\n"
     "First, set the start population count at 10. Press the \"new\" button to start with a fresh "
     "population, and develop an organism as described by the idea button. Keep clicking \"feed\" "
     "and \"shoot\" until your population developes an organism as described by the idea "
     "button.\n\n"
     "Second, do the same with a population count of 50. You will see that it takes longer to "
     "develop the same organism in the second case."},
    {"Exp 2", 217,
     "Creativity counts.\n\n"
     "The effect of high creativity during evolution can be shown with a simple experiment with "
     "three populations (count=20) with different creativity settings (5%, 20% and 50%). \n\n"
     "In the first case, the population will develop new mutations slowly. This is a positive "
     "effect when the population does not need to change. \n\n"
     "With very high creativity settings, children will differ from their parents in a radical way "
     "(for example, a blue circle and a black line can give birth to a red triangle). This is "
     "positive when the population needs to change to survive."},
    {"Exp 3", 217,
     "Large populations support more genetic diversity.\n\n"
     "In this experiment, you will try to develop two organisms at the same time in the same "
     "population. You perform this tast twice, once with a small population (count=10), once with "
     "a larger population (count=30).\n\n"
     "In the small population, you will see it is very difficult not to undo the effects of one "
     "positive evolution while concentrating on the second. The population will drift between the "
     "two aims.\n\n"
     "In the larger population, it will take a while to develop two different organisms but there "
     "will be a steady growth towards both aims."},
    {"Exp 4", 217,
     "Add constraints, add time.\n\n"
     "The more constraints you have, the more difficult it will be to develop an organism that "
     "fits these.\n\n"
     "Perform five conditions, each one starting with a new population. Each experiment adds a "
     "constraint (shape, color, line size, type of line, rotation, presence of spokes,...).\n\n"
     "Write down the number of clicks it takes to develop an organism that fits all constraints. "
     "You will notice that the number of clicks needed will rise."},
    {"Exp 5", 217,
     "The influence of God.\n\n"
     "You are the God of the Vantrel universe. In this experiment, there are two conditions. In "
     "one condition, you are very strict about which organisms you tolerate (say, for example, you "
     "shoot all non-green and feed all green organisms). In the other case, you occasionally let a "
     "\"misser\" slip through an kill a \"hitter\".\n\n"
     "Notice the effect on your population after a hundred clicks in each case.\n\n"
     "After a hundred clicks, press the \"idea\" button and follow the instruction. Count the "
     "number of clicks it takes before a fitting organism developes. This will be substantially "
     "smaller in the \"loose\" condition than in the \"strict\" condition."},
};

constexpr int kMemoWidth = 465;

// Tabs drawn as flat buttons: the tab under the mouse raised and lit, the active one pressed
// in. Set on the tab bar alone, so the pages keep the window's font and colours.
constexpr char kFlatTabsStyle[] = R"(
QTabBar::tab {
  background: transparent;
  border: 1px solid transparent;
  border-radius: 3px;
  padding: 3px 10px;
  margin: 0px 2px 4px 0px;
}
QTabBar::tab:hover {
  background: rgba(255, 255, 255, 170);
  border-color: palette(mid);
  color: palette(highlight);
}
QTabBar::tab:selected {
  background: rgba(0, 0, 0, 26);
  border-color: palette(dark);
}
)";

}  // namespace

ExperimentsDialog::ExperimentsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | kFixedDialogFlags) {
  setObjectName(QStringLiteral("frmExperiments"));
  BuildControls();
}

void ExperimentsDialog::BuildControls() {
  setWindowTitle(QStringLiteral("Experiments"));
  ApplyFormLook(*this);
  // The text boxes share the window's background.
  QPalette text_palette = palette();
  text_palette.setColor(QPalette::Base, text_palette.color(QPalette::Window));
  setPalette(text_palette);
  setFixedSize(kClientWidth, kClientHeight);
  // An explicit position also keeps the dialog from centring itself over its parent.
  move(210, 226);

  close_button_ = new QToolButton(this);
  close_button_->setObjectName(QStringLiteral("SpeedButton1"));
  close_button_->setText(QStringLiteral("Close"));
  close_button_->setAutoRaise(true);
  close_button_->setFocusPolicy(Qt::NoFocus);
  close_button_->setGeometry(492, 8, 73, 25);
  connect(close_button_, &QToolButton::clicked, this, &ExperimentsDialog::onCloseClicked);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setGeometry(8, 8, 473, 281);
  pages_->setDocumentMode(true);  // no frame around the pages
  pages_->tabBar()->setStyleSheet(QString::fromLatin1(kFlatTabsStyle));
  pages_->tabBar()->setDrawBase(false);
  pages_->tabBar()->setExpanding(false);

  for (int i = 0; i < kPageCount; ++i) {
    const ExperimentPage& page = kPages[i];
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
    // Added before the text box is filled, so the text is laid out in the window's font.
    pages_->addTab(sheet, QString::fromLatin1(page.caption));
    auto* memo = new QPlainTextEdit(sheet);
    memo->setObjectName(QStringLiteral("Memo%1").arg(i + 1));
    memo->setGeometry(0, 0, kMemoWidth, page.memo_height);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WordWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The texts fit without scrolling in the font they were written for; a wider
    // substitute gets a scroll bar rather than cut-off text.
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setTabChangesFocus(true);
    memo->setPlainText(QString::fromLatin1(page.text));
    page_sheets_[i] = sheet;
    page_texts_[i] = memo;
  }
  pages_->setCurrentIndex(0);

  setTabOrder(pages_, page_texts_[0]);
  for (int i = 1; i < kPageCount; ++i) setTabOrder(page_texts_[i - 1], page_texts_[i]);
  pages_->setFocus();
}

void ExperimentsDialog::onCloseClicked() { reject(); }

}  // namespace vantrel
