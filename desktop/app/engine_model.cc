#include "desktop/app/engine_model.h"

namespace vantrel {

EngineModel::EngineModel(Engine& engine, QObject* parent) : QObject(parent), engine_(engine) {
  engine_.AddObserver(this);
}

EngineModel::~EngineModel() { engine_.RemoveObserver(this); }

void EngineModel::EngineChanged(const EngineChange& change) { emit changed(change); }

}  // namespace vantrel
