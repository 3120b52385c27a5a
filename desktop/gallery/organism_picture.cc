#include "desktop/gallery/organism_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <functional>

#include "desktop/gallery/svg_writer.h"
#include "desktop/organism/painter_canvas.h"
#include "desktop/plugins/plugin_loader.h"
#include "gallery/picture_question.h"
#include "organism/draw_organism.h"
#include "population/population.h"

namespace vantrel {

namespace {

constexpr int kSheetPicture = 80;
constexpr int kSheetGap = 8;
constexpr int kSheetMaxColumns = 20;

WriteResult Failure(const QString& path, const QString& reason) {
  return WriteResult{false, QCoreApplication::translate("OrganismPicture", "Cannot save \"%1\": %2")
                                .arg(path, reason)
                                .toStdString()};
}

// Writes `bytes` to a temporary file beside `path` and renames it over `path`.
WriteResult WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failure(path, file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return Failure(path, reason);
  }
  if (!file.commit()) {
    // After a failed rename Qt may only say "Unknown error".
    const QString reason = file.errorString();
    return Failure(path, reason.isEmpty() ? QCoreApplication::translate(
                                                "OrganismPicture", "the file could not be written")
                                          : reason);
  }
  return {};
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// An SVG document drawn by the SVG writer plugin, or why it cannot be made.
WriteResult WriteSvg(const QString& path, QSize size, const QString& title,
                     const std::function<void(QPainter&)>& paint) {
  std::string problem;
  SvgWriter* writer = LoadPluginAs<SvgWriter>(QString::fromLatin1(kSvgPluginFile), &problem);
  if (writer == nullptr) {
    return Failure(
        path, QCoreApplication::translate("OrganismPicture", "the SVG writer cannot be loaded: %1")
                  .arg(QString::fromStdString(problem)));
  }
  return WriteWhole(path, QByteArray::fromStdString(writer->PaintSvg(size, title, paint)));
}

// Where a contact sheet puts each of its first `count` organisms: a picture with its ID
// below, row by row in a grid about half again as wide as it is high.
class SheetLayout {
 public:
  SheetLayout(const StringGrid& grid, int limit, int label_height)
      : count_(std::clamp(grid.RowCount() - 1, 0, std::max(0, limit))),
        columns_(
            std::clamp(static_cast<int>(std::ceil(std::sqrt(count_ * 1.5))), 1, kSheetMaxColumns)),
        label_(label_height) {}

  int count() const { return count_; }
  QSize Size() const {
    const int rows = std::max(1, (count_ + columns_ - 1) / columns_);
    return {columns_ * kCellWidth + kSheetGap, rows * CellHeight() + kSheetGap};
  }
  QRect Picture(int i) const {
    return {kSheetGap + (i % columns_) * kCellWidth, kSheetGap + (i / columns_) * CellHeight(),
            kSheetPicture, kSheetPicture};
  }
  QRect Label(int i) const {
    return {Picture(i).bottomLeft() + QPoint(0, 1), QSize(kSheetPicture, label_)};
  }

 private:
  static constexpr int kCellWidth = kSheetPicture + kSheetGap;
  int CellHeight() const { return kSheetPicture + label_ + kSheetGap; }

  int count_;
  int columns_;
  int label_;
};

QFont SheetFont() {
  QFont font;
  font.setPixelSize(12);
  return font;
}

// The sheet on `painter`: white ground, each organism drawn by `picture` into its square,
// framed, with its ID below. A big figure reaches past its square (as it does past the big
// drawing), and the SVG generator keeps no clip: so the pictures come first, then white over
// everything around the squares, then frames and IDs.
void PaintSheet(QPainter& painter, const StringGrid& grid, const SheetLayout& layout,
                const std::function<void(QPainter&, const std::string& dna, QRect)>& picture) {
  const QRect whole(QPoint(0, 0), layout.Size());
  painter.fillRect(whole, Qt::white);
  QPainterPath around;
  around.setFillRule(Qt::OddEvenFill);
  around.addRect(whole);
  for (int i = 0; i < layout.count(); ++i) {
    painter.save();
    picture(painter, grid.Cell(kDnaColumn, i + 1), layout.Picture(i));
    painter.restore();
    around.addRect(layout.Picture(i));
  }
  painter.fillPath(around, Qt::white);
  painter.setFont(SheetFont());
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < layout.count(); ++i) {
    painter.setPen(QColor(0xC8, 0xC8, 0xC8));
    painter.drawRect(layout.Picture(i).adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.drawText(layout.Label(i), Qt::AlignCenter,
                     QString::fromStdString(grid.Cell(kIdColumn, i + 1)));
  }
}

SheetLayout LayOutSheet(const StringGrid& grid, int limit) {
  return {grid, limit, QFontMetrics(SheetFont()).height() + 2};
}

// Draws the organism of `dna` as vectors, scaled from the big drawing into `square`.
void DrawScaledOrganism(QPainter& painter, const std::string& dna, QRect square) {
  painter.translate(square.topLeft());
  painter.scale(static_cast<double>(square.width()) / kPictureSize,
                static_cast<double>(square.height()) / kPictureSize);
  PainterCanvas canvas(painter);
  DrawOrganism(canvas, dna, kPictureSize, kPictureSize);
}

}  // namespace

WriteResult SaveOrganismPicture(const std::string& dna, const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (PictureFormatFor(path) != PictureFormat::kSvg) {
    return WriteWhole(file, PngBytes(RenderOrganism(dna, kPictureSize)));
  }
  return WriteSvg(file, QSize(kPictureSize, kPictureSize),
                  QStringLiteral("Organism %1").arg(QString::fromStdString(dna)),
                  [&dna](QPainter& painter) {
                    PainterCanvas canvas(painter);
                    DrawOrganism(canvas, dna, kPictureSize, kPictureSize);
                  });
}

void AskAndSaveOrganismPicture(const std::string& dna, const std::string& id,
                               FileNameDialog& dialog, MessageService& messages) {
  const std::optional<std::string> path = dialog.AskFileName(SavePictureQuestion(
      QCoreApplication::translate("OrganismPicture", "Save picture as").toStdString(),
      OrganismPictureName(id)));
  if (!path) return;
  const WriteResult result = SaveOrganismPicture(dna, *path);
  if (!result.ok) messages.ShowError(ErrorReportText(result.error));
}

void CopyOrganismPicture(const std::string& dna) {
  QGuiApplication::clipboard()->setImage(RenderOrganism(dna, kPictureSize));
}

QImage RenderContactSheet(const StringGrid& grid, int limit) {
  const SheetLayout layout = LayOutSheet(grid, limit);
  QImage sheet(layout.Size(), QImage::Format_RGB32);
  QPainter painter(&sheet);
  PaintSheet(painter, grid, layout, [](QPainter& on, const std::string& dna, QRect square) {
    on.drawImage(square.topLeft(), RenderOrganism(dna, square.width()));
  });
  return sheet;
}

WriteResult SaveContactSheet(const StringGrid& grid, const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (PictureFormatFor(path) != PictureFormat::kSvg) {
    return WriteWhole(file, PngBytes(RenderContactSheet(grid)));
  }
  const SheetLayout layout = LayOutSheet(grid, kContactSheetLimit);
  return WriteSvg(file, layout.Size(), QStringLiteral("Population"),
                  [&grid, &layout](QPainter& painter) {
                    PaintSheet(painter, grid, layout, DrawScaledOrganism);
                  });
}

}  // namespace vantrel
