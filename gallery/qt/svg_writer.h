#ifndef VANTREL_GALLERY_QT_SVG_WRITER_H_
#define VANTREL_GALLERY_QT_SVG_WRITER_H_

#include <QtPlugin>
#include <string>

namespace vantrel {

// The plugin file of the SVG writer (gallery/svg), which brings Qt Svg.
inline constexpr char kSvgPluginFile[] = "svg.so";

// Draws organisms as SVG documents.
class SvgWriter {
 public:
  virtual ~SvgWriter() = default;

  // The organism of `dna` drawn by DrawOrganism as an SVG document of size x size pixels,
  // titled "Organism <dna>" (UTF-8 bytes).
  virtual std::string OrganismSvg(const std::string& dna, int size) = 0;
};

}  // namespace vantrel

#define VANTREL_SVG_WRITER_IID "org.quorvane.Vantrel.SvgWriter/1.0"
Q_DECLARE_INTERFACE(vantrel::SvgWriter, VANTREL_SVG_WRITER_IID)

#endif  // VANTREL_GALLERY_QT_SVG_WRITER_H_
