// Program entry: builds the real services, the main window and the experiments window,
// then runs the event loop until the main window closes.
#include <QApplication>

#include "app/main_form.h"
#include "population/clock.h"
#include "population/random_source.h"
#include "ui/qt/qt_message_service.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  vantrel::LcgRandom random;
  vantrel::SystemClock clock;
  vantrel::QtMessageService messages;

  vantrel::MainFormServices services;
  services.random = &random;
  services.clock = &clock;
  services.messages = &messages;

  vantrel::TMainForm main_form(services);
  messages.SetOwner(&main_form);
  main_form.show();
  return QApplication::exec();
}
