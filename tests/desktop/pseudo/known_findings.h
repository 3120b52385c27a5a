#ifndef VANTREL_TESTS_DESKTOP_PSEUDO_KNOWN_FINDINGS_H_
#define VANTREL_TESTS_DESKTOP_PSEUDO_KNOWN_FINDINGS_H_

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <set>

namespace vantrel::testing {

// What a walk found: each finding (an untranslated text, or "cut off: ..." and
// "overlap: ...") with the places it was found at.
using Findings = std::map<QString, QStringList>;

// `finding` with every number written "N": a clock time, a count or a DNA changes from
// run to run, the words around it do not.
QString StableFinding(const QString& finding);

// Adds `where` to the places of `finding` (as StableFinding writes it).
void AddFinding(Findings& findings, const QString& finding, const QString& where);

// The findings still allowed in one section ("[desktop]", "[page]") of the list file:
// one finding a line, empty lines left out; what stands before the first section is a
// comment. Nothing when the file cannot be read or lacks the section.
std::optional<std::set<QString>> ReadKnownFindings(const QString& path, const QString& section);

// What keeps the list and the walk apart, as a report to print: findings the list lacks
// (each with where it was seen) and entries no walk finds any more, which must go so the
// list only shrinks. Empty when they agree.
QString CompareWithKnown(const Findings& findings, const std::set<QString>& known);

// The findings as the list file holds them, one a line, sorted: to seed or refresh a
// section by hand.
QString ListLines(const Findings& findings);

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_DESKTOP_PSEUDO_KNOWN_FINDINGS_H_
