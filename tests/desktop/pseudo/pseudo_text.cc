#include "tests/desktop/pseudo/pseudo_text.h"

#include <QRegularExpression>

namespace vantrel::testing {

namespace {

// Words that are the same in every language: names, key hints, file names and IDs.
const QRegularExpression& SameInEveryLanguage() {
  static const QRegularExpression kPattern(
      QStringLiteral("\\b(?:Vantrel|Quorvane|Excel)\\b"
                     // Each language by its own name, as a language choice lists them.
                     "|\\b(?:English|Nederlands|Deutsch)\\b"
                     // Key hints: "(F)", "Ctrl+Shift+Z", "Alt+Shift+R", "Esc".
                     "|\\([A-Z]\\)|\\b(?:(?:Ctrl|Alt|Shift)\\+)+[A-Z0-9]\\b|\\bEsc\\b"
                     // File names and paths: "organisms.xlsx", "*.txt", "/tmp/a".
                     "|[\\w*~-]+\\.[a-z][a-z0-9]{1,4}\\b|(?:/[\\w.-]+)+"
                     // IDs: "P1", "#12", a 13-digit DNA.
                     "|\\b[A-Z]{1,2}\\d+\\b|#\\d+"));
  return kPattern;
}

bool SaysSomething(const QString& piece) {
  QString rest = piece;
  rest.remove(SameInEveryLanguage());
  for (const QChar c : rest) {
    if (c.isLetter()) return true;
  }
  return false;
}

void AddPieces(const QString& outside, QStringList& pieces) {
  for (const QString& line : outside.split(QLatin1Char('\n'))) {
    const QString piece = line.trimmed();
    if (SaysSomething(piece)) pieces.append(piece);
  }
}

}  // namespace

QStringList UntranslatedPieces(const QString& text) {
  QStringList pieces;
  QString outside;
  int depth = 0;
  qsizetype opened_at = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('[')) {
      if (depth++ == 0) {
        AddPieces(outside, pieces);
        outside.clear();
        opened_at = i;
      }
    } else if (c == QLatin1Char(']') && depth > 0) {
      --depth;
    } else if (depth == 0) {
      outside.append(c);
    }
  }
  // An unclosed bracket: the text from it on never came whole from a catalogue.
  if (depth > 0) outside.append(text.mid(opened_at));
  AddPieces(outside, pieces);
  return pieces;
}

}  // namespace vantrel::testing
