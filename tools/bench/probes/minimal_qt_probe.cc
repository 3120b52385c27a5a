// The floor for start-up: a minimal Qt Widgets window that exits at its first paint.
#include <sys/resource.h>

#include <QApplication>
#include <QWidget>
#include <cstdio>

namespace {

class PaintOnce final : public QWidget {
 protected:
  // The loop ends once this paint has finished and reached the screen.
  void paintEvent(QPaintEvent*) override { QCoreApplication::exit(0); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PaintOnce window;
  window.resize(364, 415);
  window.show();
  const int status = QApplication::exec();
  // The last line is the peak resident memory in KiB, read by scripts/bench.sh.
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%ld\n", usage.ru_maxrss);
  return status;
}
