#include "ui/qt/form_look.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace vantrel {

namespace {

constexpr int kFormFontPixels = 13;

// Where the Windows fonts the forms name are missing, Liberation's metric-compatible
// faces take their place, so texts keep the widths the layout was made for.
void RegisterFontStandIns() {
  static const bool registered = [] {
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                              QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    return true;
  }();
  (void)registered;
}

}  // namespace

void ApplyFormLook(QWidget& window) {
  RegisterFontStandIns();
  QFont form_font(QStringLiteral("Arial Narrow"));
  form_font.setPixelSize(kFormFontPixels);
  window.setFont(form_font);
  QPalette palette = window.palette();
  const QColor info_background = palette.color(QPalette::ToolTipBase);
  palette.setColor(QPalette::Window, info_background);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

}  // namespace vantrel
