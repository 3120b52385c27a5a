#include "app/raw_icon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

namespace vantrel {

QIcon RawIcon(const QString& name, std::initializer_list<int> sizes) {
  QIcon icon;
  for (const int size : sizes) {
    const QResource resource(QStringLiteral(":/icons/%1-%2.rgba").arg(name).arg(size));
    const QByteArray pixels = resource.uncompressedData();
    if (pixels.size() != qsizetype{size} * size * 4) continue;
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, size * 4,
                       QImage::Format_RGBA8888_Premultiplied);
    // fromImage copies the pixels, so the buffer may go when this returns.
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace vantrel
