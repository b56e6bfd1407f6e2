#pragma once
// Owners for the few Win32 handles the handler creates. Non-copyable, movable.
#include <windows.h>
#include <ole2.h>

#include <utility>

namespace vantor::shell {

class UniqueMenu {
 public:
  UniqueMenu() = default;
  explicit UniqueMenu(HMENU menu) : menu_(menu) {}
  ~UniqueMenu() { reset(); }
  UniqueMenu(const UniqueMenu&) = delete;
  UniqueMenu& operator=(const UniqueMenu&) = delete;
  UniqueMenu(UniqueMenu&& other) noexcept : menu_(other.release()) {}
  UniqueMenu& operator=(UniqueMenu&& other) noexcept {
    if (this != &other) {
      reset();
      menu_ = other.release();
    }
    return *this;
  }
  HMENU get() const { return menu_; }
  HMENU release() { return std::exchange(menu_, nullptr); }
  void reset() {
    if (menu_) DestroyMenu(std::exchange(menu_, nullptr));
  }

 private:
  HMENU menu_ = nullptr;
};

class UniqueRegKey {
 public:
  UniqueRegKey() = default;
  explicit UniqueRegKey(HKEY key) : key_(key) {}
  ~UniqueRegKey() {
    if (key_) RegCloseKey(key_);
  }
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  HKEY get() const { return key_; }
  HKEY* put() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

// Releases a storage medium that GetData filled.
class StgMediumGuard {
 public:
  explicit StgMediumGuard(STGMEDIUM& medium) : medium_(medium) {}
  ~StgMediumGuard() { ReleaseStgMedium(&medium_); }
  StgMediumGuard(const StgMediumGuard&) = delete;
  StgMediumGuard& operator=(const StgMediumGuard&) = delete;

 private:
  STGMEDIUM& medium_;
};

}  // namespace vantor::shell
