// The floor for start-up: a minimal Qt Widgets window that exits at its first paint.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class PaintOnce final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PaintOnce window;
  window.resize(364, 415);
  window.show();
  return QApplication::exec();
}
