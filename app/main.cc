// Program entry: builds the program and runs the event loop until the main window closes.
#include <QApplication>

#include "app/application.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vantrel::VantrelApplication vantrel;
  vantrel.main_window().show();
  return QApplication::exec();
}
