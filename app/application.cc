#include "app/application.h"

namespace vantrel {

VantrelApplication::VantrelApplication() : main_form_(Services(*this)) {
  messages_.SetOwner(&main_form_);
  file_dialogs_.SetOwner(&main_form_);
  main_form_.SetExperimentsDialog(&experiments_dialog_);
}

MainWindowServices VantrelApplication::Services(VantrelApplication& app) {
  MainWindowServices services;
  services.random = &app.random_;
  services.clock = &app.clock_;
  services.messages = &app.messages_;
  services.file_dialogs = &app.file_dialogs_;
  services.web_shell = &app.web_shell_;
  services.excel = &app.excel_;
  services.busy_cursor = &app.busy_cursor_;
  return services;
}

}  // namespace vantrel
