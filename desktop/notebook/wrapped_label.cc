#include "desktop/notebook/wrapped_label.h"

#include <QEvent>

namespace vantrel {

namespace {
// Heights kept per label: enough for the descriptions and verdicts of a converging run.
constexpr std::size_t kRememberedHeights = 256;
}  // namespace

WrappedLabel::WrappedLabel(QWidget* parent) : QLabel(parent), heights_(kRememberedHeights) {}

int WrappedLabel::heightForWidth(int width) const {
  // The width, the text format and the wrap decide the height as much as the text does.
  const QString key = QString::number(width) +
                      QLatin1Char(textFormat() == Qt::RichText ? 'r' : 'p') +
                      QLatin1Char(wordWrap() ? 'w' : 'n') + text();
  if (const int* height = heights_.Find(key)) return *height;
  return heights_.Insert(key, QLabel::heightForWidth(width), 1);
}

void WrappedLabel::changeEvent(QEvent* event) {
  // Another font, style or margin wraps every text differently.
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
    case QEvent::LanguageChange:
      heights_ = LruCache<QString, int>(kRememberedHeights);
      break;
    default:
      break;
  }
  QLabel::changeEvent(event);
}

}  // namespace vantrel
