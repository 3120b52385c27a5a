#include "desktop/notebook/class_results_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

#include "desktop/notebook/stable_distribution_view.h"
#include "lab/condition_comparison.h"
#include "storage/atomic_file.h"

namespace vantrel {
namespace {

// At most one byte past the limit is read, so that a huge file costs nothing and is still
// named as too large by the pooling.
RunsFile ReadRunsFile(const std::string& path) {
  RunsFile file{QFile::decodeName(path.c_str()).section(QLatin1Char('/'), -1).toStdString(), {}};
  QFile source(QFile::decodeName(path.c_str()));
  if (source.open(QIODevice::ReadOnly)) {
    file.text = source.read(static_cast<qint64>(kMaxRunsFileBytes) + 1).toStdString();
  }
  return file;
}

QPlainTextEdit* MakeText(const char* name, QWidget* parent) {
  auto* text = new QPlainTextEdit(parent);
  text->setObjectName(QLatin1String(name));
  text->setReadOnly(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed = text->font();
  fixed.setFamily(QStringLiteral("monospace"));
  fixed.setStyleHint(QFont::TypeWriter);
  text->setFont(fixed);
  return text;
}

}  // namespace

ClassResultsWindow::ClassResultsWindow(MessageService& messages, FileNameDialog& files,
                                       Spreadsheet& excel, BusyCursor& busy_cursor, QWidget* parent)
    : QWidget(parent, Qt::Window),
      messages_(messages),
      files_(files),
      excel_(excel),
      busy_cursor_(busy_cursor),
      files_read_(new QLabel(this)),
      summary_(MakeText("txtClassSummary", this)),
      skipped_(MakeText("txtSkipped", this)),
      boxes_(new StableDistributionView(this)) {
  setObjectName(QStringLiteral("frmClassResults"));
  setWindowTitle(tr("Class results"));
  setAcceptDrops(true);
  resize(1100, 720);

  auto* choose = new QPushButton(tr("Choose runs files…"), this);
  choose->setObjectName(QStringLiteral("btnChooseRunsFiles"));
  auto* save_summary = new QPushButton(tr("Save summary"), this);
  save_summary->setObjectName(QStringLiteral("btnSaveSummary"));
  auto* save_runs = new QPushButton(tr("Save pooled runs"), this);
  save_runs->setObjectName(QStringLiteral("btnSavePooledRuns"));
  auto* to_spreadsheet = new QPushButton(tr("To spreadsheet"), this);
  to_spreadsheet->setObjectName(QStringLiteral("btnPooledToSpreadsheet"));
  save_buttons_ = {save_summary, save_runs, to_spreadsheet};
  auto* row = new QHBoxLayout;
  row->addWidget(choose);
  row->addWidget(files_read_, 1);
  for (QPushButton* button : save_buttons_) {
    button->setEnabled(false);
    row->addWidget(button);
  }
  for (QPushButton* button : {choose, save_summary, save_runs, to_spreadsheet}) {
    button->setAutoDefault(false);
  }
  files_read_->setObjectName(QStringLiteral("lblFilesRead"));
  files_read_->setTextFormat(Qt::PlainText);
  files_read_->setText(tr("Choose runs files or drop them here."));

  auto* summary_label = new QLabel(tr("Summary"), this);
  summary_label->setBuddy(summary_);
  summary_->setAccessibleName(tr("Summary"));
  auto* skipped_label = new QLabel(tr("Skipped"), this);
  skipped_label->setBuddy(skipped_);
  skipped_->setAccessibleName(tr("Skipped"));
  skipped_->setMaximumHeight(90);

  auto* left = new QWidget(this);
  auto* left_column = new QVBoxLayout(left);
  left_column->setContentsMargins(0, 0, 0, 0);
  left_column->addWidget(summary_label);
  left_column->addWidget(summary_, 1);
  left_column->addWidget(skipped_label);
  left_column->addWidget(skipped_);
  auto* split = new QSplitter(this);
  split->addWidget(left);
  split->addWidget(boxes_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);

  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(split, 1);

  connect(choose, &QPushButton::clicked, this, &ClassResultsWindow::onChooseFilesClicked);
  connect(save_summary, &QPushButton::clicked, this, &ClassResultsWindow::onSaveSummaryClicked);
  connect(save_runs, &QPushButton::clicked, this, &ClassResultsWindow::onSavePooledRunsClicked);
  connect(to_spreadsheet, &QPushButton::clicked, this, &ClassResultsWindow::onToSpreadsheetClicked);
}

void ClassResultsWindow::OpenFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  std::vector<RunsFile> files;
  files.reserve(paths.size());
  for (const std::string& path : paths) files.push_back(ReadRunsFile(path));
  results_ = PoolRunsFiles(files);
  Show();
}

void ClassResultsWindow::Show() {
  files_read_->setText(tr("Files read: %1").arg(results_.files_read));
  summary_->setPlainText(QString::fromStdString(ClassSummary(results_)));
  QStringList skipped;
  for (const std::string& line : results_.skipped) skipped << QString::fromStdString(line);
  skipped_->setPlainText(skipped.join(QLatin1Char('\n')));
  // The boxes of the class's lesson, the first group.
  if (!results_.groups.empty()) {
    const ClassGroup& group = results_.groups.front();
    std::vector<BatchRun> runs;
    runs.reserve(group.runs.size());
    for (const PooledRun& pooled : group.runs) {
      runs.push_back({pooled.run, pooled.condition, pooled.seed.value_or(0), pooled.strictness});
    }
    boxes_->Show(group.plan, runs, ComparisonLines(group.plan, GroupResults(group)));
  }
  for (QPushButton* button : save_buttons_) button->setEnabled(!results_.groups.empty());
}

void ClassResultsWindow::onChooseFilesClicked() {
  FileQuestion question;
  question.mode = FileQuestion::Mode::kOpen;
  question.title = tr("Choose runs files").toStdString();
  question.filters = {tr("CSV files (%1)").arg(QStringLiteral("*.csv")).toStdString()};
  OpenFiles(files_.AskFileNames(question));
}

void ClassResultsWindow::SaveText(const FileQuestion& question, const std::string& text) {
  const std::optional<std::string> path = files_.AskFileName(question);
  if (!path) return;
  const std::string error = WriteFileAtomically(*path, text);
  if (!error.empty()) messages_.ShowError(ErrorReportText(error));
}

void ClassResultsWindow::onSaveSummaryClicked() {
  FileQuestion question;
  question.mode = FileQuestion::Mode::kSave;
  question.title = tr("Save summary").toStdString();
  question.filters = {tr("Text files (%1)").arg(QStringLiteral("*.txt")).toStdString()};
  question.suffix = "txt";
  question.suggested_name = "class-summary.txt";
  SaveText(question, ClassSummary(results_));
}

void ClassResultsWindow::onSavePooledRunsClicked() {
  FileQuestion question;
  question.mode = FileQuestion::Mode::kSave;
  question.title = tr("Save pooled runs").toStdString();
  question.filters = {tr("CSV files (%1)").arg(QStringLiteral("*.csv")).toStdString()};
  question.suffix = "csv";
  question.suggested_name = "class-runs.csv";
  SaveText(question, PooledRunsCsv(results_));
}

void ClassResultsWindow::onToSpreadsheetClicked() {
  const std::optional<std::string> failure = ShowOrSaveWorkbook(
      PooledRunsWorkbook(results_), excel_, busy_cursor_,
      [this](const std::string& reason) -> std::optional<std::string> {
        if (!messages_.AskYesNo(SaveWorkbookOfferCaption(), SaveWorkbookOfferText(reason))) {
          return std::nullopt;
        }
        return files_.AskFileName(SaveWorkbookQuestion("class-runs.xlsx"));
      });
  if (failure) messages_.ShowError(ErrorReportText(*failure));
}

void ClassResultsWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ClassResultsWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  }
  OpenFiles(paths);
  event->acceptProposedAction();
}

}  // namespace vantrel
