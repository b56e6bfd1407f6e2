#pragma once
// Carries out a picked menu item: "Settings...", "Add to Vantor" or a favourite.
#include "action_environment.h"
#include "command_dispatch.h"

namespace vantor::shell {

// The desktop's window class: a favourite picked on its background opens in a new window.
inline constexpr const char* kDesktopWindowClass = "Progman";

// May throw (a store value of another type): RunCommand turns that into the end
// of the command.
void RunDecodedCommand(const DecodedCommand& command, const InvokeContext& context, ActionEnvironment& env);

}  // namespace vantor::shell
