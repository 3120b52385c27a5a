#include "gallery/qt/picture_save_dialog.h"

#include <QFileDialog>

#include "desktop/qt/file_dialog.h"

namespace vantrel {

std::optional<std::string> QtPictureFileDialog::AskSavePictureName(const std::string& title) {
  QFileDialog dialog(parent_, QString::fromStdString(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(
      {QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)")});
  dialog.setDefaultSuffix(QStringLiteral("png"));
  const std::optional<QString> name = RunFileDialog(dialog);
  if (!name) return std::nullopt;
  return name->toStdString();
}

}  // namespace vantrel
