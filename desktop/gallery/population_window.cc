#include "desktop/gallery/population_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QVBoxLayout>

#include "desktop/gallery/organism_picture.h"
#include "desktop/gallery/population_view.h"
#include "gallery/gallery_layout.h"
#include "gallery/organism_texts.h"
#include "gallery/picture_question.h"
#include "population/population.h"

namespace vantrel {

namespace {

// "120 px": the pictures' size beside the slider, in the language's numbers.
QString PixelsText(int size) { return PopulationWindow::tr("%L1 px").arg(size); }

}  // namespace

PopulationWindow::PopulationWindow(const StringGrid& grid, std::function<void(int row)> select_row,
                                   FileNameDialog& dialog, MessageService& messages,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      grid_(grid),
      dialog_(dialog),
      messages_(messages),
      view_(new PopulationView(grid, std::move(select_row), this)),
      zoom_(new QSlider(Qt::Horizontal, this)),
      zoom_label_(new QLabel(this)),
      count_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmPopulation"));
  setWindowTitle(tr("Population"));
  resize(760, 560);

  zoom_->setObjectName(QStringLiteral("sldZoom"));
  zoom_->setRange(GalleryLayout::kMinPictureSize, GalleryLayout::kMaxPictureSize);
  zoom_->setSingleStep(8);
  zoom_->setPageStep(24);
  zoom_->setValue(view_->picture_size());
  zoom_->setFixedWidth(160);
  zoom_->setToolTip(tr("Picture size (Ctrl+wheel)"));
  zoom_->setFocusPolicy(Qt::NoFocus);
  zoom_label_->setMinimumWidth(fontMetrics().horizontalAdvance(PixelsText(200)));
  zoom_label_->setText(PixelsText(view_->picture_size()));
  count_->setObjectName(QStringLiteral("lblCount"));

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(10, 4, 10, 6);
  bar->addWidget(count_);
  bar->addStretch();
  bar->addWidget(new QLabel(tr("Size"), this));
  bar->addWidget(zoom_);
  bar->addWidget(zoom_label_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(view_, 1);
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  column->addWidget(rule);
  column->addLayout(bar);
  setFocusProxy(view_);

  connect(zoom_, &QSlider::valueChanged, view_, &PopulationView::SetPictureSize);
  connect(view_, &PopulationView::pictureSizeChanged, this, [this](int size) {
    zoom_->setValue(size);
    zoom_label_->setText(PixelsText(size));
  });
  connect(view_, &PopulationView::contextMenuRequested, this,
          [this](int row, const QPoint& position) { ContextMenuFor(row)->exec(position); });

  UpdateCount();
}

PopulationWindow::~PopulationWindow() = default;

void PopulationWindow::SetExtraTooltipLine(
    std::function<std::string(const std::string& dna)> line) {
  view_->SetExtraTooltipLine(std::move(line));
}

void PopulationWindow::SetChanceKept(std::function<std::optional<double>(int row)> chance) {
  view_->SetChanceKept(std::move(chance));
}

std::unique_ptr<QMenu> PopulationWindow::ContextMenuFor(int row) {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(tr("Copy picture"), this, [this, row] { CopyPicture(row); });
  menu->addAction(tr("Save picture as…"), this, [this, row] { SavePicture(row); });
  menu->addAction(tr("Save all as one picture…"), this, [this] { SaveAllPictures(); });
  menu->addSeparator();
  menu->addAction(tr("Family tree"), this, [this, row] { emit familyTreeRequested(row); });
  if (!menu_actions_.isEmpty()) {
    menu->addSeparator();
    menu->addActions(menu_actions_);
  }
  return menu;
}

void PopulationWindow::CopyPicture(int row) { CopyOrganismPicture(grid_.Cell(kDnaColumn, row)); }

void PopulationWindow::SavePicture(int row) {
  AskAndSaveOrganismPicture(grid_.Cell(kDnaColumn, row), grid_.Cell(kIdColumn, row), dialog_,
                            messages_);
}

void PopulationWindow::SaveAllPictures() {
  const std::optional<std::string> path = dialog_.AskFileName(
      SavePictureQuestion(tr("Save all as one picture").toStdString(), "population.png"));
  if (!path) return;
  const WriteResult result = SaveContactSheet(grid_, *path);
  if (!result.ok) {
    messages_.ShowError(ErrorReportText(result.error));
    return;
  }
  const int total = std::max(0, grid_.RowCount() - 1);
  const std::string note = ContactSheetNote(std::min(total, kContactSheetLimit), total);
  if (!note.empty()) messages_.ShowMessage(note);
}

void PopulationWindow::UpdateCount() {
  const int total = std::max(0, grid_.RowCount() - 1);
  // The English plural forms come from the English translation file.
  count_->setText(tr("%Ln organism(s)", nullptr, total));
}

void PopulationWindow::Follow(bool table) {
  setProperty("refreshes", property("refreshes").toInt() + 1);
  if (table) {
    // Any cell may show: the picture, its ID, its survival or its tooltip.
    view_->Relayout();
    UpdateCount();
  }
  view_->ShowSelection();
}

}  // namespace vantrel
