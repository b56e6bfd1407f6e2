// Prints what QueryContextMenu costs per call for 10, 100 and 1,000 favourites next
// to the floor of just reading the same registry values in the same run (under Wine
// each registry call crosses to the Wine server, so the ratio is what counts), and
// how many menu bitmaps are alive after 1,000 menus built and destroyed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "handler_fixture.h"

using namespace vantor::testing;

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Open the store, read `reads` alias values one call each, close: the least any
// menu built from these values can cost.
void ReadFloor(std::size_t reads) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Vantor", 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  char buffer[256];
  for (std::size_t i = 0; i < reads; ++i) {
    DWORD size = sizeof buffer, type = 0;
    RegQueryValueExA(key, ("N" + std::to_string(i)).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  }
  RegCloseKey(key);
}

// The same items put into a menu with no registry access: the menu's own share.
void MenuOnly(std::size_t favourites) {
  vantor::host::PopupMenu host;
  HMENU popup = CreatePopupMenu();
  for (std::size_t i = 0; i < favourites; ++i)
    InsertMenuA(popup, static_cast<UINT>(i), MF_BYPOSITION | MF_STRING, 2 + i, "Favourite");
  InsertMenuA(popup, static_cast<UINT>(favourites), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  InsertMenuA(popup, static_cast<UINT>(favourites + 1), MF_BYPOSITION | MF_STRING, 1, "Settings...");
  InsertMenuA(host.get(), 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  InsertMenuA(host.get(), 1, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), "Vantor");
  InsertMenuA(host.get(), 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

template <typename F>
double MedianSeconds(int repeats, F&& run) {
  std::vector<double> times;
  for (int r = 0; r < repeats; ++r) {
    const double start = Now();
    run();
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double QuerySeconds(const LoadedServer& server, int repeats) {
  std::vector<double> times;
  for (int r = 0; r < repeats; ++r) {
    auto handler = server.NewHandler();
    vantor::host::PopupMenu menu;
    const double start = Now();
    handler->QueryContextMenu(menu.get(), 0, 1, 0x7FFF, CMF_NORMAL);
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void CollectBitmaps(const std::vector<vantor::host::MenuEntry>& entries, std::set<HBITMAP>& found) {
  for (const auto& entry : entries) {
    if (entry.checked_bitmap) found.insert(entry.checked_bitmap);
    CollectBitmaps(entry.children, found);
  }
}

}  // namespace

int main() {
  vantor::host::ComApartment com;
  IsolatedStore store;
  LoadedServer server;
  if (!server.module()) {
    std::printf("cannot load %s\n", BuiltDllPath().c_str());
    return 1;
  }
  std::printf("QueryContextMenu per call (median), background layout, next to reading the same values:\n");
  for (std::size_t favourites : {10, 100, 1000}) {
    store.SetFavourites(favourites);
    // The handler reads up to 99 aliases (what fits into its 100 identifiers) and,
    // with fewer, the missing one after the last.
    const std::size_t reads = std::min<std::size_t>(favourites + 1, 99);
    const int repeats = 101;
    QuerySeconds(server, 5);  // warm up
    const double query = QuerySeconds(server, repeats);
    const double floor = MedianSeconds(repeats, [&] { ReadFloor(reads); });
    const double all = MedianSeconds(repeats, [&] { ReadFloor(favourites + 1); });
    const double menu = MedianSeconds(repeats, [&] { MenuOnly(std::min<std::size_t>(favourites, 99)); });
    std::printf("  %4zu favourites: %8.1f us/call; floor (%zu values) %8.1f us; ratio %.2f; "
                "menu calls alone %6.1f us; reading all %zu: %8.1f us\n",
                favourites, query * 1e6, reads, floor * 1e6, query / floor, menu * 1e6, favourites + 1, all * 1e6);
  }

  store.SetFavourites(5);
  std::set<HBITMAP> seen;
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  for (int i = 0; i < 1000; ++i) {  // background and one-folder menus in turn: all three pictures
    auto handler = server.NewHandler();
    BuiltMenu built = BuildMenu(handler, i % 2 ? std::vector<std::string>{windows} : std::vector<std::string>{});
    CollectBitmaps(built.entries, seen);
  }
  int alive = 0;
  for (HBITMAP bitmap : seen) alive += GetObjectType(bitmap) == OBJ_BITMAP;
  std::printf("after 1000 menus built and destroyed: %zu distinct bitmap handles used, %d alive\n", seen.size(), alive);

  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (GetFileAttributesExA(BuiltDllPath().c_str(), GetFileExInfoStandard, &data))
    std::printf("VTShellExt.dll: %lu bytes\n", static_cast<unsigned long>(data.nFileSizeLow));
  return 0;
}
