#pragma once
// The seam between the context menu handler and the commands behind its items.
// InvokeCommand refuses string verbs, decodes the command offset by the layout
// worked out again from the selection list and hands the result to RunCommand.
#include <windows.h>

#include <string>
#include <vector>

#include "menu_layout.h"

namespace vantor::shell {

struct InvokeContext {
  HWND hwnd = nullptr;                  // CMINVOKECOMMANDINFO::hwnd; may be null
  std::vector<std::string> selection;   // full paths the menu was opened on; empty for a background
  HWND menu_host = nullptr;             // the thread's active window when the menu was built; may be null
  std::string store_key_path;           // below HKEY_CURRENT_USER; "Software\\Vantor" in the shell
};

// Carries out the picked command. Never throws; returns S_OK for every command,
// whatever became of it (the shell has nothing to do with a failure).
HRESULT RunCommand(const DecodedCommand& command, const InvokeContext& context) noexcept;

}  // namespace vantor::shell
