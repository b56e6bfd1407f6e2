#pragma once
#include <stdexcept>
#include <string>

namespace vantor {

// An error meant for the user: its text is shown as it stands
// (the manager's error box, or the result of a shell-extension method).
class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vantor
