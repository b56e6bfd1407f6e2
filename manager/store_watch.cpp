#include "store_watch.h"

namespace vantor {

StoreWatch::StoreWatch(std::string key_path) : key_path_(std::move(key_path)) {
  changed_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  Arm();
}

StoreWatch::~StoreWatch() {
  Close();
  if (changed_) CloseHandle(changed_);
}

void StoreWatch::Close() {
  if (key_) RegCloseKey(key_);  // also ends the pending notification
  key_ = nullptr;
}

bool StoreWatch::Arm() {
  Close();
  if (!changed_) return false;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key_path_.c_str(), 0, KEY_NOTIFY, &key_) != ERROR_SUCCESS) {
    key_ = nullptr;
    return false;
  }
  if (!Rearm()) {
    Close();
    return false;
  }
  return true;
}

bool StoreWatch::Rearm() {
  ResetEvent(changed_);
  return RegNotifyChangeKeyValue(key_, FALSE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, changed_, TRUE) ==
         ERROR_SUCCESS;
}

bool StoreWatch::MayHaveChanged() {
  if (!key_) {
    Arm();
    return true;
  }
  if (WaitForSingleObject(changed_, 0) == WAIT_TIMEOUT) return false;
  // A key that was deleted (and perhaps made again) refuses a new watch: open it afresh.
  if (!Rearm()) Arm();
  return true;
}

}  // namespace vantor
