#ifndef VANTREL_GALLERY_PICTURE_FILE_DIALOG_H_
#define VANTREL_GALLERY_PICTURE_FILE_DIALOG_H_

#include <optional>
#include <string>

namespace vantrel {

// Asks the user where to save a picture. The program shows a save-file dialog offering
// PNG and SVG; tests give an answer of their own.
class PictureFileDialog {
 public:
  virtual ~PictureFileDialog() = default;

  // The chosen file name (UTF-8), or nothing when the user cancels.
  virtual std::optional<std::string> AskSavePictureName(const std::string& title) = 0;
};

}  // namespace vantrel

#endif  // VANTREL_GALLERY_PICTURE_FILE_DIALOG_H_
