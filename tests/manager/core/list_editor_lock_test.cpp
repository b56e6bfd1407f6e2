// Every command of the list editor holds the store's lock from its first read of
// the store to its last write, and lets it go at the end; so two editors (or an
// editor and another writer) that share the lock never write the same index.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "list_editor.h"
#include "memory_registry.h"

namespace vantor::testing {
namespace {

// The real in-process lock, counting how deep the calling code holds it.
class SpyLock final : public StoreLock {
 public:
  explicit SpyLock(const std::string& name) : inner_(name) {}
  bool Acquire() override {
    const bool had = inner_.Acquire();
    if (had) ++depth_;
    return had;
  }
  void Release() override {
    --depth_;
    inner_.Release();
  }
  int depth() const { return depth_; }

 private:
  InProcessStoreLock inner_;
  int depth_ = 0;
};

// Records, for every read and write of the store, whether the lock was held.
class WatchedRegistry final : public Registry {
 public:
  WatchedRegistry(Registry& inner, const SpyLock& lock) : inner_(inner), lock_(lock) {}
  std::unique_ptr<RegistryKey> Open(const std::string& path, OpenMode mode) override {
    Note("open");
    std::unique_ptr<RegistryKey> key = inner_.Open(path, mode);
    return key ? std::make_unique<Key>(std::move(key), *this) : nullptr;
  }
  // "read N0 held", "set P3 FREE", ...
  const std::vector<std::string>& log() const { return log_; }
  void Clear() { log_.clear(); }

 private:
  class Key final : public RegistryKey {
   public:
    Key(std::unique_ptr<RegistryKey> inner, WatchedRegistry& owner) : inner_(std::move(inner)), owner_(owner) {}
    std::optional<RegistryValue> Read(const std::string& name) override {
      owner_.Note("read " + name);
      return inner_->Read(name);
    }
    bool WriteString(const std::string& name, const std::string& text) override {
      owner_.Note("set " + name);
      return inner_->WriteString(name, text);
    }
    bool DeleteValue(const std::string& name) override {
      owner_.Note("del " + name);
      return inner_->DeleteValue(name);
    }

   private:
    std::unique_ptr<RegistryKey> inner_;
    WatchedRegistry& owner_;
  };
  void Note(const std::string& what) { log_.push_back(what + (lock_.depth() > 0 ? " held" : " FREE")); }

  Registry& inner_;
  const SpyLock& lock_;
  std::vector<std::string> log_;
};

const FolderList kFive = {{"e", "C:\\e"}, {"b", "C:\\b"}, {"d", "C:\\d"}, {"a", "C:\\a"}, {"c", "C:\\c"}};
constexpr const char* kKey = "Software\\VantorLockedEditor";

TEST(ListEditorLock, EveryCommandReadsAndWritesTheStoreOnlyWhileHoldingTheLockAndLetsItGo) {
  struct Case {
    std::string name;
    std::function<void(ListEditor&)> command;
  };
  const std::vector<Case> cases = {
      {"Add", [](ListEditor& e) { e.Add({"f", "C:\\f"}); }},
      {"Edit", [](ListEditor& e) { e.Edit({"x", "C:\\x"}); }},
      {"Delete", [](ListEditor& e) { e.Delete(); }},
      {"Up", [](ListEditor& e) { e.MoveUp(); }},
      {"Down", [](ListEditor& e) { e.MoveDown(); }},
      {"Sort", [](ListEditor& e) { e.Sort(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry memory;
    FolderStore plain(memory, kKey);
    plain.RewriteEntries(0, 4, kFive);
    SpyLock lock(kKey);
    WatchedRegistry watched(memory, lock);
    FolderStore store(watched, kKey);
    ListEditor editor(store, lock);
    editor.AppendFromStore();
    editor.Choose(2);
    // Another writer appends while the editor looks away: the command must see it.
    plain.WriteStoreValue("N5", "g");
    plain.WriteStoreValue("P5", "C:\\g");
    watched.Clear();
    c.command(editor);
    EXPECT_EQ(lock.depth(), 0);
    ASSERT_FALSE(watched.log().empty());
    EXPECT_THAT(watched.log(), ::testing::Each(::testing::EndsWith(" held")));
    EXPECT_THAT(watched.log(), ::testing::Contains(::testing::StartsWith("read P5")));
    EXPECT_EQ(store.ReadFolderList(), editor.rows());
  }
}

// Two editors of one store on two threads, each adding its own entries: with the
// lock between them, nothing is lost and nothing is written twice.
TEST(ListEditorLock, TwoEditorsAddingAtOnceKeepEveryEntry) {
  constexpr int kAdds = 150;
  MemoryRegistry memory;
  FolderStore store(memory, kKey);
  memory.CreateKey(kKey);
  InProcessStoreLock lock_a(kKey), lock_b(kKey);
  ListEditor a(store, lock_a), b(store, lock_b);
  auto adder = [](ListEditor& editor, const std::string& who) {
    for (int i = 0; i < kAdds; ++i) editor.Add({who + std::to_string(i), "C:\\" + who + std::to_string(i)});
  };
  std::thread first(adder, std::ref(a), "a");
  std::thread second(adder, std::ref(b), "b");
  first.join();
  second.join();
  const FolderList stored = store.ReadFolderList();
  ASSERT_EQ(stored.size(), 2u * kAdds);
  EXPECT_EQ(memory.ValueCount(kKey), 4u * kAdds);
  for (const std::string who : {"a", "b"})
    for (int i = 0; i < kAdds; ++i)
      EXPECT_EQ(std::count(stored.begin(), stored.end(),
                           FolderEntry{who + std::to_string(i), "C:\\" + who + std::to_string(i)}),
                1)
          << who << i;
}

}  // namespace
}  // namespace vantor::testing
