#include "tips_dialog.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "tip_icon.h"
#include "tip_pages.h"

namespace vantor::extras {
namespace {

// Labels size themselves to their text on one line, as auto-sized labels do, never
// smaller than the layout gives them: a wider substitute font must not wrap or cut it.
void FitToText(ui::Label& label, const ui::Font& font, const ui::Bounds& layout) {
  const std::string text = label.Text();
  HDC dc = GetDC(label.handle());
  SIZE size{};
  {
    ui::Selection use(dc, font.get());
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  }
  ReleaseDC(label.handle(), dc);
  label.SetBounds({layout.left, layout.top, std::max<int>(layout.width, size.cx), std::max<int>(layout.height, size.cy)});
}

}  // namespace

TfrmTips::TfrmTips(ui::Form& owner, AppOptions& options, std::string options_file)
    : Form(&owner, ui::FormLayout{"Vantor Tip of the Day", 352, 206, ui::FormPosition::kScreenCenter}),
      options_(options),
      options_file_(std::move(options_file)),
      icon_(CreateTipIcon()) {
  Image1.SetIcon(icon_.get());
  Label4.SetFont(heading_font_);
  FitToText(Label4, heading_font_, {65, 8, 136, 18});
  cbOption.AddItem("Always show tips at startup");
  cbOption.AddItem("Never show tips at startup");
  AddPages();
  bNext.OnClick = [this] { bNextClick(); };
  bClose.OnClick = [this] { bCloseClick(); };
  SetInitialFocus(&bNext);
}

void TfrmTips::AddPages() {
  for (const TipPage& page : TipPages()) {
    ui::Panel& panel = Notebook1.AddPage(page.name);
    auto& labels = page_labels_.emplace_back();
    for (const TipLine& line : page.lines) {
      // A label as wide as its text, as an auto-sized label is.
      auto label = std::make_unique<ui::Label>(panel, ui::Bounds{line.left, line.top, 0, 0}, line.text, SS_NOPREFIX);
      label->SetFont(tip_font_);
      FitToText(*label, tip_font_, {line.left, line.top, 0, 0});
      labels.push_back(std::move(label));
    }
  }
}

std::vector<ui::Label*> TfrmTips::PageLabels(int index) const {
  std::vector<ui::Label*> labels;
  for (const auto& label : page_labels_.at(static_cast<std::size_t>(index))) labels.push_back(label.get());
  return labels;
}

void TfrmTips::FormShow() {
  cbOption.SetItemIndex(options_.ShowTips ? kAlwaysShow : kNeverShow);
  std::mt19937 random(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  Notebook1.SetPageIndex(static_cast<int>(FirstTipPage(random, static_cast<std::size_t>(Notebook1.PageCount()))));
  bNext.SetFocus();
}

void TfrmTips::bNextClick() {
  Notebook1.SetPageIndex(
      static_cast<int>(NextTipPage(static_cast<std::size_t>(Notebook1.PageIndex()), Notebook1.PageCount())));
}

// The file is written only for a changed choice. A failed save leaves the dialog
// open (the error box has told why) with the option already changed for this run.
void TfrmTips::bCloseClick() {
  const bool wanted = cbOption.ItemIndex() == kAlwaysShow;
  if (wanted != options_.ShowTips) {
    options_.ShowTips = wanted;
    LoadSaveOptions(false, options_, options_file_);
  }
  SetModalResult(ui::kModalOk);
}

void ShowStartupTip(ui::Form& owner, AppOptions& options, const std::string& options_file) {
  if (!options.ShowTips) return;
  TfrmTips dialog(owner, options, options_file);
  dialog.ShowModal();
}

}  // namespace vantor::extras
