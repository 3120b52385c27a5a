#include "desktop/app/application.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTimer>
#include <string>
#include <utility>

#include "desktop/files/pupil_setting.h"
#include "desktop/gallery/population_view.h"
#include "desktop/plugins/plugin_loader.h"
#include "desktop/ui/close_on_escape.h"
#include "desktop/windows/window_place.h"
#include "lab/goal.h"

namespace vantrel {

namespace {

constexpr int kJournalDelayMs = 100;

}  // namespace

VantrelApplication::VantrelApplication(const std::optional<std::string>& lesson_text)
    : main_window_(workspace_, Services()),
      population_window_(
          [this] {
            return std::make_unique<PopulationWindow>(workspace_.document().grid(), SelectRow(),
                                                      file_dialog_, messages_);
          },
          [this](PopulationWindow& window) { WirePopulationWindow(window); }),
      family_tree_window_(
          [this] { return std::make_unique<FamilyTreeWindow>(workspace_.history(), SelectRow()); },
          [this](FamilyTreeWindow& window) {
            main_window_.keys().AddWindow(&window);
            CloseOnEscape(window);
            QObject::connect(&workspace_.model(), &EngineModel::changed, &window,
                             [&window](const EngineChange& change) {
                               if (change.table || change.selection) window.Follow();
                             });
          }),
      notebook_panel_([this] { return MakeNotebookPanel(); },
                      [this](NotebookPanel& panel) { WireNotebookPanel(panel); }) {
  messages_.SetOwner(&main_window_);
  file_dialog_.SetOwner(&main_window_);
  ProgramKeys& keys = main_window_.keys();
  // "Reached" is the engine's, wherever the notebook window is: open, hidden or not made.
  keys.Bind(Qt::Key_R, [this] { workspace_.engine().DeclareReached(); });
  QObject::connect(&main_window_, &MainWindow::notebookRequested, &main_window_, [this] {
    if (NotebookPanel* panel = notebook_panel_.TryGet()) Present(panel->window(), QSize());
  });
  // Every change the engine tells of: the notebook looks once, when the event loop comes
  // round. The automatic runs' condition follows the parameters the engine took.
  notebook_refresh_.setSingleShot(true);
  notebook_refresh_.setInterval(0);
  QObject::connect(&notebook_refresh_, &QTimer::timeout, &main_window_, [this] {
    if (NotebookPanel* panel = notebook_panel_.IfMade()) panel->Refresh();
  });
  QObject::connect(&workspace_.model(), &EngineModel::changed, &notebook_refresh_, [this] {
    if (NotebookPanel* panel = notebook_panel_.IfMade()) {
      panel->SetConditionDefaults(workspace_.engine().parameters());
      notebook_refresh_.start();
    }
  });
  QObject::connect(&main_window_, &MainWindow::populationViewRequested, &main_window_,
                   [this] { Present(population_window_.Get(), QSize()); });
  QObject::connect(&main_window_, &MainWindow::familyTreeRequested, &main_window_,
                   [this] { Present(family_tree_window_.Get(), FamilyTreeWindow::kReadableSize); });
  // The main window's close ends the program: the journal is closed by then.
  QObject::connect(&main_window_, &MainWindow::closed, &main_window_, [this] { EndProgram(); });
  // The journal opens a moment after the first organism is on screen, so start-up does not
  // wait for it; steps made before are part of the state it starts from.
  QObject::connect(&main_window_, &MainWindow::firstPainted, &main_window_, [this] {
    QTimer::singleShot(kJournalDelayMs, &main_window_, &MainWindow::OpenJournalAndOfferRestore);
  });
  // The name remembered from the notebook names the runs from the start, before the
  // notebook is first opened.
  if (const QString pupil = RememberedPupil(); !pupil.isEmpty()) {
    workspace_.engine().SetPupil(pupil.toStdString());
  }
  if (lesson_text) {
    const LessonOpening opening = workspace_.engine().OpenLesson(*lesson_text);
    if (opening.opened) {
      QObject::connect(
          &main_window_, &MainWindow::firstPainted, &main_window_,
          [this, message = opening.message] { ShowLessonStart(message); },
          Qt::SingleShotConnection);
    }
  }
}

void VantrelApplication::ShowLessonStart(const std::string& message) {
  const std::optional<OpenLessonState>& lesson = workspace_.engine().lesson();
  if (lesson && lesson->experiment > 0) {
    ExperimentsDialog& help = experiments_.Get();
    help.ShowExperiment(lesson->experiment);
    help.show();
    help.raise();
  }
  if (!message.empty()) messages_.ShowMessage(message);
}

void VantrelApplication::Present(QWidget& window, QSize readable) {
  if (!window.property("vantrel_placed").toBool()) {
    const QScreen* screen = main_window_.screen();
    window.setGeometry(
        WindowPlace(window, readable, main_window_, screen->availableGeometry(), placed_++));
    window.setProperty("vantrel_placed", true);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

void VantrelApplication::EndProgram() {
  notebook_refresh_.stop();
  QWidget* windows[] = {
      population_window_.IfMade(), family_tree_window_.IfMade(),
      notebook_panel_.IfMade() != nullptr ? &notebook_panel_.IfMade()->window() : nullptr};
  for (QWidget* window : windows) {
    if (window != nullptr) window->close();
  }
  QCoreApplication::quit();
}

std::function<void(int)> VantrelApplication::SelectRow() {
  return [this](int row) { workspace_.engine().SelectRow(row); };
}

void VantrelApplication::WirePopulationWindow(PopulationWindow& window) {
  main_window_.keys().AddWindow(&window);
  CloseOnEscape(window);
  QObject::connect(&workspace_.model(), &EngineModel::changed, &window,
                   [&window](const EngineChange& change) {
                     if (change.table || change.selection) window.Follow(change.table);
                     // Every organism's chance moves with what the learner learned.
                     if (change.learner && window.view()->shows_chances()) {
                       window.view()->RepaintPictures();
                     }
                   });
  // The chances of being kept, shown and hidden with the main window's K.
  window.AddMenuActions({main_window_.chance_action(), main_window_.judge_action()});
  const auto show_chances = [this, &window](bool shown) {
    if (!shown) {
      window.SetChanceKept({});
      return;
    }
    window.SetChanceKept([this](int row) { return workspace_.engine().ChanceKept(row); });
  };
  show_chances(main_window_.shows_chances());
  QObject::connect(&main_window_, &MainWindow::chancesToggled, &window, show_chances);
  window.SetExtraTooltipLine(
      [](const std::string& dna) { return DescribeOrganism(WordsOfDna(dna)); });
  QObject::connect(&window, &PopulationWindow::familyTreeRequested, &window, [this](int row) {
    workspace_.engine().SelectRow(row);
    Present(family_tree_window_.Get(), FamilyTreeWindow::kReadableSize);
  });
}

std::unique_ptr<NotebookPanel> VantrelApplication::MakeNotebookPanel() {
  std::string problem;
  auto* factory = LoadPluginAs<NotebookFactory>(QString::fromLatin1(kNotebookPluginFile), &problem);
  if (factory == nullptr) {
    messages_.ShowMessage(
        QCoreApplication::translate("VantrelApplication", "The lab notebook cannot be opened: %1")
            .arg(QString::fromStdString(problem))
            .toStdString());
    return nullptr;
  }
  // The window reads the notebook and asks the engine for every change.
  return factory->MakePanel(workspace_.notebook(), workspace_.engine(),
                            {messages_, excel_, busy_cursor_});
}

void VantrelApplication::WireNotebookPanel(NotebookPanel& panel) {
  main_window_.keys().AddWindow(&panel.window());
  CloseOnEscape(panel.window());
  panel.SetConditionDefaults(main_window_.CurrentParameters());
  panel.Refresh();
}

MainWindowServices VantrelApplication::Services() {
  return {messages_,  file_dialog_,
          excel_,     busy_cursor_,
          web_shell_, [this]() -> ExperimentsDialog& { return experiments_.Get(); }};
}

}  // namespace vantrel
