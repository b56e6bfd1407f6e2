#include "folder_window.h"

#include "errors.h"
#include "file_io.h"
#include "ini.h"
#include "options.h"
#include "shell_path_limit.h"

namespace vantor::shell {

bool ReadExploreFolderOption(const FolderStore& store) {
  std::string manager_path;
  try {
    manager_path = store.ReadValue(kSettingValue);
  } catch (const UserError&) {
    // A "Setting" of another type names no options file: the default applies.
  }
  if (manager_path.empty()) return true;
  std::optional<std::string> content = ReadWholeFile(OptionsFilePath(manager_path));
  if (!content) return true;
  return ReadOptionBool(IniDocument::Parse(*content), "ExploreFolder", true);
}

void OpenFolderWindow(const std::string& path, ActionEnvironment& env) {
  if (!ShellCanTakePath(path)) return;  // no window, as when the shell fails to open one
  ProgramStart request;
  request.verb = ReadExploreFolderOption(env.store) ? "Explore" : "open";
  request.file = path;
  request.show = SW_SHOWDEFAULT;
  env.programs.Start(request);
}

}  // namespace vantor::shell
