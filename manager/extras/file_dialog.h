#pragma once
// The main window's open and save dialogs: the common file dialog with the title and
// filter a command sets before each use, and the file name chosen last, which the
// dialog offers again at its next use. Everything else keeps the platform's
// defaults: no default extension, the first filter selected, the read-only box
// hidden, resizable, no overwrite prompt of its own, no need for the file to exist.
#include <windows.h>

#include <string>
#include <string_view>

namespace vantor::extras {

// "Description|pattern|Description|pattern" as the dialogs take it: each '|' becomes
// a NUL and the list ends with two NULs.
std::string FilterForDialog(std::string_view filter);

class FileDialog {
 public:
  enum class Kind { kOpen, kSave };
  explicit FileDialog(Kind kind) : kind_(kind) {}
  FileDialog(const FileDialog&) = delete;
  FileDialog& operator=(const FileDialog&) = delete;

  void SetTitle(std::string title) { title_ = std::move(title); }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }

  // Runs the dialog modally over `owner`; false when the user cancels.
  bool Execute(HWND owner);
  const std::string& file_name() const { return file_name_; }

 private:
  Kind kind_;
  std::string title_;
  std::string filter_;
  std::string file_name_;
};

}  // namespace vantor::extras
