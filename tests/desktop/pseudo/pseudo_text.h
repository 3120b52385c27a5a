#ifndef VANTREL_TESTS_DESKTOP_PSEUDO_PSEUDO_TEXT_H_
#define VANTREL_TESTS_DESKTOP_PSEUDO_PSEUDO_TEXT_H_

#include <QString>
#include <QStringList>

namespace vantrel::testing {

// The pieces of a shown text that lie outside the pseudo-language's brackets and still say
// something in words: every translated text reads "[Open ~~]", so words outside brackets
// never went through a catalogue. Brackets nest (a translated word put into a translated
// sentence); an opening bracket never closed leaves the rest outside, since such a text was
// cut or glued wrongly. What may stand outside: whitespace and punctuation, numbers, DNA
// and other IDs ("P1", "#12"), file names, key hints ("(F)", "Ctrl+Z"), the names
// Vantrel, Quorvane and Excel, and each language's own name ("Deutsch"), which a language
// choice shows the same in every language. Each piece is one line, trimmed.
QStringList UntranslatedPieces(const QString& text);

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_DESKTOP_PSEUDO_PSEUDO_TEXT_H_
