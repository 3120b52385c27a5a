// The SVG writer plugin: paints with Qt Svg's generator, so the program loads Qt Svg only
// when a picture is saved as SVG.
#include <QBuffer>
#include <QObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "desktop/gallery/svg_writer.h"

namespace vantrel {

namespace {

class SvgPlugin final : public QObject, public SvgWriter {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VANTREL_SVG_WRITER_IID FILE "vantrel_build.json")
  Q_INTERFACES(vantrel::SvgWriter)

 public:
  std::string PaintSvg(QSize size, const QString& title,
                       const std::function<void(QPainter&)>& paint) override {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    QPainter painter(&generator);
    paint(painter);
    painter.end();
    // The generator gives the size in millimetres at its resolution, which viewers turn
    // back into differing pixel sizes; say the pixels outright.
    QString svg = QString::fromUtf8(bytes);
    static const QRegularExpression kMillimetres(
        QStringLiteral(R"(<svg width="[0-9.]+mm" height="[0-9.]+mm")"));
    svg.replace(kMillimetres,
                QStringLiteral(R"(<svg width="%1" height="%2")")
                    .arg(QString::number(size.width()), QString::number(size.height())));
    return svg.toStdString();
  }
};

}  // namespace

}  // namespace vantrel

#include "svg_plugin.moc"
