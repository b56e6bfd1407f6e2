// Prints the time to export and import backups of 1,000 and 10,000 entries, each next
// to its floor measured in the same run:
//  - export: writing the same bytes to a file with one plain write;
//  - import: writing the same registry values, once through WriteStoreValue (one open
//    and close of the key per value, as Import does) and once through a single open key.
// Import runs into an empty list (every entry appended) and into the list it came
// from (every entry a duplicate: reading and comparing only).
//   backup_benchmark [repetitions]   (default 3; the best time of each is printed)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "backup.h"
#include "file_io.h"
#include "folder_store.h"
#include "ini.h"
#include "win_registry.h"

namespace {

using Clock = std::chrono::steady_clock;

double BestMs(int repetitions, const std::function<void()>& prepare, const std::function<void()>& run) {
  double best = 1e300;
  for (int i = 0; i < repetitions; ++i) {
    prepare();
    const auto start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

vantor::FolderList MakeList(int count) {
  vantor::FolderList list;
  for (int i = 0; i < count; ++i)
    list.push_back({"Project " + std::to_string(i), "C:\\Users\\someone\\Documents\\Projects\\Project " +
                                                        std::to_string(i) + "\\Sources"});
  return list;
}

void WritePlain(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) std::abort();
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) std::abort();
}

void WriteThroughOneKey(const std::string& key_path, const vantor::FolderList& list) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key_path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
    std::abort();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string n = vantor::AliasValueName(i), p = vantor::PathValueName(i);
    RegSetValueExA(key, n.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(list[i].alias.c_str()),
                   static_cast<DWORD>(list[i].alias.size() + 1));
    RegSetValueExA(key, p.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(list[i].path.c_str()),
                   static_cast<DWORD>(list[i].path.size() + 1));
  }
  RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string backup = std::string(temp) + "vantor-bench-" + std::to_string(GetCurrentProcessId()) + ".vtb";
  const std::string floor_file = backup + ".floor";
  const std::string key_path = "Software\\VantorBench\\" + std::to_string(GetCurrentProcessId());
  vantor::WinRegistry registry;
  const vantor::FolderStore store(registry, key_path);
  auto clear_key = [&] { RegDeleteTreeA(HKEY_CURRENT_USER, key_path.c_str()); };
  auto no_file = [&] { DeleteFileA(backup.c_str()); };

  std::printf("best of %d runs, times in ms\n", repetitions);
  std::printf("%-8s %-40s %10s %10s %8s\n", "entries", "operation", "time", "floor", "ratio");
  for (int count : {1000, 10000}) {
    const vantor::FolderList list = MakeList(count);

    vantor::IniDocument doc;
    vantor::ExportToDocument(list, doc);
    const std::string bytes = doc.Serialize();
    const double export_ms = BestMs(repetitions, no_file, [&] { vantor::ExportBackupFile(backup, list); });
    const double write_ms = BestMs(repetitions, [] {}, [&] { WritePlain(floor_file, bytes); });
    std::printf("%-8d %-40s %10.2f %10.2f %8.2f\n", count, "export (floor: the same bytes, one write)", export_ms,
                write_ms, export_ms / write_ms);

    vantor::FolderList rows;
    std::size_t appended = 0;
    const double import_ms = BestMs(
        repetitions, [&] { clear_key(); rows.clear(); },
        [&] { appended = vantor::ImportBackupFile(backup, rows, store, [](const vantor::FolderEntry&) {}); });
    const bool imported_all = appended == list.size() && store.ReadFolderList() == list;
    const double store_ms = BestMs(repetitions, clear_key, [&] {
      for (std::size_t i = 0; i < list.size(); ++i) {
        store.WriteStoreValue(vantor::AliasValueName(i), list[i].alias);
        store.WriteStoreValue(vantor::PathValueName(i), list[i].path);
      }
    });
    const double one_key_ms = BestMs(repetitions, clear_key, [&] { WriteThroughOneKey(key_path, list); });
    std::printf("%-8d %-40s %10.2f %10.2f %8.2f %s\n", count, "import (floor: WriteStoreValue per value)", import_ms,
                store_ms, import_ms / store_ms, imported_all ? "" : "MISMATCH");
    std::printf("%-8d %-40s %10.2f %10.2f %8.2f\n", count, "import (floor: one open key)", import_ms, one_key_ms,
                import_ms / one_key_ms);

    std::size_t duplicates_appended = 1;
    const double merge_ms = BestMs(repetitions, [&] { rows = list; }, [&] {
      duplicates_appended = vantor::ImportBackupFile(backup, rows, store, [](const vantor::FolderEntry&) {});
    });
    std::printf("%-8d %-40s %10.2f %10s %8s %s\n", count, "import into the same list (all duplicates)", merge_ms, "-",
                "-", duplicates_appended == 0 ? "" : "MISMATCH");
  }
  clear_key();
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VantorBench");
  DeleteFileA(backup.c_str());
  DeleteFileA(floor_file.c_str());
  return 0;
}
