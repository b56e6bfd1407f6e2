#include "add_folder.h"

#include "named_store_lock.h"
#include "path_rules.h"
#include "shell_texts.h"

namespace vantor::shell {
namespace {

enum class AddResult { kAdded, kNoKey, kRefused };

// Finds the first free index and writes the entry there, holding the store's lock
// from the first read to the last write so that no other writer takes the same index.
AddResult AppendEntry(const std::string& folder, const FolderStore& store) {
  NamedStoreLock lock(store.key_path());
  StoreLockGuard hold(lock);
  auto key = store.registry().Open(store.key_path(), OpenMode::kCreate);
  if (!key) return AddResult::kNoKey;
  std::size_t free_index = 0;
  while (!ReadStringValue(*key, PathValueName(free_index)).empty()) ++free_index;
  if (!key->WriteString(AliasValueName(free_index), AliasFromPath(folder))) return AddResult::kRefused;
  if (!key->WriteString(PathValueName(free_index), folder)) return AddResult::kRefused;
  return AddResult::kAdded;
}

}  // namespace

void AddSelectedFolder(const std::string& folder, ActionEnvironment& env) {
  if (!IsExistingDirectory(folder)) return;
  // The messages come after the lock and the key are let go: a box waits for the user.
  switch (AppendEntry(folder, env.store)) {
    case AddResult::kNoKey:
      env.messages.Show(LoadShellText(ShellText::kRunManagerOnce));
      return;
    case AddResult::kRefused:
      return;
    case AddResult::kAdded:
      env.messages.Show("\"" + folder + "\"" + LoadShellText(ShellText::kSuccessfullyAdded));
      return;
  }
}

}  // namespace vantor::shell
