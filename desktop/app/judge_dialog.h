#ifndef VANTREL_DESKTOP_APP_JUDGE_DIALOG_H_
#define VANTREL_DESKTOP_APP_JUDGE_DIALOG_H_

#include <QDialog>
#include <QTimer>

#include "desktop/app/engine_model.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace vantrel {

// "Judge like me": the learner clicks in the user's place, as many clicks as the user
// chose, at the pace chosen (clicks per second), so that the table and the views follow
// each click. All its clicks are one step for undo. Cancel, Escape and closing the dialog
// stop it early, keeping the clicks made; any other action on the engine stops it too.
class JudgeDialog final : public QDialog {
  Q_OBJECT

 public:
  // `model` must outlive the dialog.
  explicit JudgeDialog(EngineModel& model, QWidget* parent = nullptr);
  ~JudgeDialog() override;

  JudgeDialog(const JudgeDialog&) = delete;
  JudgeDialog& operator=(const JudgeDialog&) = delete;

  QSpinBox* clicks_box() const { return clicks_; }
  QSpinBox* pace_box() const { return pace_; }
  QPushButton* play_button() const { return play_; }
  QPushButton* cancel_button() const { return cancel_; }
  QString progress_text() const;
  bool playing() const { return timer_.isActive(); }
  // The learner's clicks made since Play.
  int played() const { return played_; }

 public slots:
  // Starts playing the chosen clicks; nothing without organisms.
  void Play();
  // Cancel and Escape: stops playing, keeping the clicks made, and closes.
  void reject() override;

 signals:
  // Playing ended: all clicks made, cancelled, or stopped by another action.
  void finished_playing(int clicks);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Tick();
  // Playing is over; the dialog's controls are the user's again.
  void Finish();
  void ShowProgress();

  EngineModel& model_;
  QSpinBox* clicks_;
  QSpinBox* pace_;
  QLabel* progress_;
  QPushButton* play_;
  QPushButton* cancel_;
  QTimer timer_;
  int total_ = 0;
  int played_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_JUDGE_DIALOG_H_
