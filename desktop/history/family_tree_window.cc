#include "desktop/history/family_tree_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>
#include <map>
#include <string_view>

#include "desktop/gallery/invisible_hint.h"
#include "history/family_tree_texts.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr int kFocusPicture = 160;
constexpr int kAncestorPicture = 72;
constexpr int kMargin = 5;

// A text of the family tree's, from the core, in the program's language.
QString Text(std::string_view text) { return QString::fromStdString(Tr("FamilyTree", text)); }

QColor Colour(DigitOrigin origin) { return QColor::fromRgb(OriginColour(origin)); }

// A digit for the legend, coloured and marked as the cards paint it.
QString DigitHtml(char digit, DigitOrigin origin) {
  const QString text = QString(QLatin1Char(digit)).toHtmlEscaped();
  const QString colour = QString::fromStdString(OriginColourName(origin));
  switch (OriginMark(origin)) {
    case DigitMark::kUnderline:
      return QStringLiteral("<span style=\"color:%1;text-decoration:underline\">%2</span>")
          .arg(colour, text);
    case DigitMark::kBoxed:
      return QStringLiteral(
                 "<span style=\"color:#ffffff;background-color:%1;font-weight:bold\">%2</span>")
          .arg(colour, text);
    case DigitMark::kPlain:
      break;
  }
  return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(colour, text);
}

QLabel* Legend(QWidget* parent) {
  QString html = Text(LegendLead());
  for (const LegendEntry& entry : LegendEntries()) {
    html += DigitHtml(entry.digit, entry.origin) + Text(entry.text).toHtmlEscaped();
  }
  html += Text(LegendTail()).toHtmlEscaped();
  auto* label = new QLabel(html, parent);
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

OrganismCard::OrganismCard(const Lineage& lineage, std::uint32_t serial, int picture_size,
                           ThumbnailCache& pictures, QWidget* parent)
    : QFrame(parent), serial_(serial) {
  const OrganismRecord record = lineage.Get(serial);
  setFrameShape(QFrame::StyledPanel);
  setCursor(Qt::PointingHandCursor);
  // Opaque, so that a line to a parent further along passes behind the card, not over it.
  setAutoFillBackground(true);
  picture_ = QPixmap::fromImage(pictures.Get(record.dna, picture_size));
  dna_ = QString::fromStdString(record.dna);
  origins_ = lineage.DigitOrigins(serial);
  root_ = record.IsRoot();
  caption_ = QString::fromStdString(CardCaption(record));
  if (picture_size >= kFocusPicture) {
    details_ = QString::fromStdString(TreeDetails(record));
    dna_font_.setPointSizeF(dna_font_.pointSizeF() * 1.4);
  }
  setAccessibleDescription(QString::fromStdString(OriginRuns(origins_)));
  setToolTip(QStringLiteral("DNA %1").arg(dna_));
}

QFont OrganismCard::CaptionFont() const {
  QFont caption = font();
  caption.setBold(root_);
  return caption;
}

QSize OrganismCard::sizeHint() const {
  const QFontMetrics caption(CaptionFont());
  const QFontMetrics dna(dna_font_);
  const QFontMetrics plain(font());
  const QSize details = plain.size(0, details_);
  const int width = std::max(
      {picture_.width(), caption.horizontalAdvance(caption_),
       dna.horizontalAdvance(QLatin1Char('0')) * static_cast<int>(dna_.size()), details.width()});
  const int height = picture_.height() + caption.height() + dna.height() + 4 +
                     (details_.isEmpty() ? 0 : details.height());
  return {width + 2 * kMargin, height + 2 * kMargin};
}

void OrganismCard::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  int y = kMargin;
  const QRect picture((width() - picture_.width()) / 2, y, picture_.width(), picture_.height());
  painter.drawPixmap(picture.topLeft(), picture_);
  // A blank picture says why, as in the other views.
  PaintInvisibleHint(painter, picture, dna_.toStdString());
  y += picture_.height();

  painter.setFont(CaptionFont());
  const int caption_height = QFontMetrics(painter.font()).height();
  painter.drawText(QRect(0, y, width(), caption_height), Qt::AlignCenter, caption_);
  y += caption_height + 2;

  // Every digit in its origin's colour, and marked for those who cannot tell colours apart:
  // the second parent's underlined, mutations bold on a filled box.
  painter.setFont(dna_font_);
  const QFontMetrics dna(dna_font_);
  const int advance = dna.horizontalAdvance(QLatin1Char('0'));
  int x = (width() - advance * static_cast<int>(dna_.size())) / 2;
  for (qsizetype i = 0; i < dna_.size(); ++i, x += advance) {
    const DigitOrigin origin =
        static_cast<std::size_t>(i) < origins_.size() ? origins_[i] : DigitOrigin::kRoot;
    const QRect cell(x, y, advance, dna.height());
    QFont digit_font = dna_font_;
    digit_font.setBold(OriginMark(origin) == DigitMark::kBoxed);
    digit_font.setUnderline(OriginMark(origin) == DigitMark::kUnderline);
    painter.setFont(digit_font);
    if (OriginMark(origin) == DigitMark::kBoxed) {
      painter.fillRect(cell, Colour(origin));
      painter.setPen(Qt::white);
    } else {
      painter.setPen(Colour(origin));
    }
    painter.drawText(cell, Qt::AlignCenter, dna_.mid(i, 1));
  }
  y += dna.height() + 2;

  if (!details_.isEmpty()) {
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, y, width(), height() - y), Qt::AlignHCenter | Qt::AlignTop, details_);
  }
}

QString OrganismCard::DnaDescription() const { return accessibleDescription(); }

void OrganismCard::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(serial_);
  QFrame::mousePressEvent(event);
}

void TreeCanvas::SetLinks(std::vector<Link> links) {
  links_ = std::move(links);
  update();
}

void TreeCanvas::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Link& link : links_) {
    if (!link.child || !link.parent) continue;
    const QRect child = link.child->geometry();
    const QRect parent = link.parent->geometry();
    // The first parent's line leaves the child's left third, the second's its right third,
    // dashed, so the two stay apart where the parents sit close together.
    const DigitOrigin origin = link.first ? DigitOrigin::kFirstParent : DigitOrigin::kSecondParent;
    painter.setPen(QPen(Colour(origin), 2, link.first ? Qt::SolidLine : Qt::DashLine));
    const int from_x = child.left() + child.width() * (link.first ? 1 : 2) / 3;
    painter.drawLine(QPoint(from_x, child.bottom()), QPoint(parent.center().x(), parent.top()));
  }
}

FamilyTreeWindow::FamilyTreeWindow(History& history, std::function<void(int row)> select_row,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      history_(history),
      select_row_(std::move(select_row)),
      back_button_(new QPushButton(Text(TreeBackText()), this)),
      scroll_(new QScrollArea(this)),
      canvas_(new TreeCanvas(scroll_)) {
  setObjectName(QStringLiteral("frmFamilyTree"));
  setWindowTitle(Text(FamilyTreeTitle()));
  back_button_->setObjectName(QStringLiteral("btnBack"));
  back_button_->setAccessibleName(Text(TreeBackName()));
  back_button_->setToolTip(Text(TreeBackTooltip()));
  back_button_->setAutoDefault(false);
  back_button_->hide();
  connect(back_button_, &QPushButton::clicked, this, &FamilyTreeWindow::GoBack);
  // Alt+Left as in a browser, from anywhere in the window.
  auto* back_key = new QAction(this);
  back_key->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  addAction(back_key);
  connect(back_key, &QAction::triggered, this, &FamilyTreeWindow::GoBack);
  auto* top = new QHBoxLayout;
  top->addWidget(back_button_, 0, Qt::AlignTop);
  top->addWidget(Legend(this), 1);

  scroll_->setObjectName(QStringLiteral("scrTree"));
  scroll_->setWidgetResizable(true);
  rows_ = new QVBoxLayout(canvas_);
  rows_->setAlignment(Qt::AlignTop);
  scroll_->setWidget(canvas_);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top);
  outer->addWidget(scroll_, 1);
  resize(900, 640);
}

FamilyTreeWindow::~FamilyTreeWindow() = default;

void FamilyTreeWindow::Follow() {
  if (isVisible()) FollowSelection();
}

void FamilyTreeWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FollowSelection();
}

void FamilyTreeWindow::FollowSelection() {
  setProperty("refreshes", property("refreshes").toInt() + 1);
  back_.clear();
  back_button_->hide();
  ShowSerial(history_.lineage().SerialInRow(history_.document().grid().SelectedRow()));
}

void FamilyTreeWindow::GoBack() {
  if (back_.empty()) return;
  const std::uint32_t serial = back_.back();
  back_.pop_back();
  if (back_.empty()) {
    // The focus stays in the window when the button it was on goes.
    if (back_button_->hasFocus()) scroll_->setFocus();
    back_button_->hide();
  }
  ShowSerial(serial);
}

void FamilyTreeWindow::ShowSerial(std::uint32_t serial) {
  shown_ = serial;
  const Built now{serial, history_.lineage().size(), history_.position()};
  if (built_ == now || !isVisible()) return;
  built_ = now;
  Rebuild();
}

namespace {

// Takes a widget off the window at once and deletes it later: a card may be clearing the
// tree from inside its own click.
void Discard(QWidget* widget) {
  if (widget == nullptr) return;
  widget->hide();
  widget->setParent(nullptr);
  widget->deleteLater();
}

}  // namespace

void FamilyTreeWindow::Rebuild() {
  while (QLayoutItem* item = rows_->takeAt(0)) {
    if (QLayout* row = item->layout()) {
      while (QLayoutItem* child = row->takeAt(0)) {
        Discard(child->widget());
        delete child;
      }
    }
    Discard(item->widget());
    delete item;
  }
  canvas_->SetLinks({});
  const Lineage& lineage = history_.lineage();
  if (shown_ >= lineage.size()) {
    rows_->addWidget(new QLabel(Text(NoOrganismSelectedText()), this));
    return;
  }
  std::map<std::uint32_t, OrganismCard*> cards;
  auto add_card = [this, &lineage, &cards](QHBoxLayout* row, std::uint32_t serial, int size) {
    auto* card = new OrganismCard(lineage, serial, size, pictures_);
    card->setObjectName(QStringLiteral("card%1").arg(serial));
    connect(card, &OrganismCard::clicked, this, &FamilyTreeWindow::CardClicked);
    row->addWidget(card);
    cards[serial] = card;
  };
  // Rows centred under one another, so that the lines from a child fan out to its parents.
  auto* focus = new QHBoxLayout;
  focus->setAlignment(Qt::AlignHCenter);
  add_card(focus, shown_, kFocusPicture);
  rows_->addLayout(focus);

  std::map<int, std::vector<std::uint32_t>> generations;
  for (const Lineage::Ancestor& ancestor : lineage.Ancestors(shown_, kGenerations)) {
    generations[ancestor.generation].push_back(ancestor.serial);
  }
  for (const auto& [generation, serials] : generations) {
    rows_->addWidget(new QLabel(Text(GenerationName(generation)), this));
    auto* row = new QHBoxLayout;
    row->setAlignment(Qt::AlignHCenter);
    for (std::uint32_t serial : serials) add_card(row, serial, kAncestorPicture);
    rows_->addLayout(row);
  }

  std::vector<TreeCanvas::Link> links;
  for (const auto& [serial, card] : cards) {
    const OrganismRecord record = lineage.Get(serial);
    for (const auto& [parent, first] :
         {std::pair{record.first_parent, true}, std::pair{record.second_parent, false}}) {
      const auto found = cards.find(parent);
      if (found != cards.end()) links.push_back({card, found->second, first});
    }
  }
  canvas_->SetLinks(std::move(links));
}

OrganismCard* FamilyTreeWindow::Card(std::uint32_t serial) const {
  return findChild<OrganismCard*>(QStringLiteral("card%1").arg(serial));
}

void FamilyTreeWindow::CardClicked(std::uint32_t serial) {
  const StringGrid& grid = history_.document().grid();
  for (int row = 1; row < grid.RowCount(); ++row) {
    if (history_.lineage().SerialInRow(row) == serial) {
      select_row_(row);
      ShowSerial(serial);
      return;
    }
  }
  if (serial == shown_) return;
  // Dead: its own DNA, drawing and ancestors, with the way back to the tree shown now.
  back_.push_back(shown_);
  back_button_->show();
  ShowSerial(serial);
}

}  // namespace vantrel
