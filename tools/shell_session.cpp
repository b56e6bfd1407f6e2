#include "shell_session.h"

#include <shellapi.h>

#include <cstring>
#include <new>
#include <optional>

namespace vantor::host {

ComApartment::ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
ComApartment::~ComApartment() {
  if (SUCCEEDED(result_)) CoUninitialize();
}

CurrentUserOverride::CurrentUserOverride(const std::string& subkey) {
  HKEY root = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &root, nullptr) != ERROR_SUCCESS)
    return;
  if (RegOverridePredefKey(HKEY_CURRENT_USER, root) != ERROR_SUCCESS) {
    RegCloseKey(root);
    return;
  }
  root_ = root;
}

CurrentUserOverride::~CurrentUserOverride() {
  if (!root_) return;
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegCloseKey(root_);
}

namespace {

struct IdList {
  PIDLIST_ABSOLUTE pidl = nullptr;
  IdList() = default;
  IdList(const IdList&) = delete;
  IdList& operator=(const IdList&) = delete;
  ~IdList() { CoTaskMemFree(pidl); }
};

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(wcslen(wide.c_str()));
  return wide;
}

// CF_HDROP only, rendered afresh on every GetData: the names as an ANSI list, or
// an odd object of the given kind.
class DropListDataObject final : public IDataObject {
 public:
  explicit DropListDataObject(std::vector<std::string> paths, std::optional<OddData> odd = std::nullopt)
      : paths_(std::move(paths)), odd_(odd) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *out = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!format || !medium) return E_INVALIDARG;
    if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    switch (odd_.value_or(OddData::kEmptyList)) {
      case OddData::kNoFileList: return DV_E_FORMATETC;
      case OddData::kStreamMedium: return StreamMedium(*medium);
      case OddData::kNullMemory:
        *medium = STGMEDIUM{};
        medium->tymed = TYMED_HGLOBAL;
        return S_OK;
      case OddData::kWideNames: return WideNames(*medium);
      case OddData::kEmptyList: break;
    }
    std::size_t size = sizeof(DROPFILES) + 2;  // the list ends with an empty name
    for (const std::string& path : paths_) size += path.size() + 1;
    HGLOBAL global = GlobalAlloc(GHND, size);
    if (!global) return E_OUTOFMEMORY;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(global));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    char* cursor = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& path : paths_) {
      std::memcpy(cursor, path.c_str(), path.size() + 1);
      cursor += path.size() + 1;
    }
    *cursor = '\0';
    GlobalUnlock(global);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = global;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format && format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~DropListDataObject() = default;

  static HRESULT StreamMedium(STGMEDIUM& medium) {
    IStream* stream = nullptr;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(hr)) return hr;
    medium = STGMEDIUM{};
    medium.tymed = TYMED_ISTREAM;
    medium.pstm = stream;
    return S_OK;
  }

  HRESULT WideNames(STGMEDIUM& medium) const {
    std::wstring names;
    for (const std::string& path : paths_) names += Wide(path) + L'\0';
    names += L'\0';
    const std::size_t size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL global = GlobalAlloc(GHND, size);
    if (!global) return E_OUTOFMEMORY;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(global));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(global);
    medium = STGMEDIUM{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = global;
    return S_OK;
  }

  volatile LONG refs_ = 1;
  std::vector<std::string> paths_;
  std::optional<OddData> odd_;
};

}  // namespace

HRESULT MakeShellDataObject(const std::vector<std::string>& paths, ComPtr<IDataObject>& out) {
  if (paths.empty()) return E_INVALIDARG;
  std::vector<IdList> lists(paths.size());
  std::vector<PCUITEMID_CHILD> children;
  ComPtr<IShellFolder> parent;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    HRESULT hr = SHParseDisplayName(Wide(paths[i]).c_str(), nullptr, &lists[i].pidl, 0, nullptr);
    if (FAILED(hr)) return hr;
    PCUITEMID_CHILD child = nullptr;
    ComPtr<IShellFolder> folder;
    hr = SHBindToParent(lists[i].pidl, IID_IShellFolder, reinterpret_cast<void**>(folder.GetAddressOf()), &child);
    if (FAILED(hr)) return hr;
    if (!parent) parent = folder;
    children.push_back(child);
  }
  return parent->GetUIObjectOf(nullptr, static_cast<UINT>(children.size()), children.data(), IID_IDataObject,
                               nullptr, reinterpret_cast<void**>(out.ReleaseAndGetAddressOf()));
}

HRESULT MakeDropListDataObject(const std::vector<std::string>& paths, ComPtr<IDataObject>& out) {
  auto* object = new (std::nothrow) DropListDataObject(paths);
  if (!object) return E_OUTOFMEMORY;
  out.Attach(object);
  return S_OK;
}

bool ParseOddData(const std::string& text, OddData& out) {
  const std::pair<const char*, OddData> names[] = {{"empty", OddData::kEmptyList},
                                                   {"no-hdrop", OddData::kNoFileList},
                                                   {"stream", OddData::kStreamMedium},
                                                   {"null-memory", OddData::kNullMemory},
                                                   {"wide", OddData::kWideNames}};
  for (const auto& [name, kind] : names)
    if (text == name) {
      out = kind;
      return true;
    }
  return false;
}

HRESULT MakeOddDataObject(OddData kind, const std::vector<std::string>& paths, ComPtr<IDataObject>& out) {
  auto* object = new (std::nothrow) DropListDataObject(kind == OddData::kEmptyList ? std::vector<std::string>() : paths, kind);
  if (!object) return E_OUTOFMEMORY;
  out.Attach(object);
  return S_OK;
}

HRESULT CreateHandler(const CLSID& clsid, ComPtr<IContextMenu>& out) {
  return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu,
                          reinterpret_cast<void**>(out.ReleaseAndGetAddressOf()));
}

std::vector<MenuEntry> ReadMenu(HMENU menu) {
  std::vector<MenuEntry> entries;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    char text[1024] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) continue;
    MenuEntry entry;
    entry.position = position;
    entry.id = info.wID;
    entry.separator = (info.fType & MFT_SEPARATOR) != 0;
    entry.text = entry.separator ? std::string() : std::string(text);
    entry.checked_bitmap = info.hbmpChecked;
    entry.unchecked_bitmap = info.hbmpUnchecked;
    entry.submenu = info.hSubMenu;
    if (info.hSubMenu) entry.children = ReadMenu(info.hSubMenu);
    entries.push_back(std::move(entry));
  }
  return entries;
}

namespace {

void Describe(const std::vector<MenuEntry>& entries, const std::string& indent, std::vector<std::string>& lines) {
  for (const MenuEntry& entry : entries) {
    if (entry.separator) {
      lines.push_back(indent + "sep");
      continue;
    }
    std::string line = indent + (entry.submenu ? std::string("popup") : std::to_string(entry.id)) + " " + entry.text;
    if (entry.checked_bitmap) line += " +bitmap";
    lines.push_back(line);
    if (entry.submenu) Describe(entry.children, indent + "  ", lines);
  }
}

}  // namespace

std::vector<std::string> DescribeMenu(const std::vector<MenuEntry>& entries) {
  std::vector<std::string> lines;
  Describe(entries, "", lines);
  return lines;
}

bool ParseClsid(const std::string& text, CLSID& out) { return SUCCEEDED(CLSIDFromString(Wide(text).c_str(), &out)); }

}  // namespace vantor::host
