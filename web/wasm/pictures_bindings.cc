// The engine's calls for pictures on a page (embind): an organism or the population as
// SVG, the contact sheet's pixels and where its IDs go, the names the desktop offers for
// picture files, and whether an organism draws with the invisible pen.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gallery/contact_sheet.h"
#include "gallery/organism_texts.h"
#include "gallery/picture_question.h"
#include "organism/dna.h"
#include "organism/svg_canvas.h"
#include "web/wasm/copied_array.h"

namespace vantrel {
namespace {

using emscripten::val;

// The page's organisms ({id, dna} objects), at most as many as a sheet shows; anything
// else in the array counts as an organism without ID or DNA.
std::vector<SheetOrganism> SheetOrganisms(const val& organisms) {
  std::vector<SheetOrganism> list;
  if (!organisms.isArray()) return list;
  const int length = std::min(organisms["length"].as<int>(), kContactSheetLimit);
  list.reserve(length);
  for (int i = 0; i < length; ++i) {
    const val item = organisms[i];
    SheetOrganism organism;
    if (item.typeOf().as<std::string>() == "object" && !item.isNull()) {
      if (item["id"].isString()) organism.id = item["id"].as<std::string>();
      if (item["dna"].isString()) organism.dna = item["dna"].as<std::string>();
    }
    list.push_back(std::move(organism));
  }
  return list;
}

std::string OrganismSvgBinding(const std::string& dna) { return OrganismSvg(dna); }

std::string PictureFileNameBinding(const std::string& id) { return OrganismPictureName(id); }

bool PenInvisibleBinding(const std::string& dna) { return PenStyleOf(dna) == PenStyle::kInvisible; }

// The sheet's size and pixels (R, G, B, A), and each ID with the box to centre it in.
val ContactSheetBinding(const val& organisms) {
  const std::vector<SheetOrganism> list = SheetOrganisms(organisms);
  const ContactSheetLayout layout(static_cast<int>(list.size()));
  const std::vector<std::uint8_t> rgba = RgbaBytes(ContactSheetPixels(list));
  val labels = val::array();
  for (int i = 0; i < layout.count(); ++i) {
    const SheetRect box = layout.Label(i);
    val label = val::object();
    label.set("id", list[i].id);
    label.set("left", box.left);
    label.set("top", box.top);
    label.set("width", box.width);
    label.set("height", box.height);
    labels.call<void>("push", label);
  }
  val sheet = val::object();
  sheet.set("width", layout.Width());
  sheet.set("height", layout.Height());
  sheet.set("rgba", CopiedArray(rgba.data(), rgba.size()));
  sheet.set("labels", labels);
  sheet.set("fontSize", kSheetFontSize);
  sheet.set("textColour", SvgColour(kSheetTextColour));
  return sheet;
}

std::string ContactSheetSvgBinding(const val& organisms) {
  return ContactSheetSvg(SheetOrganisms(organisms));
}

std::string ContactSheetNoteBinding(int shown, int total) { return ContactSheetNote(shown, total); }

int ContactSheetLimitBinding() { return kContactSheetLimit; }

// The two formats the desktop's save dialog offers, PNG first.
val PictureFormatsBinding() {
  val formats = val::array();
  for (const std::string& filter : SavePictureQuestion("", "").filters) {
    formats.call<void>("push", filter);
  }
  return formats;
}

}  // namespace
}  // namespace vantrel

EMSCRIPTEN_BINDINGS(pictures) {
  emscripten::function("organismSvg", &vantrel::OrganismSvgBinding);
  emscripten::function("pictureFileName", &vantrel::PictureFileNameBinding);
  emscripten::function("penInvisible", &vantrel::PenInvisibleBinding);
  emscripten::function("contactSheet", &vantrel::ContactSheetBinding);
  emscripten::function("contactSheetSvg", &vantrel::ContactSheetSvgBinding);
  emscripten::function("contactSheetNote", &vantrel::ContactSheetNoteBinding);
  emscripten::function("contactSheetLimit", &vantrel::ContactSheetLimitBinding);
  emscripten::function("pictureFormats", &vantrel::PictureFormatsBinding);
}
