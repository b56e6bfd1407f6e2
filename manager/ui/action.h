#pragma once
// A command with a caption, a hint and an enabled state. Its update handler sets the
// enabled state (the application runs the updates whenever it goes idle, and before
// every execution); its execute handler runs only while it is enabled. Buttons bound
// to an action show its caption and follow its enabled state.
#include <functional>
#include <string>
#include <vector>

namespace vantor::ui {

class Action {
 public:
  Action(std::string caption, std::string hint = {}) : caption_(std::move(caption)), hint_(std::move(hint)) {}
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;

  std::function<void()> OnExecute;
  std::function<void(Action&)> OnUpdate;

  const std::string& caption() const { return caption_; }
  const std::string& hint() const { return hint_; }
  bool enabled() const { return enabled_; }
  void SetHint(std::string hint);
  void SetEnabled(bool enabled);

  void Update();
  // Updates, then runs the execute handler if enabled; returns whether it ran.
  bool Execute();

  // Called after the caption, hint or enabled state changed (bound controls).
  void Subscribe(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

 private:
  void Changed();
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace vantor::ui
