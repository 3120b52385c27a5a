#include "app/application.h"

#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <string>

#include "lab/goal.h"

namespace vantrel {

namespace {

// Shows a window of the program, or brings it to the front when it is open already. The
// first time it opens beside `anchor`, where it covers nothing of it.
void Present(QWidget& window, const QWidget& anchor) {
  if (!window.property("vantrel_placed").toBool()) {
    QPoint place = anchor.frameGeometry().topRight() + QPoint(8, 0);
    const QRect screen = anchor.screen()->availableGeometry();
    place.setX(std::max(screen.left(), std::min(place.x(), screen.right() - window.width())));
    window.move(place);
    window.setProperty("vantrel_placed", true);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

VantrelApplication::VantrelApplication() : main_window_(workspace_, Services()) {
  messages_.SetOwner(&main_window_);
  file_dialogs_.SetOwner(&main_window_);
  main_window_.keys().AddWindow(&population_window_);
  main_window_.keys().AddWindow(&family_tree_window_);
  main_window_.keys().AddWindow(&notebook_window_);
  main_window_.keys().Bind(Qt::Key_R, [this] { notebook_window_.onReachedClicked(); });
  QObject::connect(&main_window_, &MainWindow::notebookRequested, &notebook_window_,
                   [this] { Present(notebook_window_, main_window_); });
  QObject::connect(&main_window_, &MainWindow::populationStepped, &notebook_window_,
                   [this] { RefreshNotebook(); });
  QObject::connect(&main_window_, &MainWindow::organismShown, &notebook_window_,
                   [this] { notebook_window_.Refresh(); });
  QObject::connect(&notebook_window_, &NotebookWindow::reachedDeclared, &notebook_window_,
                   [this] { notebook_window_.Refresh(); });
  population_window_.SetExtraTooltipLine(
      [](const std::string& dna) { return DescribeOrganism(WordsOfDna(dna)); });
  RefreshNotebook();
  QObject::connect(&main_window_, &MainWindow::populationViewRequested, &population_window_,
                   [this] { Present(population_window_, main_window_); });
  QObject::connect(&main_window_, &MainWindow::familyTreeRequested, &family_tree_window_,
                   [this] { Present(family_tree_window_, main_window_); });
  QObject::connect(&population_window_, &PopulationWindow::familyTreeRequested,
                   &family_tree_window_, [this](int row) {
                     workspace_.document().grid().SelectRow(row);
                     Present(family_tree_window_, population_window_);
                   });
  // The journal opens once the first organism is on screen, so start-up does not wait.
  QObject::connect(&main_window_, &MainWindow::firstPainted, &main_window_, [this] {
    QTimer::singleShot(0, &main_window_, &MainWindow::OpenJournalAndOfferRestore);
  });
}

void VantrelApplication::RefreshNotebook() {
  const Parameters boxes = main_window_.CurrentParameters();
  notebook_window_.SetConditionDefaults({boxes.start_organisms, boxes.creativity, boxes.bonus});
  notebook_window_.Refresh();
}

MainWindowServices VantrelApplication::Services() {
  return {clock_,       messages_,  file_dialogs_, excel_,
          busy_cursor_, web_shell_, experiments_,  picture_dialog_};
}

}  // namespace vantrel
