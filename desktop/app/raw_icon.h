#ifndef VANTREL_DESKTOP_APP_RAW_ICON_H_
#define VANTREL_DESKTOP_APP_RAW_ICON_H_

#include <QIcon>
#include <QString>
#include <initializer_list>

namespace vantrel {

// An icon from pictures rendered at build time into raw square RGBA pixels, one resource
// a size: `name` "star" and sizes {32, 64} read ":/icons/star-32.rgba" and
// ":/icons/star-64.rgba". A missing or short resource leaves that size out.
QIcon RawIcon(const QString& name, std::initializer_list<int> sizes);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_RAW_ICON_H_
