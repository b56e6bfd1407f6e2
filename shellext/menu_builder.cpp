#include "menu_builder.h"

#include "module.h"
#include "win_handles.h"

namespace vantor::shell {
namespace {

constexpr int kVantorBitmap = 101;
constexpr int kAddBitmap = 102;
constexpr int kFavouriteBitmap = 103;

std::string ItemText(HMENU menu, int position) {
  const int length = GetMenuStringA(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetMenuStringA(menu, static_cast<UINT>(position), text.data(), length + 1, MF_BYPOSITION);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void RemoveStaleItems(HMENU host) {
  for (int position = GetMenuItemCount(host) - 1; position >= 0; --position)
    if (IsStaleVantorItem(ItemText(host, position))) DeleteMenu(host, static_cast<UINT>(position), MF_BYPOSITION);
}

void SetBitmap(HMENU menu, UINT item, UINT by, int bitmap_id) {
  HBITMAP bitmap = module::MenuBitmap(bitmap_id);
  SetMenuItemBitmaps(menu, item, by, bitmap, bitmap);
}

UniqueMenu BuildPopup(UINT settings_id, const std::vector<std::string>& aliases) {
  UniqueMenu popup(CreatePopupMenu());
  if (!popup.get()) return popup;
  UINT position = 0;
  for (const std::string& alias : aliases) {
    const UINT id = settings_id + 1 + position;
    InsertMenuA(popup.get(), position, MF_BYPOSITION | MF_STRING, id, alias.c_str());
    SetBitmap(popup.get(), id, MF_BYCOMMAND, kFavouriteBitmap);
    ++position;
  }
  if (position > 0) InsertMenuA(popup.get(), position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  InsertMenuA(popup.get(), position, MF_BYPOSITION | MF_STRING, settings_id, "Settings...");
  return popup;
}

}  // namespace

void InsertVantorItems(HMENU host, MenuLayout layout, UINT id_first, const std::vector<std::string>& aliases) {
  RemoveStaleItems(host);
  UINT position = 0;
  InsertMenuA(host, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  if (layout == MenuLayout::kSingleFolder) {
    const UINT add_id = id_first + kAddToVantorOffset;
    InsertMenuA(host, position++, MF_BYPOSITION | MF_STRING, add_id, "Add to Vantor");
    SetBitmap(host, add_id, MF_BYCOMMAND, kAddBitmap);
  }
  UniqueMenu popup = BuildPopup(id_first + SettingsOffset(layout), aliases);
  const UINT popup_position = position;
  if (popup.get() && InsertMenuA(host, position, MF_BYPOSITION | MF_POPUP | MF_STRING,
                                 reinterpret_cast<UINT_PTR>(popup.get()), "Vantor")) {
    popup.release();  // the host menu owns it now and destroys it with itself
    SetBitmap(host, popup_position, MF_BYPOSITION, kVantorBitmap);
    ++position;
  }
  InsertMenuA(host, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

}  // namespace vantor::shell
