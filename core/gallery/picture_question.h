#ifndef VANTREL_GALLERY_PICTURE_QUESTION_H_
#define VANTREL_GALLERY_PICTURE_QUESTION_H_

#include <string>
#include <utility>

#include "language/catalogue.h"
#include "storage/file_name_dialog.h"

namespace vantrel {

// Where to save a picture: PNG or SVG, and a name without a suffix gets ".png"; the
// dialog proposes `suggested_name`.
inline FileQuestion SavePictureQuestion(std::string title, std::string suggested_name) {
  FileQuestion question;
  question.mode = FileQuestion::Mode::kSave;
  question.title = std::move(title);
  // The filters' names are translated, their patterns never.
  question.filters = {Arg(Tr("Gallery", "PNG image (%1)"), {"*.png"}),
                      Arg(Tr("Gallery", "SVG drawing (%1)"), {"*.svg"})};
  question.suffix = "png";
  question.suggested_name = std::move(suggested_name);
  return question;
}

}  // namespace vantrel

#endif  // VANTREL_GALLERY_PICTURE_QUESTION_H_
