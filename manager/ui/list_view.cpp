#include "list_view.h"

namespace vantor::ui {

ListView::ListView(Container& parent, const Bounds& bounds)
    : Control(parent, WC_LISTVIEWA,
              LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_BORDER, 0,
              bounds, "") {
  ListView_SetExtendedListViewStyle(handle(), LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
  ListView_SetBkColor(handle(), RGB(255, 255, 255));
  ListView_SetTextBkColor(handle(), RGB(255, 255, 255));
  ListView_SetTextColor(handle(), RGB(0, 0, 0));
}

void ListView::AddColumn(const std::string& caption, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = width;
  column.pszText = const_cast<char*>(caption.c_str());
  const int index = Header_GetItemCount(ListView_GetHeader(handle()));
  column.iSubItem = index;
  SendMessageA(handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int ListView::RowCount() const { return ListView_GetItemCount(handle()); }

void ListView::AppendRow(const std::string& caption, const std::string& sub_item) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount();
  item.pszText = const_cast<char*>(caption.c_str());
  const int row = static_cast<int>(SendMessageA(handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  SetRow(row, caption, sub_item);
}

void ListView::SetRow(int row, const std::string& caption, const std::string& sub_item) {
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  item.iSubItem = 1;
  item.pszText = const_cast<char*>(sub_item.c_str());
  SendMessageA(handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListView::DeleteRow(int row) { ListView_DeleteItem(handle(), row); }
void ListView::Clear() { ListView_DeleteAllItems(handle()); }

std::string ListView::ItemText(int row, int column) const {
  std::string buffer(1024, '\0');
  for (;;) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const auto length = static_cast<std::size_t>(
        SendMessageA(handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < buffer.size()) return buffer.substr(0, length);
    buffer.resize(buffer.size() * 4);
  }
}

std::string ListView::Caption(int row) const { return ItemText(row, 0); }
std::string ListView::SubItem(int row) const { return ItemText(row, 1); }

int ListView::SelectedRow() const { return ListView_GetNextItem(handle(), -1, LVNI_SELECTED); }

void ListView::SelectRow(int row) {
  ListView_SetItemState(handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::ClearSelection() { ListView_SetItemState(handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED); }

void ListView::SetHeight(int height) {
  RECT rect;
  GetWindowRect(handle(), &rect);
  MapWindowPoints(nullptr, GetParent(handle()), reinterpret_cast<POINT*>(&rect), 2);
  MoveWindow(handle(), rect.left, rect.top, rect.right - rect.left, height, TRUE);
}

RECT ListView::RowRect(int row) const {
  RECT rect{};
  ListView_GetItemRect(handle(), row, &rect, LVIR_BOUNDS);
  return rect;
}

bool ListView::OnNotify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) &&
          OnSelectItem)
        OnSelectItem(change.iItem, (change.uNewState & LVIS_SELECTED) != 0);
      result = 0;
      return true;
    }
    case NM_CUSTOMDRAW: {
      auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
      if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
      } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        COLORREF colour = RGB(0, 0, 0);
        if (OnCustomDrawItem) OnCustomDrawItem(static_cast<int>(draw.nmcd.dwItemSpec), colour);
        draw.clrText = colour;
        draw.clrTextBk = RGB(255, 255, 255);
        result = CDRF_DODEFAULT;
      } else {
        result = CDRF_DODEFAULT;
      }
      return true;
    }
    case NM_DBLCLK:
      if (OnDblClick) OnDblClick();
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace vantor::ui
