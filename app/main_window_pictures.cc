#include <QMenu>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/organism_view.h"
#include "gallery/picture_file_dialog.h"
#include "gallery/qt/organism_picture.h"
#include "ui/messages.h"

namespace vantrel {

void MainWindow::ShowPictureMenu(QPoint position) {
  if (!grid().HasBodyRows()) return;
  QMenu menu(this);
  menu.addAction(QStringLiteral("Copy picture"), this, &MainWindow::onCopyPictureClicked);
  menu.addAction(QStringLiteral("Save picture as…"), this, &MainWindow::onSavePictureClicked);
  menu.addAction(QStringLiteral("Family tree"), this, &MainWindow::familyTreeRequested);
  menu.exec(organism_view_->mapToGlobal(position));
}

void MainWindow::onCopyPictureClicked() {
  if (grid().HasBodyRows()) CopyOrganismPicture(population().SelectedDna());
}

void MainWindow::onSavePictureClicked() {
  if (!grid().HasBodyRows()) return;
  const std::string dna = population().SelectedDna();
  const std::optional<std::string> name =
      services_.picture_dialog.AskSavePictureName("Save picture as");
  if (!name) return;
  const WriteResult written = SaveOrganismPicture(dna, *name);
  if (!written.ok) services_.messages.ShowError(ErrorReportText(written.error));
}

}  // namespace vantrel
