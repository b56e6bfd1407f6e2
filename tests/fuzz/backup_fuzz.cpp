// Any backup text imports without crashing, within the entry bound, never bringing
// in an empty alias or path or a second copy of an entry; what Import read exports
// and reads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "backup.h"
#include "errors.h"
#include "ini.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const vantor::FolderList backup = vantor::ReadBackupEntries(vantor::IniDocument::Parse(text));
  Check(backup.size() <= vantor::kMaxBackupEntries);
  for (const auto& entry : backup) Check(!entry.alias.empty() && !entry.path.empty());

  vantor::FolderList list = {{"Windows Directory", "C:\\windows"}, {"C:\\", "C:\\"}};
  std::size_t calls = 0;
  const std::size_t added = vantor::MergeBackupEntries(backup, list, [&calls](std::size_t) { ++calls; });
  Check(added == calls && list.size() == 2 + added);
  for (std::size_t i = 0; i < list.size(); ++i)
    for (std::size_t j = i + 1; j < list.size(); ++j) Check(!(j >= 2 && vantor::IsSameEntry(list[i], list[j])));

  try {
    vantor::CheckExportable(backup);
  } catch (const vantor::UserError&) {
    return 0;  // an entry with a line break cannot be exported
  }
  vantor::IniDocument out;
  vantor::ExportToDocument(backup, out);
  Check(vantor::ReadBackupEntries(vantor::IniDocument::Parse(out.Serialize())) == backup);
  return 0;
}
