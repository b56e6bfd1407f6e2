#include "action.h"

namespace vantor::ui {

void Action::SetHint(std::string hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  Changed();
}

void Action::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void Action::Update() {
  if (OnUpdate) OnUpdate(*this);
}

bool Action::Execute() {
  Update();
  if (!enabled_ || !OnExecute) return false;
  OnExecute();
  return true;
}

void Action::Changed() {
  for (auto& listener : listeners_) listener();
}

}  // namespace vantor::ui
