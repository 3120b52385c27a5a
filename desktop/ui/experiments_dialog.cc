#include "desktop/ui/experiments_dialog.h"

#include <QBoxLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextOption>
#include <QToolButton>
#include <algorithm>

#include "desktop/ui/form_look.h"
#include "messages/experiment_pages.h"

namespace vantrel {

namespace {

// The text boxes' heights, page by page, as on the form.
constexpr std::array<int, kExperimentPageCount> kMemoHeights = {241, 249, 217, 217, 217, 217};

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
  setWindowTitle(QString::fromStdString(ExperimentsTitle()));
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
  close_button_->setText(QString::fromStdString(ExperimentsCloseText()));
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
    const ExperimentPage& page = ExperimentPages()[i];
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
    // Added before the text box is filled, so the text is laid out in the window's font.
    pages_->addTab(sheet, QString::fromStdString(ShownCaption(page)));
    auto* memo = new QPlainTextEdit(sheet);
    memo->setObjectName(QStringLiteral("Memo%1").arg(i + 1));
    memo->setGeometry(0, 0, kMemoWidth, kMemoHeights[i]);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WordWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The texts fit without scrolling in the font they were written for; a wider
    // substitute gets a scroll bar rather than cut-off text.
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setTabChangesFocus(true);
    memo->setPlainText(QString::fromStdString(ShownText(page)));
    page_sheets_[i] = sheet;
    page_texts_[i] = memo;
  }
  pages_->setCurrentIndex(0);
  if (!UsesFormGeometry()) ArrangeByLayout();

  setTabOrder(pages_, page_texts_[0]);
  for (int i = 1; i < kPageCount; ++i) setTabOrder(page_texts_[i - 1], page_texts_[i]);
  pages_->setFocus();
}

void ExperimentsDialog::ArrangeByLayout() {
  // Every tab in sight, so that the window is as wide as their captions need.
  pages_->tabBar()->setUsesScrollButtons(false);
  for (int i = 0; i < kPageCount; ++i) {
    page_texts_[i]->setMinimumSize(kMemoWidth, kMemoHeights[i]);
    auto* sheet = new QVBoxLayout(page_sheets_[i]);
    sheet->setContentsMargins(0, 0, 0, 0);
    sheet->addWidget(page_texts_[i]);
  }
  close_button_->setMinimumSize(close_button_->size());
  auto* side = new QVBoxLayout;
  side->addWidget(close_button_);
  side->addStretch();
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(8, 8, 8, 8);
  outer->setSpacing(11);
  outer->addWidget(pages_, 1);
  outer->addLayout(side);
  // Never smaller than the form, wider where the texts need it.
  const QSize needed = outer->sizeHint();
  setFixedSize(std::max(kClientWidth, needed.width()), std::max(kClientHeight, needed.height()));
}

void ExperimentsDialog::onCloseClicked() { reject(); }

void ExperimentsDialog::ShowExperiment(int number) {
  if (number >= 1 && number < kPageCount) pages_->setCurrentIndex(number);
}

int ExperimentsDialog::CurrentPage() const { return pages_->currentIndex(); }

}  // namespace vantrel
