#include "add_folder.h"

#include "path_rules.h"
#include "shell_texts.h"

namespace vantor::shell {

void AddSelectedFolder(const std::string& folder, ActionEnvironment& env) {
  if (!IsExistingDirectory(folder)) return;
  auto key = env.store.registry().Open(env.store.key_path(), OpenMode::kCreate);
  if (!key) {
    env.messages.Show(LoadShellText(ShellText::kRunManagerOnce));
    return;
  }
  std::size_t free_index = 0;
  while (!ReadStringValue(*key, PathValueName(free_index)).empty()) ++free_index;
  if (!key->WriteString(AliasValueName(free_index), AliasFromPath(folder))) return;
  if (!key->WriteString(PathValueName(free_index), folder)) return;
  key.reset();
  env.messages.Show("\"" + folder + "\"" + LoadShellText(ShellText::kSuccessfullyAdded));
}

}  // namespace vantor::shell
