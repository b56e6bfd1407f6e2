#pragma once
// A report-style list view: columns, rows of texts, and events for selection
// changes, per-row custom drawing (text colour) and double clicks.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "control.h"

namespace vantor::ui {

class ListView : public Control {
 public:
  // Single, whole-row selection; header clicks do nothing; no in-place editing;
  // flat scroll bars; no tooltips.
  ListView(Container& parent, const Bounds& bounds);

  void AddColumn(const std::string& caption, int width);
  int RowCount() const;
  void AppendRow(const std::string& caption, const std::string& sub_item);
  void SetRow(int row, const std::string& caption, const std::string& sub_item);
  void DeleteRow(int row);
  void Clear();
  std::string Caption(int row) const;
  std::string SubItem(int row) const;
  int SelectedRow() const;  // -1 when none
  void SelectRow(int row);  // as a click does: selected and focused
  void ClearSelection();
  void SetHeight(int height);
  RECT RowRect(int row) const;

  std::function<void(int row, bool selected)> OnSelectItem;
  // Called before each row is drawn; may change the colour of its text.
  std::function<void(int row, COLORREF& text_colour)> OnCustomDrawItem;
  std::function<void()> OnDblClick;

  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  std::string ItemText(int row, int column) const;
};

}  // namespace vantor::ui
