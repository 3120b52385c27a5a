#include "desktop/ui/qt_message_service.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace vantrel {

namespace {

void CentreOnScreen(QMessageBox& box) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = box.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    box.move(frame.topLeft());
  }
}

// Shows a plain box and returns the button it was closed with.
int Show(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
         bool centre, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
         QMessageBox::StandardButton default_button = QMessageBox::NoButton) {
  QMessageBox box(icon, caption, text, buttons, owner);
  box.setTextFormat(Qt::PlainText);
  if (default_button != QMessageBox::NoButton) box.setDefaultButton(default_button);
  // Some styles put a tick on the buttons; the box is meant to be plain.
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
  if (centre) {
    // QMessageBox settles its size only while it is being shown: centre it right after.
    CentreOnScreen(box);
    QTimer::singleShot(0, &box, [&box] { CentreOnScreen(box); });
  }
  return box.exec();
}

}  // namespace

QString QtMessageService::Title() {
  const std::string name =
      QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  return QString::fromStdString(ApplicationTitle(name));
}

void QtMessageService::ShowMessage(const std::string& text) {
  Show(nullptr, QMessageBox::NoIcon, Title(), QString::fromStdString(text), true);
}

void QtMessageService::ShowError(const std::string& text) {
  Show(owner_, QMessageBox::Critical, Title(), QString::fromStdString(text), false);
}

void QtMessageService::ShowOwnedMessage(const std::string& caption, const std::string& text) {
  Show(owner_, QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
       false);
}

bool QtMessageService::AskYesNo(const std::string& caption, const std::string& text) {
  return Show(owner_, QMessageBox::Question, QString::fromStdString(caption),
              QString::fromStdString(text), true, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace vantrel
