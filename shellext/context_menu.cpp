#include "context_menu.h"

#include <algorithm>
#include <new>

#include "command_dispatch.h"
#include "favourites.h"
#include "folder_store.h"
#include "menu_builder.h"
#include "module.h"
#include "path_rules.h"
#include "selection.h"

namespace vantor::shell {
namespace {

constexpr UINT kAddHelpText = 65420;
constexpr UINT kSettingsHelpText = 65421;
constexpr UINT kJumpHelpText = 65422;
constexpr UINT kHelpTextFlag = 0x1;  // GCS_HELPTEXTA and GCS_HELPTEXTW have it

HRESULT Claimed(unsigned count) { return MAKE_HRESULT(SEVERITY_SUCCESS, 0, count); }

// An HRESULT for whatever was thrown; nothing crosses the interface.
HRESULT FromCurrentException() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

bool IsExplorerWindow(HWND active) {
  char name[256] = {};
  return active && GetClassNameA(active, name, sizeof name) > 0 && std::string(name) == "ExploreWClass";
}

std::string HelpText(const DecodedCommand& command, const std::string& key_path) {
  switch (command.item) {
    case CommandItem::kSettings: return module::LoadText(kSettingsHelpText);
    case CommandItem::kAddToVantor: return module::LoadText(kAddHelpText);
    case CommandItem::kFavourite:
      return module::LoadText(kJumpHelpText) + ReadFavouritePath(key_path, command.favourite_number);
    case CommandItem::kNone: break;
  }
  return module::LoadText(kJumpHelpText);
}

}  // namespace

ContextMenu::ContextMenu() : store_key_path_(kStoreKeyPath) { module::ObjectCreated(); }

ContextMenu::~ContextMenu() { module::ObjectDestroyed(); }

HRESULT ContextMenu::QueryInterface(REFIID iid, void** out) noexcept {
  if (!out) return E_POINTER;
  // IContextMenu2 is deliberately refused although IContextMenu3 derives from it.
  if (IsEqualIID(iid, IID_IContextMenu3) || IsEqualIID(iid, IID_IContextMenu) || IsEqualIID(iid, IID_IUnknown)) {
    *out = static_cast<IContextMenu3*>(this);
  } else if (IsEqualIID(iid, IID_IShellExtInit)) {
    *out = static_cast<IShellExtInit*>(this);
  } else if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG ContextMenu::AddRef() noexcept { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ContextMenu::Release() noexcept {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ContextMenu::InterfaceSupportsErrorInfo(REFIID iid) noexcept {
  const bool ours = IsEqualIID(iid, IID_IContextMenu3) || IsEqualIID(iid, IID_IContextMenu) ||
                    IsEqualIID(iid, IID_IShellExtInit);
  return ours ? S_OK : S_FALSE;
}

HRESULT ContextMenu::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) noexcept try {
  if (!data) return S_OK;  // a folder background or the desktop
  return ReadSelection(*data, selection_);
} catch (...) {
  return FromCurrentException();
}

MenuLayout ContextMenu::CurrentLayout() const {
  return ChooseLayout(selection_, [](const std::string& path) { return IsExistingDirectory(path); });
}

HRESULT ContextMenu::QueryContextMenu(HMENU menu, UINT, UINT id_first, UINT id_last, UINT flags) noexcept try {
  if (flags & CMF_DEFAULTONLY) return Claimed(0);
  const HWND active = GetActiveWindow();
  if (flags == CMF_NORMAL && IsExplorerWindow(active)) return Claimed(0);
  if (!menu) return E_INVALIDARG;
  menu_host_ = active;
  return BuildMenu(menu, id_first, id_last);
} catch (...) {
  return FromCurrentException();
}

HRESULT ContextMenu::BuildMenu(HMENU menu, UINT id_first, UINT id_last) {
  const MenuLayout layout = CurrentLayout();
  // At most 100 identifiers, never one past idCmdLast: favourites that do not fit
  // are left out rather than given identifiers the shell did not offer.
  const unsigned usable = UsableIdentifiers(id_first, id_last);
  if (!FixedItemsFit(layout, usable)) return Claimed(0);
  const AliasRead read = ReadMenuAliases(store_key_path_, FavouriteCapacity(layout, usable));
  InsertVantorItems(menu, layout, id_first, read.aliases);
  return Claimed(usable);
}

HRESULT ContextMenu::InvokeCommand(CMINVOKECOMMANDINFO* info) noexcept try {
  if (!info || HIWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) != 0) return E_INVALIDARG;
  const auto offset = static_cast<std::uint16_t>(LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)));
  InvokeContext context;
  context.hwnd = info->hwnd;
  context.selection = selection_;
  context.menu_host = menu_host_;
  context.store_key_path = store_key_path_;
  RunCommand(DecodeCommand(CurrentLayout(), offset), context);
  return S_OK;
} catch (...) {
  return FromCurrentException();
}

HRESULT ContextMenu::GetCommandString(UINT_PTR offset, UINT type, UINT*, CHAR* buffer, UINT size) noexcept try {
  if (!(type & kHelpTextFlag)) return E_INVALIDARG;  // verbs and validation are not answered
  if (offset > 0xFFFF) return E_INVALIDARG;
  if (!buffer) return E_POINTER;
  if (size == 0) return S_OK;
  const int room = static_cast<int>(std::min<UINT>(size, 0x7FFFFFFF));
  const std::string text = HelpText(DecodeCommand(CurrentLayout(), static_cast<std::uint16_t>(offset)), store_key_path_);
  if (type & GCS_UNICODE) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    lstrcpynW(reinterpret_cast<LPWSTR>(buffer), wide.c_str(), room);
  } else {
    lstrcpynA(buffer, text.c_str(), room);
  }
  return S_OK;
} catch (...) {
  return FromCurrentException();
}

HRESULT ContextMenu::HandleMenuMsg(UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  LRESULT ignored = 0;
  return HandleMenuMsg2(message, wparam, lparam, &ignored);
}

HRESULT ContextMenu::HandleMenuMsg2(UINT, WPARAM, LPARAM, LRESULT*) noexcept { return S_OK; }

}  // namespace vantor::shell
