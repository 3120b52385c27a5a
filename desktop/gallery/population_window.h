#ifndef VANTREL_DESKTOP_GALLERY_POPULATION_WINDOW_H_
#define VANTREL_DESKTOP_GALLERY_POPULATION_WINDOW_H_

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "messages/messages.h"
#include "population/string_grid.h"
#include "storage/file_name_dialog.h"

class QLabel;
class QMenu;
class QSlider;

namespace vantrel {

class PopulationView;

// The "Population" window: the whole table as pictures that follow every change of the
// grid at once. Selecting a picture selects its row through the grid, so every other view
// of the table follows as after a click in the table. Its menus copy and save pictures;
// nothing here changes the table but the selection. Closing the window hides it.
class PopulationWindow final : public QWidget, public GridObserver {
  Q_OBJECT

 public:
  // `grid`, `dialog` and `messages` must outlive the window.
  PopulationWindow(StringGrid& grid, FileNameDialog& dialog, MessageService& messages,
                   QWidget* parent = nullptr);
  ~PopulationWindow() override;

  PopulationWindow(const PopulationWindow&) = delete;
  PopulationWindow& operator=(const PopulationWindow&) = delete;

  // A further tooltip line for a picture, from its DNA; empty adds nothing.
  void SetExtraTooltipLine(std::function<std::string(const std::string& dna)> line);

  // The menu a picture offers, not yet shown: "Copy picture", "Save picture as…",
  // "Save all as one picture…", "Family tree".
  std::unique_ptr<QMenu> ContextMenuFor(int row);
  void CopyPicture(int row);
  void SavePicture(int row);
  void SaveAllPictures();

  PopulationView* view() const { return view_; }
  QSlider* zoom() const { return zoom_; }

  void GridCellChanged(int col, int row) override;
  void GridReset() override;
  void GridSelectionChanged(int row) override;

 signals:
  // The user asked for organism `row`'s family tree.
  void familyTreeRequested(int row);

 private:
  void UpdateCount();

  StringGrid& grid_;
  FileNameDialog& dialog_;
  MessageService& messages_;
  PopulationView* view_;
  QSlider* zoom_;
  QLabel* zoom_label_;
  QLabel* count_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_GALLERY_POPULATION_WINDOW_H_
