#pragma once
// The "Add Item" dialog: one folder entry, an alias and a path, typed or browsed.
#include <functional>
#include <string>

#include "control.h"
#include "form.h"

namespace vantor {

class TfrmProperty : public ui::Form {
 public:
  // The folder chooser: true with `path` set when the user chose a folder.
  using FolderChooser = std::function<bool(const std::string& title, std::string& path)>;

  TfrmProperty(ui::Form& owner, const std::string& alias, const std::string& path,
               FolderChooser choose_folder = DefaultFolderChooser());
  ~TfrmProperty() override { DestroyHandle(); }

  void fbOkClick();
  void fsbBrowseClick();
  static FolderChooser DefaultFolderChooser();

  ui::Button fbOk;
  ui::Button fbCancel;
  ui::GroupBox GroupBox1;
  ui::Label Label1;
  ui::Edit feName;
  ui::Edit fePath;
  ui::Label Label2;
  ui::Font browse_font_{"MS Sans Serif", -20, true};
  ui::Button fsbBrowse;

 private:
  FolderChooser choose_folder_;
};

}  // namespace vantor
