// Starts the program as its entry does and leaves the event loop with the first paint of the
// organism, so that the whole process, timed from outside, measures start-up to the first
// painted organism (and the tear-down). Work the program schedules for after that paint does
// not run, as in the minimal program beside it.
#include <sys/resource.h>

#include <QApplication>
#include <cstdio>

#include "desktop/app/application.h"
#include "desktop/app/organism_view.h"
#include "desktop/app/program_language.h"

namespace {

class QuitOnPaint final : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The loop ends once this paint has finished and reached the screen.
    if (event->type() == QEvent::Paint) QCoreApplication::exit(0);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const vantrel::ProgramLanguage language(vantrel::SystemLanguage());
  vantrel::VantrelApplication vantrel;
  vantrel::MainWindow& form = vantrel.main_window();
  QuitOnPaint quit_on_paint;
  form.findChild<vantrel::OrganismView*>()->installEventFilter(&quit_on_paint);
  form.show();
  const int status = QApplication::exec();
  // The last line is the peak resident memory in KiB, read by scripts/bench.sh.
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%ld\n", usage.ru_maxrss);
  return status;
}
