#include "options_dialog.h"

namespace vantor::extras {

TfrmOptions::TfrmOptions(ui::Form& owner, AppOptions& options, std::string options_file)
    : Form(&owner, ui::FormLayout{"Options", 340, 188, ui::FormPosition::kOwnerCenter}),
      options_(options),
      options_file_(std::move(options_file)) {
  bOK.OnClick = [this] { bOKClick(); };
  FormCreate();
}

void TfrmOptions::TransferOptions(bool from_controls) {
  if (from_controls) {
    options_.ExploreFolder = cbExploreFolder.Checked();
    options_.AskDelete = cbAskDelete.Checked();
    options_.ShowTips = cbShowTips.Checked();
  } else {
    cbExploreFolder.SetChecked(options_.ExploreFolder);
    cbAskDelete.SetChecked(options_.AskDelete);
    cbShowTips.SetChecked(options_.ShowTips);
  }
}

// A failed save leaves the dialog open (the error box has told why): the new values
// already act for this run, and Cancel closes it.
void TfrmOptions::bOKClick() {
  TransferOptions(true);
  LoadSaveOptions(false, options_, options_file_);
  SetModalResult(ui::kModalOk);
}

void ShowOptionsDialog(ui::Form& owner, AppOptions& options, const std::string& options_file) {
  TfrmOptions dialog(owner, options, options_file);
  dialog.ShowModal();
}

}  // namespace vantor::extras
