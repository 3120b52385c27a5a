#ifndef VANTREL_GALLERY_QT_PICTURE_SAVE_DIALOG_H_
#define VANTREL_GALLERY_QT_PICTURE_SAVE_DIALOG_H_

#include <QWidget>

#include "gallery/picture_file_dialog.h"

namespace vantrel {

// The desktop's save-file dialog, offering PNG and SVG; a name without a suffix gets
// ".png".
class QtPictureFileDialog final : public PictureFileDialog {
 public:
  explicit QtPictureFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

  std::optional<std::string> AskSavePictureName(const std::string& title) override;

 private:
  QWidget* parent_;
};

}  // namespace vantrel

#endif  // VANTREL_GALLERY_QT_PICTURE_SAVE_DIALOG_H_
