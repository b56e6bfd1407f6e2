#pragma once
// Tells the main window whether the store's key may have changed since it last
// asked, by the registry's own change notification, so that an idle window does not
// read a long list again and again. Without a notification (the key does not exist
// yet, or the system refuses one) every question is answered "maybe".
#include <windows.h>

#include <string>

namespace vantor {

class StoreWatch {
 public:
  explicit StoreWatch(std::string key_path);  // a key below HKEY_CURRENT_USER
  ~StoreWatch();
  StoreWatch(const StoreWatch&) = delete;
  StoreWatch& operator=(const StoreWatch&) = delete;

  // True when the key changed (or may have) since the last call; watches on afresh
  // before it answers, so that a change made while the caller reads is seen next time.
  bool MayHaveChanged();

 private:
  bool Arm();    // (re)opens the key and asks for the next change; false without a watch
  bool Rearm();  // asks the open key for the next change
  void Close();

  std::string key_path_;
  HKEY key_ = nullptr;
  HANDLE changed_ = nullptr;  // manual-reset event, signalled by the registry
};

}  // namespace vantor
