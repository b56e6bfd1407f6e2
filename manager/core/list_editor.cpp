#include "list_editor.h"

#include <utility>

#include "alias_order.h"
#include "errors.h"

namespace vantor {

ListEditor::ListEditor(const FolderStore& store)
    : store_(store), own_lock_(std::make_unique<InProcessStoreLock>(store.key_path())), lock_(own_lock_.get()) {}

void ListEditor::Choose(int row) {
  if (row >= 0 && row < row_count()) current_ = row;
}

void ListEditor::AppendFromStore() { store_.ReadFolderList(rows_); }

void ListEditor::Refresh() {
  rows_.clear();
  AppendFromStore();
}

bool ListEditor::SyncWithStore() {
  // A store that cannot be read whole (a value of a wrong type) is left to Refresh
  // to report; the command then works on the rows as they are.
  FolderList stored;
  try {
    store_.ReadFolderList(stored);
  } catch (const UserError&) {
    return false;
  }
  if (stored == rows_) return false;
  rows_ = std::move(stored);
  return true;
}

void ListEditor::Add(const FolderEntry& entry) {
  StoreLockGuard hold(*lock_);
  SyncWithStore();
  rows_.push_back(entry);
  const std::size_t n = rows_.size() - 1;
  store_.WriteStoreValue(AliasValueName(n), rows_[n].alias);
  store_.WriteStoreValue(PathValueName(n), rows_[n].path);
}

bool ListEditor::Edit(const FolderEntry& entry) {
  StoreLockGuard hold(*lock_);
  SyncWithStore();
  if (!CurrentNamesRow()) return false;
  const std::size_t c = static_cast<std::size_t>(current_);
  rows_[c] = entry;
  store_.WriteStoreValue(AliasValueName(c), rows_[c].alias);
  store_.WriteStoreValue(PathValueName(c), rows_[c].path);
  return true;
}

bool ListEditor::Delete() {
  StoreLockGuard hold(*lock_);
  SyncWithStore();
  if (!CurrentNamesRow()) return false;
  const int c = current_;
  rows_.erase(rows_.begin() + c);
  const int n = row_count();
  store_.DeleteEntryValues(static_cast<std::size_t>(n));
  store_.RewriteEntries(c, n - 1, rows_);
  if (c < n) {
    Choose(c);
  } else if (n > 0) {
    Choose(0);
  }
  return true;
}

bool ListEditor::MoveUp() {
  StoreLockGuard hold(*lock_);
  SyncWithStore();
  const int c = current_;
  if (c <= 0 || c >= row_count()) return false;
  std::swap(rows_[c - 1], rows_[c]);
  store_.RewriteEntries(c - 1, c, rows_);
  Choose(c - 1);
  return true;
}

bool ListEditor::MoveDown() {
  StoreLockGuard hold(*lock_);
  SyncWithStore();
  const int c = current_;
  if (c < 0 || c + 1 >= row_count()) return false;
  std::swap(rows_[c], rows_[c + 1]);
  store_.RewriteEntries(c, c + 1, rows_);
  Choose(c + 1);
  return true;
}

void ListEditor::Sort() {
  StoreLockGuard hold(*lock_);
  SyncWithStore();
  SortRows(rows_, sort_ascending_);
  sort_ascending_ = !sort_ascending_;
  store_.RewriteEntries(0, row_count() - 1, rows_);
}

}  // namespace vantor
