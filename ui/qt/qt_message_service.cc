#include "ui/qt/qt_message_service.h"

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

void Show(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
          bool centre) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  // Some styles put a tick on the button; the box is meant to be plain.
  box.button(QMessageBox::Ok)->setIcon(QIcon());
  if (centre) {
    // QMessageBox settles its size only while it is being shown: centre it right after.
    CentreOnScreen(box);
    QTimer::singleShot(0, &box, [&box] { CentreOnScreen(box); });
  }
  box.exec();
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
  QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                  QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, owner_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  // Plain buttons, like the program's other boxes.
  box.button(QMessageBox::Yes)->setIcon(QIcon());
  box.button(QMessageBox::No)->setIcon(QIcon());
  CentreOnScreen(box);
  QTimer::singleShot(0, &box, [&box] { CentreOnScreen(box); });
  return box.exec() == QMessageBox::Yes;
}

}  // namespace vantrel
