#include "tests/desktop/pseudo/known_findings.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace vantrel::testing {

QString StableFinding(const QString& finding) {
  static const QRegularExpression kDigits(QStringLiteral("\\d+"));
  return QString(finding).replace(kDigits, QStringLiteral("N"));
}

void AddFinding(Findings& findings, const QString& finding, const QString& where) {
  QStringList& places = findings[StableFinding(finding)];
  if (!places.contains(where)) places.append(where);
}

std::optional<std::set<QString>> ReadKnownFindings(const QString& path, const QString& section) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  const QString header = QLatin1Char('[') + section + QLatin1Char(']');
  QTextStream in(&file);
  std::set<QString> known;
  bool found = false;
  bool inside = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty()) continue;
    // A section header is a line of one bracketed word; findings never are (brackets are
    // what the walk strips).
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) &&
        !line.contains(QLatin1Char(' '))) {
      inside = line == header;
      found = found || inside;
      continue;
    }
    if (inside) known.insert(line);
  }
  if (!found) return std::nullopt;
  return known;
}

QString CompareWithKnown(const Findings& findings, const std::set<QString>& known) {
  QString report;
  for (const auto& [finding, places] : findings) {
    if (known.count(finding) == 0) {
      report +=
          QStringLiteral("  new: \"%1\"  at %2\n").arg(finding, places.join(QStringLiteral("; ")));
    }
  }
  for (const QString& entry : known) {
    if (findings.count(entry) == 0) {
      report += QStringLiteral("  no longer found, remove it from the list: \"%1\"\n").arg(entry);
    }
  }
  return report;
}

QString ListLines(const Findings& findings) {
  QString lines;
  for (const auto& [finding, places] : findings) lines += finding + QLatin1Char('\n');
  return lines;
}

}  // namespace vantrel::testing
