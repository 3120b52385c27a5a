#include "desktop/ui/form_look.h"

#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr int kFormFontPixels = 13;

// Where the Windows fonts the forms name are missing, Liberation's metric-compatible
// faces take their place, so texts keep the widths the layout was made for.
void RegisterFontStandIns() {
  static const bool kRegistered = [] {
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                              QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    return true;
  }();
  (void)kRegistered;
}

}  // namespace

QFont FormFont(const QString& family) {
  RegisterFontStandIns();
  const QStringList installed = QFontDatabase::families();
  if (!installed.contains(family, Qt::CaseInsensitive)) {
    for (const QString& stand_in : QFont::substitutes(family)) {
      if (installed.contains(stand_in, Qt::CaseInsensitive)) return QFont(stand_in);
    }
  }
  return QFont(family);
}

bool UsesFormGeometry() { return CurrentLanguage() == Language::kEnglish; }

void ApplyFormLook(QWidget& window) {
  QFont form_font = FormFont(QStringLiteral("Arial Narrow"));
  form_font.setPixelSize(kFormFontPixels);
  window.setFont(form_font);
  QPalette palette = window.palette();
  const QColor info_background = palette.color(QPalette::ToolTipBase);
  palette.setColor(QPalette::Window, info_background);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

}  // namespace vantrel
