#ifndef VANTREL_GALLERY_QT_SVG_MODULE_H_
#define VANTREL_GALLERY_QT_SVG_MODULE_H_

#include <string>

#include "modules/module_library.h"

namespace vantrel {

// The SVG writer module (gallery/svg): Qt Svg behind one function, loaded when a picture is
// first saved as SVG.
inline constexpr const char* kSvgModuleFile = "svg.so";

struct SvgModule {
  ModuleHeader header;
  // The organism of `dna` drawn by DrawOrganism as an SVG document of size x size pixels,
  // titled "Organism <dna>" (UTF-8 bytes).
  std::string (*organism_svg)(const std::string& dna, int size);
};

}  // namespace vantrel

#endif  // VANTREL_GALLERY_QT_SVG_MODULE_H_
