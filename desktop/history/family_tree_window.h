#ifndef VANTREL_DESKTOP_HISTORY_FAMILY_TREE_WINDOW_H_
#define VANTREL_DESKTOP_HISTORY_FAMILY_TREE_WINDOW_H_

#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "desktop/organism/thumbnail_cache.h"
#include "history/family_tree_texts.h"
#include "history/history.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace vantrel {

// One organism of the tree: its picture, ID, living or dead, root or not, and its DNA
// digit by digit, marked by where each digit came from.
class OrganismCard final : public QFrame {
  Q_OBJECT

 public:
  // The picture comes from `pictures`, drawn there on first use.
  OrganismCard(const Lineage& lineage, std::uint32_t serial, int picture_size,
               ThumbnailCache& pictures, QWidget* parent = nullptr);

  // The DNA in words, run by run ("4 first parent, 1 mutation, ..."), for screen readers.
  QString DnaDescription() const;

  std::uint32_t serial() const { return serial_; }

  QSize sizeHint() const override;
  // A card never shrinks below what shows its picture, ID and DNA whole: a deep tree
  // scrolls instead.
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void clicked(std::uint32_t serial);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  // Painted in one go rather than built from labels: a tree holds dozens of cards and is
  // built anew after every shot.
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont CaptionFont() const;

  std::uint32_t serial_;
  QPixmap picture_;
  QString caption_;
  QString dna_;
  std::vector<DigitOrigin> origins_;
  QString details_;  // only for the organism the tree is about
  QFont dna_font_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  bool root_ = false;
};

// The cards of a tree with a line from each child to each of its parents shown, in the
// colour and stroke the digits of that parent have.
class TreeCanvas final : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // A line from `child` to its parent `parent`; `first` for the first parent.
  struct Link {
    QPointer<OrganismCard> child;
    QPointer<OrganismCard> parent;
    bool first;
  };
  void SetLinks(std::vector<Link> links);
  const std::vector<Link>& links() const { return links_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Link> links_;
};

// The window titled "Family tree": the selected organism (or a dead one clicked in the
// tree) and its ancestors up to kGenerations back, one row of cards per generation, with
// lines from each child to its parents; it scrolls when they do not fit. Clicking a living
// ancestor asks for its row through `select_row` (the engine's selection); clicking a dead
// one shows it, and "Back" returns to the tree shown before. It follows the table's
// selection when told (Follow), once after every action.
class FamilyTreeWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kGenerations = kTreeGenerations;
  // The least size at which a tree can be read, legend and a row of cards in sight.
  static constexpr QSize kReadableSize{600, 500};

  FamilyTreeWindow(History& history, std::function<void(int row)> select_row,
                   QWidget* parent = nullptr);
  ~FamilyTreeWindow() override;

  // Shows the organism with this serial and its ancestors.
  void ShowSerial(std::uint32_t serial);
  std::uint32_t shown() const { return shown_; }
  // The card showing `serial`, or nullptr.
  OrganismCard* Card(std::uint32_t serial) const;
  // Back to the tree shown before a dead ancestor's; nothing when there is none.
  void GoBack();

  // After an action: shows the selected row's organism when the window is shown.
  void Follow();

  QPushButton* back_button() const { return back_button_; }
  QScrollArea* scroll_area() const { return scroll_; }
  TreeCanvas* canvas() const { return canvas_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Shows the selected row's organism; the trees shown before are forgotten.
  void FollowSelection();
  void Rebuild();
  void CardClicked(std::uint32_t serial);

  History& history_;
  std::function<void(int row)> select_row_;
  // The tree is rebuilt after every step, and most of its organisms are the same as before.
  ThumbnailCache pictures_;
  std::uint32_t shown_ = kNoSerial;
  // What the cards were built from: the organism, the record's size and the history's
  // position. While they stay the same (a feed, a click on the same row) nothing is rebuilt.
  struct Built {
    std::uint32_t serial;
    std::uint32_t records;
    int position;
    bool operator==(const Built&) const = default;
  };
  std::optional<Built> built_;
  // The trees shown before each dead ancestor's, the latest last.
  std::vector<std::uint32_t> back_;
  QPushButton* back_button_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  TreeCanvas* canvas_ = nullptr;
  QVBoxLayout* rows_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_HISTORY_FAMILY_TREE_WINDOW_H_
