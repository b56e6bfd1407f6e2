#include "add_item.h"

#include "application.h"
#include "global.h"
#include "path_rules.h"
#include "rirovir_unit.h"
#include "strings.h"

namespace vantor {

TfrmProperty::TfrmProperty(ui::Form& owner, const std::string& alias, const std::string& path,
                           FolderChooser choose_folder)
    : Form(&owner, ui::FormLayout{"Add Item", 305, 153, ui::FormPosition::kOwnerCenter}),
      fbOk(*this, {153, 120, 65, 25}, "&OK", ui::ButtonOptions{false, true, 0}),
      fbCancel(*this, {233, 120, 65, 25}, "&Cancel", ui::ButtonOptions{false, true, ui::kModalCancel}),
      GroupBox1(*this, {8, 8, 291, 100}),
      Label1(GroupBox1, {12, 21, 22, 13}, "Alias"),
      feName(GroupBox1, {46, 19, 203, 19}),
      fePath(GroupBox1, {46, 62, 203, 19}),
      Label2(GroupBox1, {12, 64, 22, 13}, "Path"),
      fsbBrowse(GroupBox1, {257, 61, 22, 22}, "...", ui::ButtonOptions{false, false, 0}),
      choose_folder_(std::move(choose_folder)) {
  fsbBrowse.SetFont(browse_font_);
  feName.SetText(alias);
  fePath.SetText(path);
  fbOk.OnClick = [this] { fbOkClick(); };
  fsbBrowse.OnClick = [this] { fsbBrowseClick(); };
  SetInitialFocus(&feName);
}

TfrmProperty::FolderChooser TfrmProperty::DefaultFolderChooser() {
  return [](const std::string& title, std::string& path) { return BrowseForFolder(title, std::wstring(), path); };
}

void TfrmProperty::fbOkClick() {
  const std::string alias = feName.Text();
  const std::string path = fePath.Text();
  if (alias.empty() || path.empty()) {
    MessageBoxA(GetActiveWindow(), LoadText(IDS_EMPTY_BOX).c_str(), LoadText(IDS_CAPTION).c_str(),
                MB_OK | MB_ICONERROR);
    return;
  }
  if (CheckPath(path)) {
    SetModalResult(ui::kModalOk);
    return;
  }
  ui::Application::Instance().ShowMessageBox(path + "," + LoadText(IDS_PATH_MISSING), LoadText(IDS_CAPTION),
                                             MB_OK | MB_ICONERROR);
  fePath.SetFocus();
}

void TfrmProperty::fsbBrowseClick() {
  std::string path;
  if (!choose_folder_(LoadText(IDS_BROWSE_PROMPT), path)) return;
  fePath.SetText(path);
  feName.SetText(AliasFromPath(path));
}

}  // namespace vantor
