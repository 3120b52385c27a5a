#include "desktop/files/qt_file_name_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include "language/dates.h"

namespace vantrel {

namespace {

// The suffix of a filter's first pattern ("png" of "PNG image (*.png)"), empty when it has
// none ("All Files (*)").
QString FilterSuffix(const QString& filter) {
  static const QRegularExpression kFirstPattern(QStringLiteral(R"(\(\*\.(\w+)[ )])"));
  return kFirstPattern.match(filter).captured(1);
}

// Qt's own dialog writes its list's sizes and dates with the system's locale, whatever
// language the program speaks ("10 Dec 2026" under LANG=C in German). This view of its
// list writes its sizes with the program's locale, the default one, as every other number,
// and its dates as the core writes a date in the program's language, as the page does.
class LanguageFileList final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr || role != Qt::DisplayRole) return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    const QLocale locale;
    switch (index.column()) {
      case kSizeColumn:
        if (!files->isDir(file)) return locale.formattedDataSize(files->size(file));
        break;
      case kDateColumn:
        return QString::fromStdString(LocalDateTime(files->lastModified(file).toMSecsSinceEpoch()));
      default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
  }

 private:
  // QFileSystemModel's columns: name, size, type, date modified.
  static constexpr int kSizeColumn = 1;
  static constexpr int kDateColumn = 3;
};

}  // namespace

std::unique_ptr<QFileDialog> QtFileNameDialog::MakeDialog(const FileQuestion& question) const {
  auto dialog = std::make_unique<QFileDialog>(owner_, QString::fromStdString(question.title));
  dialog->setProxyModel(new LanguageFileList(dialog.get()));
  const bool save = question.mode == FileQuestion::Mode::kSave;
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A name to open need not exist: the caller reports a missing file itself.
  dialog->setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const std::string& filter : question.filters) filters << QString::fromStdString(filter);
  dialog->setNameFilters(filters);
  if (!filters.isEmpty()) dialog->selectNameFilter(filters.constFirst());
  const QString suffix = QString::fromStdString(question.suffix);
  if (!suffix.isEmpty()) dialog->setDefaultSuffix(suffix);
  // A name typed without a suffix gets the chosen kind's, or the question's for "All files".
  QFileDialog* shown = dialog.get();
  QObject::connect(shown, &QFileDialog::filterSelected, shown,
                   [shown, suffix](const QString& filter) {
                     const QString chosen = FilterSuffix(filter);
                     shown->setDefaultSuffix(chosen.isEmpty() ? suffix : chosen);
                   });
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !question.confirm_overwrite);
  dialog->setSizeGripEnabled(true);
  QString name = QString::fromStdString(question.suggested_name);
  if (name.isEmpty()) {
    const auto last = last_names_.find(question.title);
    if (last != last_names_.end()) name = last->second;
  }
  if (!last_folder_.isEmpty()) {
    dialog->setDirectory(last_folder_);
    if (!name.isEmpty()) name = QDir(last_folder_).filePath(name);
  }
  if (!name.isEmpty()) dialog->selectFile(name);
  // What the user types replaces the name but keeps its suffix, as desktop dialogs do.
  if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    const qsizetype dot = edit->text().lastIndexOf(QLatin1Char('.'));
    edit->setSelection(0, dot > 0 ? dot : edit->text().size());
  }
  return dialog;
}

std::optional<std::string> QtFileNameDialog::AskFileName(const FileQuestion& question) {
  const std::unique_ptr<QFileDialog> dialog = MakeDialog(question);
  const int answer = dialog->exec();
  for (QCompleter* completer : dialog->findChildren<QCompleter*>()) {
    if (completer->popup() != nullptr) completer->popup()->hide();
  }
  if (answer != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  const QString name = dialog->selectedFiles().constFirst();
  const QFileInfo chosen(name);
  last_names_[question.title] = chosen.fileName();
  last_folder_ = chosen.absolutePath();
  return QFile::encodeName(name).toStdString();
}

std::vector<std::string> QtFileNameDialog::AskFileNames(const FileQuestion& question) {
  const std::unique_ptr<QFileDialog> dialog = MakeDialog(question);
  dialog->setFileMode(QFileDialog::ExistingFiles);
  std::vector<std::string> names;
  if (dialog->exec() != QDialog::Accepted) return names;
  for (const QString& name : dialog->selectedFiles()) {
    const QFileInfo chosen(name);
    last_folder_ = chosen.absolutePath();
    names.push_back(QFile::encodeName(name).toStdString());
  }
  return names;
}

}  // namespace vantrel
