#include "module.h"

#include <vector>

namespace vantor::shell::module {
namespace {

HINSTANCE g_instance = nullptr;
volatile LONG g_objects = 0;
volatile LONG g_locks = 0;
volatile LONG g_factory_refs = 0;

constexpr int kFirstBitmapId = 101;
constexpr int kBitmapCount = 3;
// Written once per slot by InterlockedCompareExchangePointer: several apartments
// of one process may build menus at the same time.
void* volatile g_bitmaps[kBitmapCount] = {};

}  // namespace

void SetInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE Instance() { return g_instance; }

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void Lock() { InterlockedIncrement(&g_locks); }
void Unlock() { InterlockedDecrement(&g_locks); }
void FactoryAddRef() { InterlockedIncrement(&g_factory_refs); }
void FactoryRelease() { InterlockedDecrement(&g_factory_refs); }

bool CanUnload() {
  return InterlockedCompareExchange(&g_objects, 0, 0) == 0 && InterlockedCompareExchange(&g_locks, 0, 0) == 0 &&
         InterlockedCompareExchange(&g_factory_refs, 0, 0) == 0;
}

std::string ModulePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(g_instance, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

HBITMAP MenuBitmap(int id) {
  const int slot = id - kFirstBitmapId;
  if (slot < 0 || slot >= kBitmapCount) return nullptr;
  if (void* loaded = g_bitmaps[slot]) return static_cast<HBITMAP>(loaded);
  HANDLE image = LoadImageA(g_instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
  if (!image) return nullptr;
  void* earlier = InterlockedCompareExchangePointer(&g_bitmaps[slot], image, nullptr);
  if (earlier) {  // another thread was quicker: keep its bitmap
    DeleteObject(image);
    return static_cast<HBITMAP>(earlier);
  }
  return static_cast<HBITMAP>(image);
}

void FreeMenuBitmaps() {
  for (void* volatile& slot : g_bitmaps)
    if (void* bitmap = InterlockedExchangePointer(&slot, nullptr)) DeleteObject(static_cast<HGDIOBJ>(bitmap));
}

std::string LoadText(UINT id) {
  // A string resource is stored counted and uncompressed: read it in place in its
  // UTF-16 form and convert, so no length limit applies.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(g_instance, id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

}  // namespace vantor::shell::module
