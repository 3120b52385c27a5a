#include "gallery/qt/organism_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "gallery/picture_question.h"
#include "gallery/qt/svg_writer.h"
#include "organism/draw_organism.h"
#include "organism/qt/painter_canvas.h"
#include "plugins/qt/plugin_loader.h"
#include "population/population.h"

namespace vantrel {

namespace {

constexpr int kSheetPicture = 80;
constexpr int kSheetGap = 8;
constexpr int kSheetMaxColumns = 20;

WriteResult Failure(const QString& path, const QString& reason) {
  return WriteResult{false,
                     QStringLiteral("Cannot save \"%1\": %2").arg(path, reason).toStdString()};
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
    return Failure(path,
                   reason.isEmpty() ? QStringLiteral("the file could not be written") : reason);
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

}  // namespace

WriteResult SaveOrganismPicture(const std::string& dna, const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (PictureFormatFor(path) != PictureFormat::kSvg) {
    return WriteWhole(file, PngBytes(RenderOrganism(dna, kPictureSize)));
  }
  std::string problem;
  SvgWriter* writer = LoadPluginAs<SvgWriter>(QString::fromLatin1(kSvgPluginFile), &problem);
  if (writer == nullptr) {
    return Failure(
        file,
        QStringLiteral("the SVG writer cannot be loaded: %1").arg(QString::fromStdString(problem)));
  }
  return WriteWhole(file, QByteArray::fromStdString(writer->OrganismSvg(dna, kPictureSize)));
}

void AskAndSaveOrganismPicture(const std::string& dna, FileNameDialog& dialog,
                               MessageService& messages) {
  const std::optional<std::string> path =
      dialog.AskFileName(SavePictureQuestion("Save picture as"));
  if (!path) return;
  const WriteResult result = SaveOrganismPicture(dna, *path);
  if (!result.ok) messages.ShowError(ErrorReportText(result.error));
}

void CopyOrganismPicture(const std::string& dna) {
  QGuiApplication::clipboard()->setImage(RenderOrganism(dna, kPictureSize));
}

QImage RenderContactSheet(const StringGrid& grid, int limit) {
  const int count = std::clamp(grid.RowCount() - 1, 0, std::max(0, limit));
  const int columns =
      std::clamp(static_cast<int>(std::ceil(std::sqrt(count * 1.5))), 1, kSheetMaxColumns);
  const int rows = std::max(1, (count + columns - 1) / columns);
  QFont font;
  font.setPixelSize(12);
  const int label = QFontMetrics(font).height() + 2;
  const int cell_width = kSheetPicture + kSheetGap;
  const int cell_height = kSheetPicture + label + kSheetGap;
  QImage sheet(columns * cell_width + kSheetGap, rows * cell_height + kSheetGap,
               QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.setFont(font);
  painter.setPen(QColor(0x30, 0x30, 0x30));
  for (int i = 0; i < count; ++i) {
    const int row = i + 1;
    const QPoint at(kSheetGap + (i % columns) * cell_width,
                    kSheetGap + (i / columns) * cell_height);
    painter.drawImage(at, RenderOrganism(grid.Cell(kDnaColumn, row), kSheetPicture));
    painter.setPen(QColor(0xC8, 0xC8, 0xC8));
    painter.drawRect(QRect(at, QSize(kSheetPicture, kSheetPicture)).adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.drawText(QRect(at.x(), at.y() + kSheetPicture, kSheetPicture, label), Qt::AlignCenter,
                     QString::fromStdString(grid.Cell(kIdColumn, row)));
  }
  return sheet;
}

WriteResult SaveContactSheet(const StringGrid& grid, const std::string& path) {
  return WriteWhole(QString::fromStdString(path), PngBytes(RenderContactSheet(grid)));
}

}  // namespace vantrel
