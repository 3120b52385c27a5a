#ifndef VANTREL_DESKTOP_APP_ORGANISM_VIEW_H_
#define VANTREL_DESKTOP_APP_ORGANISM_VIEW_H_

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

namespace vantrel {

// The drawing area: shows one organism from its DNA, or plain white before the first one.
// The drawing is made into an image once per DNA and put on screen by every paint; the
// organism in words is its tooltip and accessible description, with its chance of being
// kept when that is shown.
class OrganismView final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSize = 350;

  explicit OrganismView(QWidget* parent = nullptr);

  void ShowDna(const std::string& dna);
  // The organism's chance of being kept, as the learner sees it, in the drawing's corner
  // and in its description; nothing hides it.
  void ShowChance(std::optional<double> chance);
  const std::optional<double>& chance() const { return chance_; }
  // The chance as shown ("64% kept"); empty while hidden.
  QString chance_text() const;
  const std::optional<std::string>& dna() const { return dna_; }

 signals:
  // The first paint has put an organism on screen.
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Describe();

  std::optional<std::string> dna_;
  std::optional<double> chance_;
  QImage picture_;  // the drawing of dna_, made on the first paint that needs it
  bool painted_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_ORGANISM_VIEW_H_
