#ifndef VANTREL_DESKTOP_GALLERY_POPULATION_VIEW_H_
#define VANTREL_DESKTOP_GALLERY_POPULATION_VIEW_H_

#include <QAbstractScrollArea>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "desktop/organism/thumbnail_cache.h"
#include "desktop/ui/text_layout_cache.h"
#include "gallery/gallery_layout.h"
#include "population/string_grid.h"

class QFontMetrics;
class QLabel;

namespace vantrel {

// Every organism of the table as a picture, in rows that wrap with the width. Only the
// pictures in sight are painted, from a cache, so a table of any length opens at once.
// Clicks and arrow keys ask for a row through `select_row` (the engine's selection);
// nothing here changes the table.
class PopulationView final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  PopulationView(const StringGrid& grid, std::function<void(int row)> select_row,
                 QWidget* parent = nullptr);

  int picture_size() const { return layout_.picture_size(); }
  // Clamped to the gallery's sizes; keeps the selected picture in view.
  void SetPictureSize(int size);

  void SetExtraTooltipLine(std::function<std::string(const std::string& dna)> line) {
    extra_tooltip_line_ = std::move(line);
  }

  // Each organism's chance of being kept, by row, in a corner of its picture and in its
  // tooltip; an empty function shows none. Repaints the pictures in sight.
  void SetChanceKept(std::function<std::optional<double>(int row)> chance);
  bool shows_chances() const { return static_cast<bool>(chance_kept_); }
  // The chance shown on organism `row`'s picture ("64%"); empty when none is shown.
  QString ChanceText(int row) const;
  // Repaints every picture in sight, as after the chances changed.
  void RepaintPictures();

  // Call after the table's size changed, or anything in it may have.
  void Relayout();
  // Repaints the picture of organism `row`.
  void UpdateRow(int row);
  // Moves the frame to the selected row and scrolls it into view.
  void ShowSelection();

  // The organism row whose picture lies under a viewport point, or 0.
  int RowAt(const QPoint& point) const;
  // Where organism `row`'s picture lies in the viewport.
  QRect PictureRect(int row) const;
  // The tooltip of organism `row`'s picture.
  std::string TooltipText(int row) const;
  // True while the table has no organisms and the hint shows instead.
  bool ShowsHint() const;
  const GalleryLayout& layout() const { return layout_; }

 signals:
  void pictureSizeChanged(int size);
  void contextMenuRequested(int row, const QPoint& global_position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  int LabelHeight() const;
  // Lays the pictures out again at `picture_size`.
  void Relayout(int picture_size);
  // `survival_mark` goes before each survival: a heart where the font has one.
  void PaintPicture(QPainter& painter, const QFontMetrics& metrics, const QString& survival_mark,
                    int index, bool selected);
  QRect ToViewport(const GalleryLayout::Rect& rect) const;
  void ScrollToIndex(int index);

  const StringGrid& grid_;
  std::function<void(int row)> select_row_;
  GalleryLayout layout_;
  ThumbnailCache cache_;
  TextLayoutCache captions_;
  QLabel* hint_;
  int framed_row_ = 0;
  std::function<std::string(const std::string& dna)> extra_tooltip_line_;
  std::function<std::optional<double>(int row)> chance_kept_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_GALLERY_POPULATION_VIEW_H_
