#ifndef VANTREL_TESTS_DESKTOP_PSEUDO_WIDGET_WALK_H_
#define VANTREL_TESTS_DESKTOP_PSEUDO_WIDGET_WALK_H_

#include <QString>

#include "tests/desktop/pseudo/known_findings.h"

class QWidget;

namespace vantrel::testing {

// Walks what one window shows at this moment and adds to `findings`:
// - every piece of text outside the pseudo-language's brackets (UntranslatedPieces) in its
//   title, the texts of its visible widgets, their tooltips and what a screen reader is
//   told of them, the items and header titles of its item views and combo boxes, its tab
//   titles, a menu's commands and the texts drawn in its graphics scenes (the plots'
//   titles and axes);
// - "cut off: TEXT" for a text wider or taller than the room its widget gives it;
// - "overlap: A / B" for two visible sibling widgets whose rectangles intersect.
// `view` names the window in the places reported ("main window", "notebook: Compare runs").
void WalkWindow(QWidget& window, const QString& view, Findings& findings);
// The same for one text shown where no widget holds it (a tooltip a view draws itself).
void WalkText(const QString& text, const QString& where, Findings& findings);

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_DESKTOP_PSEUDO_WIDGET_WALK_H_
