// Every window of the program in the pseudo-language: each text it shows or gives a screen
// reader must have come through a catalogue, whole and uncut, with no control over another.
// What the walk still finds is listed in known_untranslated.txt ([desktop]); a finding the
// list lacks fails, and so does an entry the walk no longer finds, so the list only shrinks.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QHelpEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <optional>

#include "desktop/app/application.h"
#include "language/catalogue.h"
#include "language/language.h"
#include "tests/desktop/pseudo/known_findings.h"
#include "tests/desktop/pseudo/pseudo_language.h"
#include "tests/desktop/pseudo/widget_walk.h"

namespace vantrel::testing {
namespace {

// Long enough for what a window does when the event loop comes round next.
constexpr int kSettleMs = 50;

class DesktopWalkTest : public ::testing::Test {
 protected:
  DesktopWalkTest() {
    EXPECT_TRUE(state_.isValid());
    qputenv("XDG_STATE_HOME", state_.path().toLocal8Bit());
  }
  ~DesktopWalkTest() override { SetLanguage(Language::kEnglish); }

  // The program as main() builds it, its main window shown and its journal open.
  void Start() {
    program_.emplace();
    Main().show();
    QApplication::setActiveWindow(&Main());
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return program_->workspace().journal() != nullptr; }, 5000));
  }
  MainWindow& Main() { return program_->main_window(); }
  QWidget* Child(const char* name) { return Main().findChild<QWidget*>(QString::fromLatin1(name)); }

  void Walk(QWidget& window, const QString& view) {
    QCoreApplication::processEvents();
    WalkWindow(window, view, findings_);
  }

  // Opens a tool window with its key, as the user does, and gives it back.
  QWidget& Open(Qt::Key key, const char* name) {
    QApplication::setActiveWindow(&Main());
    QTest::keyClick(&Main(), key);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String(name) && window->isVisible()) return *window;
    }
    ADD_FAILURE() << name << " did not open";
    return Main();
  }

  // Runs `open`, which shows a modal box, dialog or menu; once it is on screen, `walk`
  // reads it and it is closed.
  void WalkModal(const std::function<void()>& open, const std::function<void(QWidget&)>& walk,
                 const char* what) {
    bool walked = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activePopupWidget();
      if (modal == nullptr) modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible()) return;
      poll.stop();
      walk(*modal);
      walked = true;
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->done(QDialog::Rejected);
      } else {
        modal->close();
      }
    });
    poll.start();
    open();
    poll.stop();
    EXPECT_TRUE(walked) << what << " showed no box";
  }

  // Each page of every tab widget in `window`, one after the other.
  void WalkTabs(QWidget& window, const QString& view) {
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
      for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        // A chart lays itself out once it is shown, when the event loop comes round.
        QTest::qWait(kSettleMs);
        Walk(window, QStringLiteral("%1, tab %2").arg(view).arg(page + 1));
      }
      tabs->setCurrentIndex(0);
    }
  }

  // The tooltip and the menu of the first picture of the population view, which the view
  // draws itself.
  void WalkPicture(QWidget& window) {
    auto* view = window.findChild<QAbstractScrollArea*>(QString(), Qt::FindChildrenRecursively);
    ASSERT_NE(view, nullptr);
    QWidget* surface = view->viewport();
    QPoint at;
    for (int step = 8; step < 200 && !QToolTip::isVisible(); step += 8) {
      at = QPoint(step, step);
      QHelpEvent help(QEvent::ToolTip, at, surface->mapToGlobal(at));
      QApplication::sendEvent(surface, &help);
    }
    ASSERT_TRUE(QToolTip::isVisible()) << "no picture of the population has a tooltip";
    WalkText(QToolTip::text(), QStringLiteral("population / picture tooltip"), findings_);
    QToolTip::hideText();
    WalkModal(
        [&] {
          QContextMenuEvent menu(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
          QApplication::sendEvent(surface, &menu);
        },
        [this](QWidget& menu) { Walk(menu, QStringLiteral("population, picture menu")); },
        "a picture's menu in the population");
  }

  QTemporaryDir state_;
  std::optional<VantrelApplication> program_;
  Findings findings_;
};

TEST_F(DesktopWalkTest, EveryWindowShowsOnlyCatalogueTextsWholeAndApart) {
  QString problem;
  ASSERT_TRUE(SpeakPseudoLanguage(problem)) << problem.toStdString();
  Start();
  // Whatever language the program would choose for itself, the walk needs this one.
  ASSERT_EQ(CurrentLanguage(), Language::kPseudo)
      << "the program chose its own language over the pseudo-language";
  // A population of fixed chance, so that what the walk finds is the same every time.
  Main().document().random().Seed(1);
  QTest::keyClick(&Main(), Qt::Key_N);
  Walk(Main(), QStringLiteral("main window, compact"));
  Main().onAdvancedClicked();
  // A few steps, so that table, family tree and notebook have something to show.
  for (Qt::Key step : {Qt::Key_S, Qt::Key_F, Qt::Key_S, Qt::Key_F}) QTest::keyClick(&Main(), step);
  Walk(Main(), QStringLiteral("main window"));

  const auto walk_as = [this](const QString& view) {
    return [this, view](QWidget& box) { Walk(box, view); };
  };
  WalkModal([this] { emit Child("pbxOrganism")->customContextMenuRequested(QPoint(20, 20)); },
            walk_as(QStringLiteral("picture menu")), "the drawing's menu");
  WalkModal([this] { Main().onIdeaClicked(); }, walk_as(QStringLiteral("idea")), "an idea");
  WalkModal([this] { Main().onRestoreLastRunClicked(); }, walk_as(QStringLiteral("restore")),
            "restoring with no earlier run");
  WalkModal([this] { Main().onExperimentsClicked(); },
            [this](QWidget& dialog) { WalkTabs(dialog, QStringLiteral("experiments")); },
            "the experiments");

  QWidget& population = Open(Qt::Key_G, "frmPopulation");
  Walk(population, QStringLiteral("population"));
  WalkPicture(population);
  Walk(Open(Qt::Key_T, "frmFamilyTree"), QStringLiteral("family tree"));
  // The notebook with one run declared reached, so that its comparison has runs.
  QWidget& notebook = Open(Qt::Key_L, "frmNotebook");
  QTest::keyClick(&notebook, Qt::Key_R);
  // The notebook draws its plots at most every 40 ms, a moment after a change.
  QTest::qWait(4 * kSettleMs);
  WalkTabs(notebook, QStringLiteral("notebook"));

  // The message boxes' caption is the program's file name, here the test's.
  findings_.erase(StableFinding(QtMessageService::Title()));

  const std::optional<std::set<QString>> known =
      ReadKnownFindings(QStringLiteral(VANTREL_PSEUDO_KNOWN), QStringLiteral("desktop"));
  ASSERT_TRUE(known) << "cannot read the [desktop] section of " VANTREL_PSEUDO_KNOWN;
  // VANTREL_PSEUDO_LIST=FILE writes what the walk finds, to refresh the list by hand.
  if (const QString list = qEnvironmentVariable("VANTREL_PSEUDO_LIST"); !list.isEmpty()) {
    QFile out(list);
    if (out.open(QIODevice::WriteOnly | QIODevice::Text)) out.write(ListLines(findings_).toUtf8());
  }
  const QString report = CompareWithKnown(findings_, *known);
  EXPECT_TRUE(report.isEmpty()) << "The pseudo-language walk of the desktop differs from "
                                   "tests/pseudo/known_untranslated.txt:\n"
                                << report.toStdString();
}

}  // namespace
}  // namespace vantrel::testing
