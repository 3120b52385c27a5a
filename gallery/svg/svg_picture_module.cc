// The SVG writer module: draws an organism with Qt Svg's generator, so the program loads
// Qt Svg only when a picture is saved as SVG.
#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "gallery/qt/svg_module.h"
#include "modules/module_library.h"
#include "organism/draw_organism.h"
#include "organism/qt/painter_canvas.h"

namespace vantrel {

namespace {

std::string OrganismSvg(const std::string& dna, int size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(size, size));
  generator.setViewBox(QRect(0, 0, size, size));
  generator.setTitle(QStringLiteral("Organism %1").arg(QString::fromStdString(dna)));
  QPainter painter(&generator);
  PainterCanvas canvas(painter);
  DrawOrganism(canvas, dna, size, size);
  painter.end();
  // The generator gives the size in millimetres at its resolution, which viewers turn
  // back into differing pixel sizes; say the pixels outright.
  QString svg = QString::fromUtf8(bytes);
  static const QRegularExpression kMillimetres(
      QStringLiteral(R"(<svg width="[0-9.]+mm" height="[0-9.]+mm")"));
  svg.replace(kMillimetres,
              QStringLiteral(R"(<svg width="%1" height="%1")").arg(QString::number(size)));
  return svg.toStdString();
}

constexpr SvgModule kEntry{{kModuleAbi}, &OrganismSvg};

}  // namespace

}  // namespace vantrel

VANTREL_MODULE_ENTRY(vantrel::kEntry)
