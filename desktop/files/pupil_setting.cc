#include "desktop/files/pupil_setting.h"

#include <QSettings>

namespace vantrel {
namespace {

constexpr char kPupilKey[] = "notebook/pupil";

QSettings Settings() { return QSettings(QStringLiteral("Vantrel"), QStringLiteral("vantrel")); }

}  // namespace

QString RememberedPupil() { return Settings().value(QLatin1String(kPupilKey)).toString(); }

void RememberPupil(const QString& name) { Settings().setValue(QLatin1String(kPupilKey), name); }

}  // namespace vantrel
