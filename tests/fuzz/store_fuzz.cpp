// The store reader over any registry content: values of any type and size, embedded
// NULs, gaps. It returns the complete pairs up to the first gap, or stops with a
// clear error after keeping what came before; it never crashes.
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "errors.h"
#include "folder_store.h"
#include "memory_registry.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Records: [name byte][type byte][length byte][bytes...]; name byte: bit 7 = P/N, low bits = index.
  vantor::MemoryRegistry registry;
  const std::string path = "Software\\Vantor";
  registry.CreateKey(path);
  std::size_t pos = 0;
  while (pos + 3 <= size) {
    const std::uint8_t name = data[pos], type = data[pos + 1], length = data[pos + 2];
    pos += 3;
    const std::size_t take = std::min<std::size_t>(length, size - pos);
    const std::string value_name = std::string(name & 0x80 ? "P" : "N") + std::to_string(name & 0x1F);
    registry.SetRaw(path, value_name,
                    vantor::RegistryValue{static_cast<std::uint32_t>(type % 12),
                                          std::string(reinterpret_cast<const char*>(data + pos), take)});
    pos += take;
  }

  vantor::FolderStore store(registry, path);
  vantor::FolderList list;
  bool failed = false;
  try {
    store.ReadFolderList(list);
  } catch (const vantor::UserError& error) {
    failed = true;
    Check(std::string(error.what()).rfind("Invalid data type for '", 0) == 0);
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    Check(!list[i].alias.empty() && !list[i].path.empty());
    Check(list[i].alias.find('\0') == std::string::npos && list[i].path.find('\0') == std::string::npos);
    const vantor::RegistryValue* alias = registry.Find(path, vantor::AliasValueName(i));
    Check(alias && alias->data.compare(0, list[i].alias.size(), list[i].alias) == 0);
  }
  // The entry after the list is incomplete (or the read failed there).
  if (!failed) {
    std::string next_alias, next_path;
    if (auto* v = registry.Find(path, vantor::AliasValueName(list.size()))) next_alias = v->data.substr(0, v->data.find('\0'));
    if (auto* v = registry.Find(path, vantor::PathValueName(list.size()))) next_path = v->data.substr(0, v->data.find('\0'));
    Check(next_alias.empty() || next_path.empty());
  }
  return 0;
}
