#ifndef VANTREL_HISTORY_QT_FAMILY_TREE_WINDOW_H_
#define VANTREL_HISTORY_QT_FAMILY_TREE_WINDOW_H_

#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/history.h"
#include "organism/qt/thumbnail_cache.h"

class QLabel;
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

  QSize sizeHint() const override;

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

// The window titled "Family tree": the selected organism (or a dead one clicked in the
// tree) and its ancestors up to kGenerations back, one row of cards per generation.
// Clicking a living ancestor selects its row in the table; clicking a dead one shows it.
// It follows the table's selection and redraws after every step, undo and redo.
class FamilyTreeWindow final : public QWidget, private GridObserver {
  Q_OBJECT

 public:
  static constexpr int kGenerations = 5;

  explicit FamilyTreeWindow(History& history, QWidget* parent = nullptr);
  ~FamilyTreeWindow() override;

  // Shows the organism with this serial and its ancestors.
  void ShowSerial(std::uint32_t serial);
  std::uint32_t shown() const { return shown_; }
  // The card showing `serial`, or nullptr.
  OrganismCard* Card(std::uint32_t serial) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void GridCellChanged(int col, int row) override;
  void GridReset() override;
  void GridSelectionChanged(int row) override;

  // Shows the organism of the selected row, once the step that changed it has ended.
  void FollowSelectionLater();
  void Rebuild();
  void CardClicked(std::uint32_t serial);

  History& history_;
  // The tree is rebuilt after every step, and most of its organisms are the same as before.
  ThumbnailCache pictures_;
  std::uint32_t shown_ = kNoSerial;
  bool follow_pending_ = false;
  // What the cards were built from: the organism, the record's size and the history's
  // position. While they stay the same (a feed, a click on the same row) nothing is rebuilt.
  struct Built {
    std::uint32_t serial;
    std::uint32_t records;
    int position;
    bool operator==(const Built&) const = default;
  };
  std::optional<Built> built_;
  QVBoxLayout* rows_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_QT_FAMILY_TREE_WINDOW_H_
