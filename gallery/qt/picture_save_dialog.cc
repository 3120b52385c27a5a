#include "gallery/qt/picture_save_dialog.h"

#include <QFileDialog>

namespace vantrel {

std::optional<std::string> QtPictureFileDialog::AskSavePictureName(const std::string& title) {
  QFileDialog dialog(parent_, QString::fromStdString(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(
      {QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)")});
  dialog.setDefaultSuffix(QStringLiteral("png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace vantrel
