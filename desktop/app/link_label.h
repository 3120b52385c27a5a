#ifndef VANTREL_DESKTOP_APP_LINK_LABEL_H_
#define VANTREL_DESKTOP_APP_LINK_LABEL_H_

#include <QLabel>

namespace vantrel {

// A label that reads as a web link (blue, underlined, hand cursor) and reports clicks. Tab
// reaches it, it shows when it has the focus, and Return or Space there count as a click.
class LinkLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_LINK_LABEL_H_
