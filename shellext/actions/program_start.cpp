#include "program_start.h"

#include <shellapi.h>

#include "errors.h"
#include "shell_path_limit.h"
#include "shell_texts.h"

namespace vantor::shell {

std::string ProgramFolder(const std::string& program_path) {
  std::size_t delimiter = program_path.find_last_of("\\:");
  return delimiter == std::string::npos ? std::string() : program_path.substr(0, delimiter + 1);
}

std::intptr_t RunProgram(HWND owner, const std::string& program_path, const std::string& parameters,
                         ActionEnvironment& env) {
  ProgramStart request;
  request.owner = owner;
  request.verb = "open";
  request.file = program_path;
  request.parameters = parameters;
  request.directory = ProgramFolder(program_path);
  request.show = SW_SHOW;
  // A path the shell cannot take fails as a missing file would.
  const bool fits = ShellCanTakePath(request.file) && ShellCanTakePath(request.directory);
  std::intptr_t result = fits ? env.programs.Start(request) : SE_ERR_FNF;
  if (result <= 32) env.messages.Show(LoadShellText(ShellText::kFailedToRun) + program_path);
  return result;
}

void StartManager(HWND owner, const std::string& parameters, ActionEnvironment& env) {
  std::string manager_path;
  try {
    manager_path = env.store.ReadValue(kSettingValue);
  } catch (const UserError&) {
    // A "Setting" of another type names no program; the manager's next start
    // writes it anew, so the user is asked for just that.
  }
  if (manager_path.empty()) {
    env.messages.Show(LoadShellText(ShellText::kRunManagerOnce));
    return;
  }
  RunProgram(owner, manager_path, parameters, env);
}

}  // namespace vantor::shell
