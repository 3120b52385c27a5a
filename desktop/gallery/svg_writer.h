#ifndef VANTREL_DESKTOP_GALLERY_SVG_WRITER_H_
#define VANTREL_DESKTOP_GALLERY_SVG_WRITER_H_

#include <QPainter>
#include <QSize>
#include <QString>
#include <QtPlugin>
#include <functional>
#include <string>

namespace vantrel {

// The plugin file of the SVG writer (gallery/svg), which brings Qt Svg.
inline constexpr char kSvgPluginFile[] = "svg.so";

// Turns painting into SVG documents.
class SvgWriter {
 public:
  virtual ~SvgWriter() = default;

  // An SVG document of `size` pixels titled `title`, holding what `paint` draws on a
  // painter whose coordinates are those pixels (UTF-8 bytes).
  virtual std::string PaintSvg(QSize size, const QString& title,
                               const std::function<void(QPainter&)>& paint) = 0;
};

}  // namespace vantrel

#define VANTREL_SVG_WRITER_IID "org.quorvane.Vantrel.SvgWriter/2.0"
Q_DECLARE_INTERFACE(vantrel::SvgWriter, VANTREL_SVG_WRITER_IID)

#endif  // VANTREL_DESKTOP_GALLERY_SVG_WRITER_H_
