#include "handler_fixture.h"

#include <atomic>

namespace vantor::testing {

std::string WindowsPath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string BuiltDllPath() { return WindowsPath(VANTOR_SHELLEXT_DLL); }
std::string BuiltHostPath() { return WindowsPath(VANTOR_SHELL_HOST); }

LoadedServer::LoadedServer(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}
LoadedServer::~LoadedServer() {
  if (module_) FreeLibrary(module_);
}

namespace {
template <typename F>
F Entry(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using NoArgumentFn = HRESULT(STDAPICALLTYPE*)();
}  // namespace

HRESULT LoadedServer::GetClassObject(REFCLSID clsid, REFIID iid, void** out) const {
  auto entry = Entry<GetClassObjectFn>(module_, "DllGetClassObject");
  return entry ? entry(clsid, iid, out) : E_NOTIMPL;
}
HRESULT LoadedServer::CanUnloadNow() const {
  auto entry = Entry<NoArgumentFn>(module_, "DllCanUnloadNow");
  return entry ? entry() : E_NOTIMPL;
}
HRESULT LoadedServer::Register() const {
  auto entry = Entry<NoArgumentFn>(module_, "DllRegisterServer");
  return entry ? entry() : E_NOTIMPL;
}
HRESULT LoadedServer::Unregister() const {
  auto entry = Entry<NoArgumentFn>(module_, "DllUnregisterServer");
  return entry ? entry() : E_NOTIMPL;
}

ComPtr<IContextMenu> LoadedServer::NewHandler() const {
  ComPtr<IClassFactory> factory;
  ComPtr<IContextMenu> handler;
  if (SUCCEEDED(GetClassObject(kHandlerClsid, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf()))))
    factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(handler.GetAddressOf()));
  return handler;
}

namespace {
std::string UniqueRoot() {
  static std::atomic<int> counter{0};
  return "Software\\VantorShellTest\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}
constexpr const char* kStore = "Software\\Vantor";
}  // namespace

IsolatedStore::IsolatedStore() : root_(UniqueRoot()) {
  override_ = std::make_unique<host::CurrentUserOverride>(root_);
  if (!override_->active()) ADD_FAILURE() << "cannot redirect HKEY_CURRENT_USER";
}

IsolatedStore::~IsolatedStore() {
  override_.reset();
  RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, root_.c_str());
}

void IsolatedStore::CreateKey() {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kStore, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

bool IsolatedStore::KeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kStore, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void IsolatedStore::SetString(const std::string& name, const std::string& text) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kStore, name.c_str(), REG_SZ, text.c_str(),
                            static_cast<DWORD>(text.size() + 1)),
            ERROR_SUCCESS);
}

void IsolatedStore::SetDword(const std::string& name, DWORD value) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kStore, name.c_str(), REG_DWORD, &value, sizeof value), ERROR_SUCCESS);
}

std::string IsolatedStore::GetString(const std::string& name) {
  char buffer[4096] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(HKEY_CURRENT_USER, kStore, name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return std::string();
  return buffer;
}

void IsolatedStore::SetFavourites(std::size_t count, const std::string& path_prefix) {
  CreateKey();
  for (std::size_t i = 0; i < count; ++i) {
    SetString("N" + std::to_string(i), "Fav" + std::to_string(i));
    SetString("P" + std::to_string(i), path_prefix + "F" + std::to_string(i));
  }
}

BuiltMenu BuildMenu(IContextMenu& handler, const std::vector<std::string>& selection, UINT flags, UINT id_first,
                    UINT id_last, const std::vector<std::string>& host_items) {
  BuiltMenu built;
  ComPtr<IShellExtInit> init;
  if (FAILED(handler.QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(init.GetAddressOf())))) return built;
  ComPtr<IDataObject> data;
  if (!selection.empty() && FAILED(host::MakeShellDataObject(selection, data))) return built;
  if (FAILED(init->Initialize(nullptr, data.Get(), nullptr))) return built;
  host::PopupMenu menu;
  for (const std::string& text : host_items) AppendMenuA(menu.get(), MF_STRING, 1, text.c_str());
  built.result = handler.QueryContextMenu(menu.get(), 0, id_first, id_last, flags);
  built.entries = host::ReadMenu(menu.get());
  built.lines = host::DescribeMenu(built.entries);
  return built;
}

std::string HelpTextA(IContextMenu& handler, UINT offset, UINT size, HRESULT* result) {
  std::vector<char> buffer(size + 1, '\x7f');
  HRESULT hr = handler.GetCommandString(offset, GCS_HELPTEXTA, nullptr, buffer.data(), size);
  if (result) *result = hr;
  buffer.back() = '\0';
  return buffer.data();
}

std::string HelpTextW(IContextMenu& handler, UINT offset, UINT size, HRESULT* result) {
  std::vector<wchar_t> buffer(size + 1, L'\x7f');
  HRESULT hr = handler.GetCommandString(offset, GCS_HELPTEXTW, nullptr, reinterpret_cast<char*>(buffer.data()), size);
  if (result) *result = hr;
  buffer.back() = L'\0';
  std::string text;
  for (const wchar_t* c = buffer.data(); *c; ++c) text += static_cast<char>(*c < 128 ? *c : '?');
  return text;
}

}  // namespace vantor::testing
