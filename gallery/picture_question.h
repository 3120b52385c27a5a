#ifndef VANTREL_GALLERY_PICTURE_QUESTION_H_
#define VANTREL_GALLERY_PICTURE_QUESTION_H_

#include <string>
#include <utility>

#include "desktop/file_name_dialog.h"

namespace vantrel {

// Where to save a picture: PNG or SVG, and a name without a suffix gets ".png".
inline FileQuestion SavePictureQuestion(std::string title) {
  return {FileQuestion::Mode::kSave,
          std::move(title),
          {"PNG image (*.png)", "SVG drawing (*.svg)"},
          "png"};
}

}  // namespace vantrel

#endif  // VANTREL_GALLERY_PICTURE_QUESTION_H_
