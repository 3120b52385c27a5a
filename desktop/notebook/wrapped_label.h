#ifndef VANTREL_DESKTOP_NOTEBOOK_WRAPPED_LABEL_H_
#define VANTREL_DESKTOP_NOTEBOOK_WRAPPED_LABEL_H_

#include <QLabel>
#include <QString>

#include "organism/lru_cache.h"

class QEvent;

namespace vantrel {

// A word-wrapped label that remembers its height for a width, per text. The notebook's
// labels change at every click, and each change lays the window out again, asking each
// wrapped label its height: QLabel shapes and wraps the text anew for every such question,
// although the organisms' descriptions and verdicts keep coming back.
class WrappedLabel : public QLabel {
 public:
  explicit WrappedLabel(QWidget* parent = nullptr);

  int heightForWidth(int width) const override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  mutable LruCache<QString, int> heights_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_WRAPPED_LABEL_H_
