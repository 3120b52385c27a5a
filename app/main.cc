// Program entry: builds the real services, the main window and the experiments window,
// then runs the event loop until the main window closes.
#include <QApplication>

#include "app/main_form.h"
#include "population/clock.h"
#include "population/random_source.h"
#include "storage/qt/qt_busy_cursor.h"
#include "storage/qt/qt_file_dialogs.h"
#include "storage/qt/xlsx_excel_application.h"
#include "ui/qt/experiments_window.h"
#include "ui/qt/qt_message_service.h"
#include "ui/qt/xdg_open_shell.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  vantrel::LcgRandom random;
  vantrel::SystemClock clock;
  vantrel::QtMessageService messages;
  vantrel::QtFileDialogs file_dialogs;
  // Declared after the message service so that it goes first, dropping verdicts still due.
  vantrel::XdgOpenShell web_shell;
  vantrel::XlsxExcelApplication excel;
  vantrel::QtBusyCursor busy_cursor;

  vantrel::MainFormServices services;
  services.random = &random;
  services.clock = &clock;
  services.messages = &messages;
  services.file_dialogs = &file_dialogs;
  services.web_shell = &web_shell;
  services.excel = &excel;
  services.busy_cursor = &busy_cursor;

  vantrel::TMainForm main_form(services);
  messages.SetOwner(&main_form);
  file_dialogs.SetOwner(&main_form);
  // Created hidden right after the main window; it lives until the program ends.
  vantrel::TfrmExperiments frmExperiments;
  main_form.SetExperimentsWindow(&frmExperiments);
  main_form.show();
  return QApplication::exec();
}
