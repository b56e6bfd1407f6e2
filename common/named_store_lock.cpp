#include "named_store_lock.h"

#include <cstdint>
#include <cwchar>
#include <vector>

namespace vantor {
namespace {

constexpr wchar_t kPrefix[] = L"Local\\Vantor store ";
constexpr std::size_t kLongestName = 240;  // object names stay well below MAX_PATH

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

// The registry's own name of an open key (such as "\REGISTRY\USER\S-1-5-21-...\Software");
// "" when the system does not tell.
std::wstring KeyName(HKEY key) {
  using QueryKey = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  constexpr int kKeyNameInformation = 3;
  static const auto query = reinterpret_cast<QueryKey>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryKey")));
  if (!query) return std::wstring();
  std::vector<ULONG> buffer(256);  // ULONGs keep the record aligned
  ULONG size = 0;
  LONG status = query(key, kKeyNameInformation, buffer.data(), static_cast<ULONG>(buffer.size() * sizeof(ULONG)), &size);
  if (status < 0 && size > buffer.size() * sizeof(ULONG)) {
    buffer.resize(size / sizeof(ULONG) + 1);
    status = query(key, kKeyNameInformation, buffer.data(), static_cast<ULONG>(buffer.size() * sizeof(ULONG)), &size);
  }
  if (status < 0) return std::wstring();
  const ULONG name_bytes = buffer[0];
  const auto* name = reinterpret_cast<const wchar_t*>(buffer.data() + 1);
  return std::wstring(name, name_bytes / sizeof(wchar_t));
}

// The full name of HKEY_CURRENT_USER\<path>, which follows a redirection of
// HKEY_CURRENT_USER. The system names only keys that exist and not the root's own
// handle, so the name comes from the deepest existing key on the path ("Software"
// at least, in any profile) with the rest of the path appended; nothing is created.
std::wstring FullKeyName(const std::wstring& path) {
  std::wstring existing = path;
  for (;;) {
    while (!existing.empty() && existing.back() == L'\\') existing.pop_back();
    if (existing.empty()) break;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, existing.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
      std::wstring name = KeyName(key);
      RegCloseKey(key);
      if (name.empty()) break;
      return name + path.substr(existing.size());
    }
    const std::size_t slash = existing.find_last_of(L'\\');
    existing.resize(slash == std::wstring::npos ? 0 : slash);
  }
  return L"HKEY_CURRENT_USER\\" + path;
}

std::wstring Hex64(std::uint64_t value) {
  wchar_t text[17];
  std::swprintf(text, 17, L"%016llx", static_cast<unsigned long long>(value));
  return text;
}

}  // namespace

std::wstring StoreLockName(const std::string& key_path) {
  std::wstring name = FullKeyName(Widen(key_path));
  while (!name.empty() && name.back() == L'\\') name.pop_back();
  CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
  for (wchar_t& c : name)
    if (c == L'\\') c = L'/';  // the one character an object name may not hold
  if (name.size() + std::wcslen(kPrefix) > kLongestName) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t c : name) {
      hash ^= static_cast<std::uint16_t>(c);
      hash *= 1099511628211ull;
    }
    name = L"#" + Hex64(hash);
  }
  return kPrefix + name;
}

NamedStoreLock::NamedStoreLock(const std::string& key_path, std::chrono::milliseconds wait)
    : mutex_(CreateMutexW(nullptr, FALSE, StoreLockName(key_path).c_str())),
      wait_ms_(static_cast<DWORD>(wait.count())) {}

NamedStoreLock::~NamedStoreLock() {
  if (mutex_) CloseHandle(mutex_);
}

bool NamedStoreLock::Acquire() {
  if (!mutex_) return false;
  const DWORD result = WaitForSingleObject(mutex_, wait_ms_);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void NamedStoreLock::Release() {
  if (mutex_) ReleaseMutex(mutex_);
}

}  // namespace vantor
