#pragma once
// TfrmTips: the tip of the day, shown at start while the ShowTips option is on.
#include <memory>
#include <string>
#include <vector>

#include "form.h"
#include "gdi.h"
#include "options.h"

namespace vantor::extras {

// A panel whose controls are placed from its outer corner, bevel included, as the
// dialog's layout gives them.
class LayoutPanel : public ui::Panel {
 public:
  using ui::Panel::Panel;
  POINT Origin() const override { return POINT{0, 0}; }
};

class TfrmTips : public ui::Form {
 public:
  static constexpr int kAlwaysShow = 0;
  static constexpr int kNeverShow = 1;

  // `options` is the manager's one options record, saved to `options_file` when
  // Close is pressed after the choice changed.
  TfrmTips(ui::Form& owner, AppOptions& options, std::string options_file);

  ui::Notebook& Pages() { return Notebook1; }
  ui::ComboBox& Choice() { return cbOption; }
  ui::Button& NextButton() { return bNext; }
  ui::Button& CloseButton() { return bClose; }
  // The labels of page `index`, in their order on the page.
  std::vector<ui::Label*> PageLabels(int index) const;

 protected:
  void FormShow() override;

 private:
  void bNextClick();
  void bCloseClick();
  void AddPages();

  AppOptions& options_;
  std::string options_file_;
  ui::Font heading_font_{"Verdana", -16, true};
  ui::Font tip_font_{"Verdana", -11};
  ui::IconHandle icon_;

  LayoutPanel Panel1{*this, {6, 6, 338, 163}, RGB(255, 255, 255), ui::BevelStyle::kSunken, 2};
  LayoutPanel Panel2{Panel1, {0, 2, 45, 175}, RGB(128, 128, 128), ui::BevelStyle::kSunken};
  ui::Image Image1{Panel2, {7, 32, 32, 32}};
  ui::Label Label4{Panel1, {65, 8, 136, 18}, "Did you know..."};
  LayoutPanel Panel3{Panel1, {45, 35, 300, 2}, GetSysColor(COLOR_GRAYTEXT)};
  ui::Notebook Notebook1{Panel1, {59, 37, 271, 123}, RGB(255, 255, 255)};
  ui::ComboBox cbOption{*this, {8, 177, 166, 21}};
  ui::Button bNext{*this, {188, 175, 73, 25}, "&Next Tip"};
  ui::Button bClose{*this, {272, 175, 73, 25}, "&Close"};
  std::vector<std::vector<std::unique_ptr<ui::Label>>> page_labels_;
};

// The start-up tip: shown modally over `owner` while `options.ShowTips` is true.
void ShowStartupTip(ui::Form& owner, AppOptions& options, const std::string& options_file);

}  // namespace vantor::extras
