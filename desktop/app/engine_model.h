#ifndef VANTREL_DESKTOP_APP_ENGINE_MODEL_H_
#define VANTREL_DESKTOP_APP_ENGINE_MODEL_H_

#include <QObject>

#include "engine/engine.h"

namespace vantrel {

// The engine as the desktop's windows see it: one object whose one signal tells every
// window, once per action, what the action changed. Windows act through the engine and
// refresh from this signal alone; none watches the table itself.
class EngineModel final : public QObject, private EngineObserver {
  Q_OBJECT

 public:
  explicit EngineModel(Engine& engine, QObject* parent = nullptr);
  ~EngineModel() override;

  EngineModel(const EngineModel&) = delete;
  EngineModel& operator=(const EngineModel&) = delete;

  Engine& engine() { return engine_; }

 signals:
  void changed(const vantrel::EngineChange& change);

 private:
  void EngineChanged(const EngineChange& change) override;

  Engine& engine_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_ENGINE_MODEL_H_
