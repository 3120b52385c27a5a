#ifndef VANTREL_DESKTOP_GALLERY_POPULATION_WINDOW_H_
#define VANTREL_DESKTOP_GALLERY_POPULATION_WINDOW_H_

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "messages/messages.h"
#include "population/string_grid.h"
#include "storage/file_name_dialog.h"

class QAction;
class QLabel;
class QMenu;
class QSlider;

namespace vantrel {

class PopulationView;

// The "Population" window: the whole table as pictures, which follow each change once it
// is told (Follow). Selecting a picture asks for its row through `select_row` (the
// engine's selection), so every other view of the table follows as after a click in the
// table. Its menus copy and save pictures; nothing here changes the table. Closing the
// window hides it.
class PopulationWindow final : public QWidget {
  Q_OBJECT

 public:
  // `grid`, `dialog` and `messages` must outlive the window.
  PopulationWindow(const StringGrid& grid, std::function<void(int row)> select_row,
                   FileNameDialog& dialog, MessageService& messages, QWidget* parent = nullptr);
  ~PopulationWindow() override;

  PopulationWindow(const PopulationWindow&) = delete;
  PopulationWindow& operator=(const PopulationWindow&) = delete;

  // A further tooltip line for a picture, from its DNA; empty adds nothing.
  void SetExtraTooltipLine(std::function<std::string(const std::string& dna)> line);

  // Each organism's chance of being kept on its picture (PopulationView::SetChanceKept).
  void SetChanceKept(std::function<std::optional<double>(int row)> chance);
  // Further entries of every picture's menu, after its own (the program's, owned by it).
  void AddMenuActions(const QList<QAction*>& actions) { menu_actions_ += actions; }

  // The menu a picture offers, not yet shown: "Copy picture", "Save picture as…",
  // "Save all as one picture…", "Family tree".
  std::unique_ptr<QMenu> ContextMenuFor(int row);
  void CopyPicture(int row);
  void SavePicture(int row);
  void SaveAllPictures();

  PopulationView* view() const { return view_; }
  QSlider* zoom() const { return zoom_; }

  // After an action: the pictures, their number and the frame when `table` changed, else
  // the frame on the selected picture. Once per action.
  void Follow(bool table);

 signals:
  // The user asked for organism `row`'s family tree.
  void familyTreeRequested(int row);

 private:
  void UpdateCount();

  const StringGrid& grid_;
  FileNameDialog& dialog_;
  MessageService& messages_;
  PopulationView* view_;
  QSlider* zoom_;
  QLabel* zoom_label_;
  QLabel* count_;
  QList<QAction*> menu_actions_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_GALLERY_POPULATION_WINDOW_H_
