#ifndef VANTREL_GALLERY_ORGANISM_TEXTS_H_
#define VANTREL_GALLERY_ORGANISM_TEXTS_H_

#include <optional>
#include <string>
#include <string_view>

#include "population/string_grid.h"

namespace vantrel {

// The most organisms one contact sheet shows.
inline constexpr int kContactSheetLimit = 1000;

// One of the program's own column titles ("ID", "P1", "P2", "DNA", "Survival") as the
// screen shows it, in the current language (UTF-8); nothing for a title a file brought,
// which is shown as its bytes are. Files and workbooks keep the titles in English.
std::optional<std::string> TranslatedColumnTitle(std::string_view title);

// The lines a picture's tooltip shows for organism `row`: ID, P1, P2, DNA and survival,
// each after its column's shown title.
std::string OrganismTooltip(const StringGrid& grid, int row);

// What a gallery says when the table holds no organism.
std::string EmptyGalleryHint();

// The note for a contact sheet that shows `shown` of `total` organisms, or "" when it
// shows them all.
std::string ContactSheetNote(int shown, int total);

enum class PictureFormat { kPng, kSvg };

// SVG for a name ending in ".svg" (any case), PNG for anything else.
PictureFormat PictureFormatFor(std::string_view file_name);

// The file name offered for organism `id`'s picture: "organism-<id>.png". An ID read from a
// file may hold any bytes; only ASCII letters, digits, '-' and '_' are kept, so the name
// never names a folder, and an ID with none of them gives "organism.png".
std::string OrganismPictureName(std::string_view id);

}  // namespace vantrel

#endif  // VANTREL_GALLERY_ORGANISM_TEXTS_H_
