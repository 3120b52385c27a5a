#include <QMenu>
#include <optional>
#include <string>

#include "desktop/app/main_window.h"
#include "desktop/app/organism_view.h"
#include "desktop/gallery/organism_picture.h"
#include "messages/messages.h"
#include "population/population.h"
#include "storage/file_name_dialog.h"

namespace vantrel {

void MainWindow::ShowPictureMenu(QPoint position) {
  if (!grid().HasBodyRows()) return;
  QMenu menu(this);
  menu.addAction(tr("Copy picture"), this, &MainWindow::onCopyPictureClicked);
  menu.addAction(tr("Save picture as…"), this, &MainWindow::onSavePictureClicked);
  menu.addAction(tr("Family tree"), this, &MainWindow::familyTreeRequested);
  menu.addSeparator();
  menu.addAction(chance_action_);
  menu.addAction(judge_action_);
  menu.exec(organism_view_->mapToGlobal(position));
}

void MainWindow::onCopyPictureClicked() {
  if (grid().HasBodyRows()) CopyOrganismPicture(population().SelectedDna());
}

void MainWindow::onSavePictureClicked() {
  if (grid().HasBodyRows()) {
    AskAndSaveOrganismPicture(population().SelectedDna(),
                              grid().Cell(kIdColumn, grid().SelectedRow()), services_.file_dialog,
                              services_.messages);
  }
}

}  // namespace vantrel
