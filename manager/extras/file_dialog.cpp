#include "file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace vantor::extras {

std::string FilterForDialog(std::string_view filter) {
  std::string result(filter);
  for (char& c : result)
    if (c == '|') c = '\0';
  result.append(2, '\0');
  return result;
}

bool FileDialog::Execute(HWND owner) {
  // Room for any path the dialog can return; the last name comes back as the default.
  std::vector<char> buffer(32768, '\0');
  file_name_.copy(buffer.data(), std::min(file_name_.size(), buffer.size() - 1));
  const std::string filter = FilterForDialog(filter_);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  const BOOL chosen = kind_ == Kind::kOpen ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
  if (!chosen) return false;
  file_name_ = buffer.data();
  return true;
}

}  // namespace vantor::extras
