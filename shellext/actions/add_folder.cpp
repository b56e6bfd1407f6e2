#include "add_folder.h"

#include "named_store_lock.h"
#include "path_rules.h"
#include "errors.h"
#include "shell_texts.h"

namespace vantor::shell {
namespace {

enum class AddResult { kAdded, kNoKey, kRefused, kBadValue };

// Finds the first free index and writes the entry there, holding the store's lock
// from the first read to the last write so that no other writer takes the same index.
AddResult AppendEntry(const std::string& folder, const FolderStore& store, std::string& bad_value) {
  NamedStoreLock lock(store.key_path());
  StoreLockGuard hold(lock);
  auto key = store.registry().Open(store.key_path(), OpenMode::kCreate);
  if (!key) return AddResult::kNoKey;
  std::size_t free_index = 0;
  try {
    while (!ReadStringValue(*key, PathValueName(free_index)).empty()) ++free_index;
  } catch (const UserError& error) {
    // A path value of another type: writing past it would hide the new entry from
    // every reader, writing over it would lose it. The user is told which value.
    bad_value = error.what();
    return AddResult::kBadValue;
  }
  if (!key->WriteString(AliasValueName(free_index), AliasFromPath(folder))) return AddResult::kRefused;
  if (!key->WriteString(PathValueName(free_index), folder)) return AddResult::kRefused;
  return AddResult::kAdded;
}

}  // namespace

void AddSelectedFolder(const std::string& folder, ActionEnvironment& env) {
  if (!IsExistingDirectory(folder)) return;
  // The messages come after the lock and the key are let go: a box waits for the user.
  std::string bad_value;
  switch (AppendEntry(folder, env.store, bad_value)) {
    case AddResult::kNoKey:
      env.messages.Show(LoadShellText(ShellText::kRunManagerOnce));
      return;
    case AddResult::kRefused:
      return;
    case AddResult::kBadValue:
      env.messages.Show(bad_value);
      return;
    case AddResult::kAdded:
      env.messages.Show("\"" + folder + "\"" + LoadShellText(ShellText::kSuccessfullyAdded));
      return;
  }
}

}  // namespace vantor::shell
