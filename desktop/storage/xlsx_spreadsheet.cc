#include "desktop/storage/xlsx_spreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "desktop/plugins/plugin_loader.h"
#include "desktop/storage/workbook_writer.h"

namespace vantrel {

namespace {

constexpr char kXlsxMimeType[] =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// A file name part from a sheet name: letters, digits, '-' and '_' only.
QString FileStem(std::string_view sheet_name) {
  QString stem = QString::fromUtf8(sheet_name.data(), static_cast<qsizetype>(sheet_name.size()));
  for (QChar& ch : stem) {
    if (!ch.isLetterOrNumber() && ch != QLatin1Char('-')) ch = QLatin1Char('_');
  }
  return stem.isEmpty() ? QStringLiteral("Workbook") : stem;
}

QString Say(const char* text) { return QCoreApplication::translate("XlsxSpreadsheet", text); }

// The writer plugin, or nothing with the reason in `problem`.
WorkbookWriter* LoadWriter(std::string* problem) {
  std::string reason;
  auto* writer = LoadPluginAs<WorkbookWriter>(QString::fromLatin1(kXlsxPluginFile), &reason);
  if (writer == nullptr) {
    *problem = Say("The spreadsheet writer cannot be loaded: %1")
                   .arg(QString::fromStdString(reason))
                   .toStdString();
  }
  return writer;
}

QString DefaultFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return data.isEmpty() ? QString() : data + QStringLiteral("/exports");
}

}  // namespace

XlsxSpreadsheet::XlsxSpreadsheet(const XlsxSpreadsheetOptions& options)
    : folder_(options.folder.isEmpty() ? DefaultFolder() : options.folder),
      opener_(options.opener, options.mime_query, options.opener_verdict_ms) {}

std::optional<std::string> XlsxSpreadsheet::WhyCannotShow() {
  return opener_.CheckCanOpen(QString::fromLatin1(kXlsxMimeType), QStringLiteral(".xlsx"));
}

std::optional<std::string> XlsxSpreadsheet::Show(const StringGrid& grid,
                                                 std::string_view sheet_name) {
  if (std::optional<std::string> problem = WhyCannotShow()) return problem;
  std::string problem;
  WorkbookWriter* writer = LoadWriter(&problem);
  if (writer == nullptr) return problem;

  if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
    return Say("Cannot create the folder \"%1\" for the workbook").arg(folder_).toStdString();
  }
  // The name is reserved by creating the file, so that no two workbooks share it.
  QTemporaryFile reserved(folder_ + QLatin1Char('/') + FileStem(sheet_name) +
                          QStringLiteral("-XXXXXX.xlsx"));
  reserved.setAutoRemove(false);
  if (!reserved.open()) {
    return Say("Cannot create a file in \"%1\": %2")
        .arg(folder_, reserved.errorString())
        .toStdString();
  }
  const QString path = reserved.fileName();
  reserved.close();
  if (std::optional<std::string> failure =
          writer->WriteWorkbook(grid, sheet_name, QFile::encodeName(path).toStdString())) {
    QFile::remove(path);
    return failure;
  }
  return opener_.Open(path);
}

std::optional<std::string> XlsxSpreadsheet::Save(const StringGrid& grid,
                                                 std::string_view sheet_name,
                                                 const std::string& path) {
  std::string problem;
  WorkbookWriter* writer = LoadWriter(&problem);
  if (writer == nullptr) return problem;
  // Written beside the target under a name of its own, then put in its place at once: a
  // failure leaves the file that was there.
  const QString target = QFile::decodeName(QByteArray::fromStdString(path));
  QTemporaryFile partial(target + QStringLiteral(".XXXXXX"));
  partial.setAutoRemove(false);
  if (!partial.open()) {
    return Say("Cannot create a file in \"%1\": %2")
        .arg(QFileInfo(target).absolutePath(), partial.errorString())
        .toStdString();
  }
  // Readable by others, as files the program saves are; a temporary file is its owner's alone.
  partial.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                         QFileDevice::ReadOther);
  const QString written = partial.fileName();
  partial.close();
  if (std::optional<std::string> failure =
          writer->WriteWorkbook(grid, sheet_name, QFile::encodeName(written).toStdString())) {
    QFile::remove(written);
    return failure;
  }
  if (std::rename(QFile::encodeName(written).constData(), path.c_str()) != 0) {
    const std::string reason = std::strerror(errno);
    QFile::remove(written);
    return Say("Cannot write %1: %2")
        .arg(target, QString::fromLocal8Bit(reason.c_str()))
        .toStdString();
  }
  return std::nullopt;
}

}  // namespace vantrel
