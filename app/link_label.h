#ifndef VANTREL_APP_LINK_LABEL_H_
#define VANTREL_APP_LINK_LABEL_H_

#include <QLabel>

namespace vantrel {

// A label that reads as a web link (blue, underlined, hand cursor) and reports clicks.
class LinkLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vantrel

#endif  // VANTREL_APP_LINK_LABEL_H_
