#pragma once
// The manager's folder list and its current entry, with the commands that change
// them and the store writes each command makes. The main window shows `rows()` in
// its list view; nothing here needs Windows.
//
// Another process (the shell extension's "Add to Vantor") may append to the store
// while the manager runs. So that no write by index overwrites such an entry, every
// command first takes the store's list when it differs from the rows (keeping the
// current index, as Refresh does), and only then changes and writes, all of it
// while holding the store's lock, so that no other writer comes in between.
#include <memory>
#include <optional>

#include "folder_store.h"
#include "store_lock.h"

namespace vantor {

class ListEditor {
 public:
  static constexpr int kNoEntryChosen = -200;

  // `lock` is the store's lock among processes (the main window passes the named one).
  ListEditor(const FolderStore& store, StoreLock& lock) : store_(store), lock_(&lock) {}
  // Serialises only with the other editors of this process.
  explicit ListEditor(const FolderStore& store);
  ListEditor(const ListEditor&) = delete;
  ListEditor& operator=(const ListEditor&) = delete;

  const FolderList& rows() const { return rows_; }
  int current_index() const { return current_; }
  bool sort_ascending() const { return sort_ascending_; }
  int row_count() const { return static_cast<int>(rows_.size()); }
  // True when the current index names one of the rows.
  bool CurrentNamesRow() const { return current_ >= 0 && current_ < row_count(); }

  // A row chosen as by a click; an index outside the rows changes nothing.
  void Choose(int row);

  // Appends the store's list (the first fill; also the second half of Refresh).
  // A bad value throws UserError; the entries read before it are kept.
  void AppendFromStore();
  void Refresh();
  // Takes the store's list when it differs from the rows; true when it did. A
  // command calls it holding the lock; alone it only reads.
  bool SyncWithStore();

  // Enable rules of the actions.
  bool EditEnabled() const { return current_ != kNoEntryChosen; }  // Edit and Delete
  bool UpEnabled(bool list_visible) const { return list_visible && current_ > 0; }
  bool DownEnabled(bool list_visible) const {
    return list_visible && current_ >= 0 && current_ < row_count() - 1;
  }
  bool SortEnabled(bool list_visible) const { return list_visible && row_count() >= 2; }

  // Each returns false when it did nothing (no row named by the current index).
  void Add(const FolderEntry& entry);
  bool Edit(const FolderEntry& entry);
  bool Delete();
  bool MoveUp();
  bool MoveDown();
  void Sort();

 private:
  const FolderStore& store_;
  std::unique_ptr<StoreLock> own_lock_;
  StoreLock* lock_;
  FolderList rows_;
  int current_ = kNoEntryChosen;
  bool sort_ascending_ = true;
};

}  // namespace vantor
