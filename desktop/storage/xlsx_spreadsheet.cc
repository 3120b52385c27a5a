#include "desktop/storage/xlsx_spreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>
#include <cstring>

#include "desktop/plugins/plugin_loader.h"
#include "desktop/storage/workbook_writer.h"
#include "storage/atomic_file.h"

namespace vantrel {

namespace {

constexpr char kXlsxMimeType[] =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// A file name part from the first sheet's name: letters, digits, '-' and '_' only.
QString FileStem(const Workbook& book) {
  QString stem =
      book.sheets.empty() ? QString() : QString::fromStdString(book.sheets.front().format.name);
  for (QChar& ch : stem) {
    if (!ch.isLetterOrNumber() && ch != QLatin1Char('-')) ch = QLatin1Char('_');
  }
  return stem.isEmpty() ? QStringLiteral("Workbook") : stem;
}

QString Say(const char* text) { return QCoreApplication::translate("XlsxSpreadsheet", text); }

// The .xlsx file of `book`, made by the writer plugin, or why it could not be made.
std::optional<std::string> MakeBytes(const Workbook& book, std::string* bytes) {
  std::string reason;
  auto* writer = LoadPluginAs<WorkbookWriter>(QString::fromLatin1(kXlsxPluginFile), &reason);
  if (writer == nullptr) {
    return Say("The spreadsheet writer cannot be loaded: %1")
        .arg(QString::fromStdString(reason))
        .toStdString();
  }
  return writer->WorkbookBytes(book, bytes);
}

// Writes `bytes` to `target` whole or not at all, through the program's one atomic writer:
// a failure leaves the file that was there and nothing beside it.
std::optional<std::string> WriteWhole(const std::string& bytes, const QString& target) {
  const std::string path = QFile::encodeName(target).toStdString();
  const bool existed = QFileInfo::exists(target);
  const FileWrite written = WriteFileWhole(path, [&bytes](std::FILE* file) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  });
  if (written.ok()) return std::nullopt;
  const QString reason = QString::fromLocal8Bit(std::strerror(written.error));
  // Where nothing could be made, the folder is named; else the file.
  if (written.result == FileResult::kCannotCreate && !existed) {
    return Say("Cannot create a file in \"%1\": %2")
        .arg(QFileInfo(target).absolutePath(), reason)
        .toStdString();
  }
  return Say("Cannot write %1: %2").arg(target, reason).toStdString();
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

std::optional<std::string> XlsxSpreadsheet::Show(const Workbook& book) {
  if (std::optional<std::string> problem = WhyCannotShow()) return problem;
  std::string bytes;
  if (std::optional<std::string> problem = MakeBytes(book, &bytes)) return problem;

  if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
    return Say("Cannot create the folder \"%1\" for the workbook").arg(folder_).toStdString();
  }
  // The name is reserved by creating the file, so that no two workbooks share it.
  QTemporaryFile reserved(folder_ + QLatin1Char('/') + FileStem(book) +
                          QStringLiteral("-XXXXXX.xlsx"));
  reserved.setAutoRemove(false);
  if (!reserved.open()) {
    return Say("Cannot create a file in \"%1\": %2")
        .arg(folder_, reserved.errorString())
        .toStdString();
  }
  const QString path = reserved.fileName();
  reserved.close();
  if (std::optional<std::string> failure = WriteWhole(bytes, path)) {
    QFile::remove(path);
    return failure;
  }
  return opener_.Open(path);
}

std::optional<std::string> XlsxSpreadsheet::Save(const Workbook& book, const std::string& path) {
  std::string bytes;
  if (std::optional<std::string> problem = MakeBytes(book, &bytes)) return problem;
  return WriteWhole(bytes, QFile::decodeName(QByteArray::fromStdString(path)));
}

}  // namespace vantrel
