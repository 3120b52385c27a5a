#include "history/qt/family_tree_window.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <map>

#include "organism/draw_organism.h"
#include "organism/qt/painter_canvas.h"

namespace vantrel {

namespace {

// Organisms are drawn for an area of this size and scaled down to the card.
constexpr int kDrawingSize = 350;
constexpr int kFocusPicture = 160;
constexpr int kAncestorPicture = 72;

QString OriginName(DigitOrigin origin) {
  switch (origin) {
    case DigitOrigin::kFirstParent:
      return QStringLiteral("first parent");
    case DigitOrigin::kSecondParent:
      return QStringLiteral("second parent");
    case DigitOrigin::kMutation:
      return QStringLiteral("mutation");
    case DigitOrigin::kRoot:
      break;
  }
  return QStringLiteral("root");
}

// Colour and a mark that shows without colour: the first parent's digits plain, the
// second parent's underlined, mutations bold and boxed.
QString DigitHtml(char digit, DigitOrigin origin) {
  const QString text = QString(QLatin1Char(digit)).toHtmlEscaped();
  switch (origin) {
    case DigitOrigin::kFirstParent:
      return QStringLiteral("<span style=\"color:#1f5fbf\">%1</span>").arg(text);
    case DigitOrigin::kSecondParent:
      return QStringLiteral("<span style=\"color:#b85c00;text-decoration:underline\">%1</span>")
          .arg(text);
    case DigitOrigin::kMutation:
      return QStringLiteral(
                 "<span style=\"color:#ffffff;background-color:#c0007a;font-weight:bold\">%1"
                 "</span>")
          .arg(text);
    case DigitOrigin::kRoot:
      break;
  }
  return QStringLiteral("<span style=\"color:#404040\">%1</span>").arg(text);
}

QPixmap Picture(const std::string& dna, int size) {
  QImage image(size, size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(static_cast<double>(size) / kDrawingSize, static_cast<double>(size) / kDrawingSize);
  PainterCanvas canvas(painter);
  DrawOrganism(canvas, dna, kDrawingSize, kDrawingSize);
  painter.end();
  return QPixmap::fromImage(image);
}

QString ExitText(const OrganismRecord& record) {
  switch (record.exit) {
    case Exit::kShot:
      return QStringLiteral("shot in step %1").arg(record.left_step);
    case Exit::kNewGenePool:
      return QStringLiteral("replaced by a new gene pool in step %1").arg(record.left_step);
    case Exit::kLoad:
      return QStringLiteral("replaced by a load in step %1").arg(record.left_step);
    case Exit::kAlive:
      break;
  }
  return QStringLiteral("living");
}

// Parents, survival, birth and end, for the organism the tree is about.
QString DetailsText(const OrganismRecord& record) {
  const QString born = record.born_step == 0
                           ? QStringLiteral("there at the start")
                           : QStringLiteral("born in step %1").arg(record.born_step);
  return QStringLiteral("Gene pool %1 · P1 %2 · P2 %3 · survival at birth %4\n%5 · %6")
      .arg(QString::number(record.pool), QString::fromStdString(record.p1),
           QString::fromStdString(record.p2), QString::fromStdString(record.survival), born,
           ExitText(record));
}

QLabel* Legend(QWidget* parent) {
  const QString html =
      QStringLiteral("Digits: ") + DigitHtml('1', DigitOrigin::kFirstParent) +
      QStringLiteral(" from the first parent, ") + DigitHtml('2', DigitOrigin::kSecondParent) +
      QStringLiteral(" from the second parent (underlined), ") +
      DigitHtml('3', DigitOrigin::kMutation) + QStringLiteral(" mutation (bold, boxed), ") +
      DigitHtml('4', DigitOrigin::kRoot) +
      QStringLiteral(
          " root (founder or loaded). Click a living ancestor to select it, a dead "
          "one to see its tree.");
  auto* label = new QLabel(html, parent);
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

OrganismCard::OrganismCard(const Lineage& lineage, std::uint32_t serial, int picture_size,
                           QWidget* parent)
    : QFrame(parent), serial_(serial) {
  const OrganismRecord record = lineage.Get(serial);
  setFrameShape(QFrame::StyledPanel);
  setCursor(Qt::PointingHandCursor);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);

  auto* picture = new QLabel(this);
  picture->setPixmap(Picture(record.dna, picture_size));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);

  QString caption = QStringLiteral("ID %1 · %2")
                        .arg(QString::fromStdString(record.id),
                             record.IsAlive() ? QStringLiteral("living") : QStringLiteral("dead"));
  if (record.IsRoot()) {
    caption += record.pool > 0 && record.p1 == "0" && record.p2 == "0"
                   ? QStringLiteral(" · root")
                   : QStringLiteral(" · root (P1 %1, P2 %2)")
                         .arg(QString::fromStdString(record.p1), QString::fromStdString(record.p2));
  }
  auto* caption_label = new QLabel(caption, this);
  caption_label->setObjectName(QStringLiteral("caption"));
  caption_label->setAlignment(Qt::AlignCenter);
  if (record.IsRoot()) caption_label->setStyleSheet(QStringLiteral("font-weight:bold"));
  layout->addWidget(caption_label);

  const std::vector<DigitOrigin> origins = lineage.DigitOrigins(serial);
  QString html = QStringLiteral("<span style=\"font-family:monospace\">");
  QString description;
  for (std::size_t i = 0; i < record.dna.size(); ++i) {
    const DigitOrigin origin = i < origins.size() ? origins[i] : DigitOrigin::kRoot;
    html += DigitHtml(record.dna[i], origin);
  }
  html += QStringLiteral("</span>");
  dna_ = new QLabel(html, this);
  dna_->setObjectName(QStringLiteral("dna"));
  dna_->setTextFormat(Qt::RichText);
  dna_->setAlignment(Qt::AlignCenter);
  // Runs of equal origin, in words.
  for (std::size_t i = 0; i < origins.size();) {
    std::size_t end = i;
    while (end < origins.size() && origins[end] == origins[i]) ++end;
    if (!description.isEmpty()) description += QStringLiteral(", ");
    description += QStringLiteral("%1 %2").arg(end - i).arg(OriginName(origins[i]));
    i = end;
  }
  dna_->setAccessibleDescription(description);
  layout->addWidget(dna_);
  if (picture_size >= kFocusPicture) {
    QFont larger = dna_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    dna_->setFont(larger);
    auto* details = new QLabel(DetailsText(record), this);
    details->setAlignment(Qt::AlignCenter);
    layout->addWidget(details);
  }
  setToolTip(QStringLiteral("DNA %1").arg(QString::fromStdString(record.dna)));
}

QString OrganismCard::DnaDescription() const { return dna_->accessibleDescription(); }

void OrganismCard::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(serial_);
  QFrame::mousePressEvent(event);
}

FamilyTreeWindow::FamilyTreeWindow(History& history, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history) {
  setWindowTitle(QStringLiteral("Family tree"));
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Legend(this));
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  auto* content = new QWidget(scroll);
  rows_ = new QVBoxLayout(content);
  rows_->setAlignment(Qt::AlignTop);
  scroll->setWidget(content);
  outer->addWidget(scroll);
  resize(900, 640);
  history_.document().grid().AddObserver(this);
}

FamilyTreeWindow::~FamilyTreeWindow() { history_.document().grid().RemoveObserver(this); }

void FamilyTreeWindow::GridCellChanged(int /*col*/, int row) {
  if (row == history_.document().grid().SelectedRow()) FollowSelectionLater();
}

void FamilyTreeWindow::GridReset() { FollowSelectionLater(); }

void FamilyTreeWindow::GridSelectionChanged(int /*row*/) { FollowSelectionLater(); }

void FamilyTreeWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ShowSerial(history_.lineage().SerialInRow(history_.document().grid().SelectedRow()));
}

void FamilyTreeWindow::FollowSelectionLater() {
  if (follow_pending_ || !isVisible()) return;
  follow_pending_ = true;
  // The record learns of a birth only after the grid shows it; look once the step is over.
  QTimer::singleShot(0, this, [this] {
    follow_pending_ = false;
    ShowSerial(history_.lineage().SerialInRow(history_.document().grid().SelectedRow()));
  });
}

void FamilyTreeWindow::ShowSerial(std::uint32_t serial) {
  shown_ = serial;
  const Built now{serial, history_.lineage().size(), history_.position()};
  if (built_ == now || !isVisible()) return;
  built_ = now;
  Rebuild();
}

void FamilyTreeWindow::Refresh() {
  built_.reset();
  ShowSerial(shown_);
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
  const Lineage& lineage = history_.lineage();
  if (shown_ >= lineage.size()) {
    rows_->addWidget(new QLabel(QStringLiteral("No organism selected."), this));
    return;
  }
  auto add_card = [this, &lineage](QHBoxLayout* row, std::uint32_t serial, int size) {
    auto* card = new OrganismCard(lineage, serial, size);
    card->setObjectName(QStringLiteral("card%1").arg(serial));
    connect(card, &OrganismCard::clicked, this, &FamilyTreeWindow::CardClicked);
    row->addWidget(card);
  };
  auto* focus = new QHBoxLayout;
  focus->setAlignment(Qt::AlignLeft);
  add_card(focus, shown_, kFocusPicture);
  rows_->addLayout(focus);

  std::map<int, std::vector<std::uint32_t>> generations;
  for (const Lineage::Ancestor& ancestor : lineage.Ancestors(shown_, kGenerations)) {
    generations[ancestor.generation].push_back(ancestor.serial);
  }
  static const char* const kNames[] = {"",
                                       "Parents",
                                       "Grandparents",
                                       "Great-grandparents",
                                       "Great-great-grandparents",
                                       "Great-great-great-grandparents"};
  for (const auto& [generation, serials] : generations) {
    rows_->addWidget(new QLabel(QString::fromLatin1(kNames[generation]), this));
    auto* row = new QHBoxLayout;
    row->setAlignment(Qt::AlignLeft);
    for (std::uint32_t serial : serials) add_card(row, serial, kAncestorPicture);
    rows_->addLayout(row);
  }
}

OrganismCard* FamilyTreeWindow::Card(std::uint32_t serial) const {
  return findChild<OrganismCard*>(QStringLiteral("card%1").arg(serial));
}

void FamilyTreeWindow::CardClicked(std::uint32_t serial) {
  StringGrid& grid = history_.document().grid();
  for (int row = 1; row < grid.RowCount(); ++row) {
    if (history_.lineage().SerialInRow(row) == serial) {
      grid.SelectRow(row);
      ShowSerial(serial);
      return;
    }
  }
  ShowSerial(serial);  // dead: its own DNA, drawing and ancestors
}

}  // namespace vantrel
