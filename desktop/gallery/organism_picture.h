#ifndef VANTREL_DESKTOP_GALLERY_ORGANISM_PICTURE_H_
#define VANTREL_DESKTOP_GALLERY_ORGANISM_PICTURE_H_

#include <QImage>
#include <string>

#include "desktop/organism/organism_image.h"
#include "gallery/organism_texts.h"
#include "messages/messages.h"
#include "organism/raster.h"
#include "population/string_grid.h"
#include "storage/file_name_dialog.h"

namespace vantrel {

// How a write went: on failure, a message naming the file and the reason (UTF-8).
struct WriteResult {
  bool ok = true;
  std::string error;
};

// Saved and copied pictures are kPictureSize square, the size of the big drawing.

// Writes the 350 x 350 drawing as SVG when `path` ends in ".svg", else as PNG. The file
// appears whole or not at all: it is written beside the target and renamed over it. SVG
// is drawn by the SVG writer plugin, loaded on the first such save; when it cannot be
// loaded, the save fails and says why.
WriteResult SaveOrganismPicture(const std::string& dna, const std::string& path);

// Asks for a name with the "Save picture as" dialog, offering one made of organism `id`,
// and saves `dna`'s picture there; a failure is shown as an error report.
void AskAndSaveOrganismPicture(const std::string& dna, const std::string& id,
                               FileNameDialog& dialog, MessageService& messages);

// Puts the 350 x 350 drawing on the clipboard as an image.
void CopyOrganismPicture(const std::string& dna);

// One picture of the first `limit` organisms of the table with their IDs, in table order.
QImage RenderContactSheet(const StringGrid& grid, int limit = kContactSheetLimit);

// Writes the contact sheet, whole or not at all: as SVG (the organisms as vectors, the IDs
// as text) when `path` ends in ".svg", else RenderContactSheet as PNG.
WriteResult SaveContactSheet(const StringGrid& grid, const std::string& path);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_GALLERY_ORGANISM_PICTURE_H_
