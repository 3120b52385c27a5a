// The SVG writer plugin: draws an organism with Qt Svg's generator, so the program loads
// Qt Svg only when a picture is saved as SVG.
#include <QBuffer>
#include <QObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "gallery/qt/svg_writer.h"
#include "organism/draw_organism.h"
#include "organism/qt/painter_canvas.h"

namespace vantrel {

namespace {

class SvgPlugin final : public QObject, public SvgWriter {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VANTREL_SVG_WRITER_IID FILE "vantrel_build.json")
  Q_INTERFACES(vantrel::SvgWriter)

 public:
  std::string OrganismSvg(const std::string& dna, int size) override {
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
};

}  // namespace

}  // namespace vantrel

#include "svg_plugin.moc"
