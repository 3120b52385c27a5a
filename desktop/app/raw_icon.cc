#include "desktop/app/raw_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <map>
#include <vector>

namespace vantrel {

namespace {

// Serves the pictures of one icon, turning each into a pixmap only when it is first asked
// for: a window's icon is never drawn by some platforms, and a button's larger picture only
// on screens of twice the density.
class RawIconEngine final : public QIconEngine {
 public:
  // Each picture is compiled-in memory that stays for the program's lifetime.
  explicit RawIconEngine(std::map<int, QByteArray> pictures) : pictures_(std::move(pictures)) {}

  QIconEngine* clone() const override { return new RawIconEngine(*this); }

  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    QList<QSize> sizes;
    for (const auto& [size, pixels] : pictures_) sizes.append(QSize(size, size));
    return sizes;
  }

  QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    const int side = Best(size);
    return side == 0 ? QSize() : QSize(side, side).scaled(size, Qt::KeepAspectRatio);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const int side = Best(size);
    if (side == 0) return {};
    QPixmap picture = Picture(side);
    if (picture.size() != size) {
      picture = picture.scaled(actualSize(size, mode, state), Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    }
    return mode == QIcon::Normal ? picture : InMode(mode, picture);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
  }

 private:
  // The smallest picture at least as large as `size`, else the largest; 0 when none.
  int Best(const QSize& size) const {
    if (pictures_.empty()) return 0;
    const auto found = pictures_.lower_bound(std::max(size.width(), size.height()));
    return found != pictures_.end() ? found->first : pictures_.rbegin()->first;
  }

  const QPixmap& Picture(int side) {
    QPixmap& made = made_[side];
    if (made.isNull()) {
      const QByteArray& pixels = pictures_.at(side);
      made = QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), side,
                                       side, side * 4, QImage::Format_RGBA8888_Premultiplied));
    }
    return made;
  }

  // The picture greyed out, highlighted..., as the style draws every icon in that mode.
  static QPixmap InMode(QIcon::Mode mode, const QPixmap& picture) {
    QStyleOption option;
    option.palette = QGuiApplication::palette();
    return QApplication::style()->generatedIconPixmap(mode, picture, &option);
  }

  std::map<int, QByteArray> pictures_;
  std::map<int, QPixmap> made_;
};

}  // namespace

QIcon RawIcon(const QString& name, std::initializer_list<int> sizes) {
  std::map<int, QByteArray> pictures;
  for (const int size : sizes) {
    const QResource resource(QStringLiteral(":/icons/%1-%2.rgba").arg(name).arg(size));
    QByteArray pixels = resource.uncompressedData();
    if (pixels.size() == qsizetype{size} * size * 4) pictures.emplace(size, std::move(pixels));
  }
  return pictures.empty() ? QIcon() : QIcon(new RawIconEngine(std::move(pictures)));
}

}  // namespace vantrel
