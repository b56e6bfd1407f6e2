#include "program_start.h"

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
  std::intptr_t result = env.programs.Start(request);
  if (result <= 32) env.messages.Show(LoadShellText(ShellText::kFailedToRun) + program_path);
  return result;
}

void StartManager(HWND owner, const std::string& parameters, ActionEnvironment& env) {
  std::string manager_path = env.store.ReadValue(kSettingValue);
  if (manager_path.empty()) {
    env.messages.Show(LoadShellText(ShellText::kRunManagerOnce));
    return;
  }
  RunProgram(owner, manager_path, parameters, env);
}

}  // namespace vantor::shell
