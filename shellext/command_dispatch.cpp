// The commands behind the menu items, run against the real registry, shell and
// message boxes.
#include "command_dispatch.h"

#include "action_environment.h"
#include "command_runner.h"
#include "win_ports.h"
#include "win_registry.h"

namespace vantor::shell {

HRESULT RunCommand(const DecodedCommand& command, const InvokeContext& context) noexcept {
  try {
    WinRegistry registry;
    WinVersionSource version;
    ShellProgramStarter programs;
    WinMessageBoxes messages;
    ActionEnvironment env{FolderStore(registry, context.store_key_path), version, programs, messages};
    RunDecodedCommand(command, context, env);
  } catch (...) {
    // A store value of another type or an out-of-memory ends the command; the
    // shell has nothing to do with the failure, so the result stays S_OK.
  }
  return S_OK;
}

}  // namespace vantor::shell
