#pragma once
// TfrmOptions: the three options as check boxes; OK saves them to the options file.
#include <string>

#include "form.h"
#include "group_frame.h"
#include "options.h"

namespace vantor::extras {

class TfrmOptions : public ui::Form {
 public:
  // `options` is the manager's one options record, saved to `options_file` on OK.
  TfrmOptions(ui::Form& owner, AppOptions& options, std::string options_file);

  ui::CheckBox& ExploreFolderBox() { return cbExploreFolder; }
  ui::CheckBox& AskDeleteBox() { return cbAskDelete; }
  ui::CheckBox& ShowTipsBox() { return cbShowTips; }
  ui::Button& OkButton() { return bOK; }
  ui::Button& CancelButton() { return bCancel; }
  GroupFrame& Group() { return GroupBox1; }

 private:
  void FormCreate() { TransferOptions(false); }
  void bOKClick();
  void TransferOptions(bool from_controls);

  AppOptions& options_;
  std::string options_file_;
  GroupFrame GroupBox1{*this, {9, 6, 321, 131}};
  ui::CheckBox cbExploreFolder{GroupBox1, {16, 24, 291, 17}, "Explore folder when opening it in a stand alone window"};
  ui::CheckBox cbAskDelete{GroupBox1, {16, 56, 225, 17}, "Ask before deleting a selected item"};
  ui::CheckBox cbShowTips{GroupBox1, {16, 88, 209, 17}, "Always show tips at startup"};
  ui::Button bOK{*this, {168, 149, 75, 25}, "&OK"};
  ui::Button bCancel{*this, {254, 149, 75, 25}, "&Cancel", ui::ButtonOptions{true, true, ui::kModalCancel}};
};

// ToolButton10Click: the options dialog over `owner`, created and destroyed per use.
void ShowOptionsDialog(ui::Form& owner, AppOptions& options, const std::string& options_file);

}  // namespace vantor::extras
