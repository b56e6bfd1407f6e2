// The server's entry points and the handler's other methods, called as the shell does.
#include <windows.h>

#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "handler_fixture.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(HandlerTest, ClassObjectOnlyForTheHandlersClassId) {
  void* out = reinterpret_cast<void*>(1);
  const CLSID other = {0x3ff0aad4, 0xef61, 0x4409, {0xb4, 0x7c, 0x62, 0xcd, 0x81, 0xa6, 0xd9, 0x03}};
  EXPECT_EQ(server_.GetClassObject(other, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(server_.GetClassObject(kHandlerClsid, IID_IDispatch, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(server_.GetClassObject(kHandlerClsid, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf())),
            S_OK);
  EXPECT_TRUE(factory);
}

TEST_F(HandlerTest, CanUnloadOnlyWithoutObjectsLocksOrFactoryReferences) {
  EXPECT_EQ(server_.CanUnloadNow(), S_OK);
  IClassFactory* factory = nullptr;
  ASSERT_EQ(server_.GetClassObject(kHandlerClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
  IContextMenu* handler = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&handler)), S_OK);
  factory->Release();
  EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);  // the handler is alive
  handler->AddRef();
  handler->Release();
  EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
  handler->Release();
  EXPECT_EQ(server_.CanUnloadNow(), S_OK);

  ASSERT_EQ(server_.GetClassObject(kHandlerClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  factory->LockServer(TRUE);
  factory->Release();
  EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);  // locked
  ASSERT_EQ(server_.GetClassObject(kHandlerClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  factory->LockServer(FALSE);
  factory->Release();
  EXPECT_EQ(server_.CanUnloadNow(), S_OK);
}

TEST_F(HandlerTest, FactoryRefusesAggregationAndUnknownInterfaces) {
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(server_.GetClassObject(kHandlerClsid, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf())),
            S_OK);
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory.Get()), IID_IUnknown, &out),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu2, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  factory.Reset();
  EXPECT_EQ(server_.CanUnloadNow(), S_OK);  // the refused object was freed
}

TEST_F(HandlerTest, InterfaceTableAnswersExactlyItsInterfaces) {
  auto handler = server_.NewHandler();
  struct Case {
    IID iid;
    HRESULT expected;
  };
  const Case cases[] = {{IID_IUnknown, S_OK},         {IID_IContextMenu, S_OK},      {IID_IContextMenu3, S_OK},
                        {IID_IShellExtInit, S_OK},    {IID_ISupportErrorInfo, S_OK}, {IID_IContextMenu2, E_NOINTERFACE},
                        {IID_IDispatch, E_NOINTERFACE}};
  for (const Case& c : cases) {
    IUnknown* out = nullptr;
    EXPECT_EQ(handler->QueryInterface(c.iid, reinterpret_cast<void**>(&out)), c.expected);
    if (out) out->Release();
  }
  ComPtr<IShellExtInit> init;
  ComPtr<IUnknown> from_menu, from_init;
  ASSERT_EQ(handler.As(&init), S_OK);
  handler.As(&from_menu);
  init.As(&from_init);
  EXPECT_EQ(from_menu.Get(), from_init.Get());
}

// A data object that offers no file list (as for items outside the file system).
class NoFileListDataObject final : public IDataObject {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject) ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

TEST_F(HandlerTest, InitializeReportsDataObjectsWithoutNames) {
  auto handler = server_.NewHandler();
  ComPtr<IShellExtInit> init;
  ASSERT_EQ(handler.As(&init), S_OK);
  EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), S_OK);
  ComPtr<IDataObject> empty;
  ASSERT_EQ(host::MakeDropListDataObject({}, empty), S_OK);
  EXPECT_EQ(init->Initialize(nullptr, empty.Get(), nullptr), E_INVALIDARG);
  // A data object without a file list: its failure comes back, the selection stays empty.
  NoFileListDataObject no_files;
  EXPECT_EQ(init->Initialize(nullptr, &no_files, nullptr), DV_E_FORMATETC);
  store_.SetFavourites(1);
  host::PopupMenu menu;
  handler->QueryContextMenu(menu.get(), 0, 100, 0x7FFF, CMF_NORMAL);
  EXPECT_THAT(host::DescribeMenu(host::ReadMenu(menu.get())),
              ElementsAre("sep", "popup Vantor +bitmap", "  101 Fav0 +bitmap", "  sep", "  100 Settings...", "sep"));
}

TEST_F(HandlerTest, PathLongerThanMaxPathArrivesWhole) {
  TempDir dir;
  std::string path = dir.path();
  while (path.size() < 400) {
    path += "\\" + std::string(60, 'd');
    const std::wstring wide = L"\\\\?\\" + std::wstring(path.begin(), path.end());
    ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) << path;
  }
  ASSERT_NE(GetFileAttributesW((L"\\\\?\\" + std::wstring(path.begin(), path.end())).c_str()),
            INVALID_FILE_ATTRIBUTES);
  store_.SetFavourites(1);
  auto handler = server_.NewHandler();
  ComPtr<IShellExtInit> init;
  ASSERT_EQ(handler.As(&init), S_OK);
  ComPtr<IDataObject> data;
  ASSERT_EQ(host::MakeDropListDataObject({path}, data), S_OK);
  ASSERT_EQ(init->Initialize(nullptr, data.Get(), nullptr), S_OK);
  host::PopupMenu menu;
  handler->QueryContextMenu(menu.get(), 0, 100, 0x7FFF, CMF_NORMAL);
  // Only the whole path names an existing folder: the single-folder layout shows it.
  EXPECT_THAT(host::DescribeMenu(host::ReadMenu(menu.get())),
              ElementsAre("sep", "102 Add to Vantor +bitmap", "popup Vantor +bitmap", "  104 Fav0 +bitmap", "  sep",
                          "  103 Settings...", "sep"));
  // Remove the deep folders again (the temp dir's own cleanup may stop at MAX_PATH).
  while (path.size() > dir.path().size()) {
    RemoveDirectoryW((L"\\\\?\\" + std::wstring(path.begin(), path.end())).c_str());
    path.erase(path.rfind('\\'));
  }
}

struct HelpCase {
  const char* name;
  bool one_folder;
  UINT offset;
  std::string text;
};
void PrintTo(const HelpCase& c, std::ostream* out) { *out << c.name; }

class HelpTextTest : public HandlerTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpTextTest, AnsiAndWideGiveTheSameText) {
  store_.SetFavourites(3, "D:\\Work\\");
  TempDir dir;
  auto handler = server_.NewHandler();
  BuildMenu(handler, GetParam().one_folder ? std::vector<std::string>{dir.path()} : std::vector<std::string>{});
  HRESULT a = E_FAIL, w = E_FAIL;
  EXPECT_EQ(HelpTextA(handler, GetParam().offset, 512, &a), GetParam().text);
  EXPECT_EQ(HelpTextW(handler, GetParam().offset, 512, &w), GetParam().text);
  EXPECT_EQ(a, S_OK);
  EXPECT_EQ(w, S_OK);
}

INSTANTIATE_TEST_SUITE_P(
    Help, HelpTextTest,
    ::testing::Values(HelpCase{"background_settings", false, 0, "Open Vantor to set"},
                      HelpCase{"background_fav0", false, 1, "Quick jump to D:\\Work\\F0"},
                      HelpCase{"background_fav2", false, 3, "Quick jump to D:\\Work\\F2"},
                      HelpCase{"background_past_end", false, 9, "Quick jump to "},
                      HelpCase{"folder_add", true, 2, "Add the folder to Vantor"},
                      HelpCase{"folder_settings", true, 3, "Open Vantor to set"},
                      HelpCase{"folder_fav1", true, 5, "Quick jump to D:\\Work\\F1"},
                      HelpCase{"folder_no_item", true, 0, "Quick jump to "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlerTest, HelpTextIsCutToTheBuffer) {
  store_.SetFavourites(1);
  auto handler = server_.NewHandler();
  BuildMenu(handler, {});
  EXPECT_EQ(HelpTextA(handler, 0, 5), "Open");
  EXPECT_EQ(HelpTextW(handler, 0, 5), "Open");
  EXPECT_EQ(HelpTextA(handler, 0, 1), "");
}

TEST_F(HandlerTest, HelpTextOfAPathOfAnotherTypeIsEmpty) {
  store_.SetFavourites(1);
  store_.SetDword("P0", 3);
  auto handler = server_.NewHandler();
  EXPECT_EQ(HelpTextA(handler, 1), "Quick jump to ");
}

TEST_F(HandlerTest, VerbsAndValidationAreRefusedWithTheBufferUntouched) {
  auto handler = server_.NewHandler();
  for (UINT type : {UINT{GCS_VERBA}, UINT{GCS_VERBW}, UINT{GCS_VALIDATEA}, UINT{GCS_VALIDATEW}}) {
    char buffer[16] = "untouched";
    EXPECT_EQ(handler->GetCommandString(0, type, nullptr, buffer, sizeof buffer), E_INVALIDARG) << type;
    EXPECT_STREQ(buffer, "untouched");
  }
}

TEST_F(HandlerTest, InvokeRefusesStringVerbsAndAcceptsEveryOffset) {
  auto handler = server_.NewHandler();
  CMINVOKECOMMANDINFO info = {};
  info.cbSize = sizeof info;
  info.lpVerb = "open";
  EXPECT_EQ(handler->InvokeCommand(&info), E_INVALIDARG);
  EXPECT_EQ(handler->InvokeCommand(nullptr), E_INVALIDARG);
  // Offsets that carry no item (or no favourite in the store) do nothing and succeed.
  store_.CreateKey();
  TempDir dir;
  BuildMenu(handler, {dir.path()});
  for (WORD offset : {0, 1, 50}) {
    info.lpVerb = MAKEINTRESOURCEA(offset);
    EXPECT_EQ(handler->InvokeCommand(&info), S_OK) << offset;
  }
}

TEST_F(HandlerTest, MenuMessagesLeaveTheResultAlone) {
  auto handler = server_.NewHandler();
  ComPtr<IContextMenu3> menu3;
  ASSERT_EQ(handler.As(&menu3), S_OK);
  LRESULT result = 12345;
  EXPECT_EQ(menu3->HandleMenuMsg2(WM_INITMENUPOPUP, 0, 0, &result), S_OK);
  EXPECT_EQ(result, 12345);
  EXPECT_EQ(menu3->HandleMenuMsg(WM_DRAWITEM, 0, 0), S_OK);
}

// Bitmaps: the module loads each picture once and gives them back when unloaded.
std::set<HBITMAP> BitmapsOf(const std::vector<host::MenuEntry>& entries) {
  std::set<HBITMAP> found;
  for (const host::MenuEntry& e : entries) {
    if (e.checked_bitmap) found.insert(e.checked_bitmap);
    if (e.unchecked_bitmap) found.insert(e.unchecked_bitmap);
    auto inner = BitmapsOf(e.children);
    found.insert(inner.begin(), inner.end());
  }
  return found;
}

TEST_F(HandlerTest, ThousandMenusUseThreeBitmapsFreedAtUnload) {
  store_.SetFavourites(5);
  TempDir dir;
  std::set<HBITMAP> seen;
  {
    LoadedServer server;
    for (int i = 0; i < 1000; ++i) {
      auto handler = server.NewHandler();
      BuiltMenu built = BuildMenu(handler, i % 2 ? std::vector<std::string>{dir.path()} : std::vector<std::string>{});
      auto bitmaps = BitmapsOf(built.entries);
      seen.insert(bitmaps.begin(), bitmaps.end());
    }
    EXPECT_EQ(seen.size(), 3u);
    for (HBITMAP bitmap : seen) {
      EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
      BITMAP info = {};
      ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
      EXPECT_EQ(info.bmWidth, 14);
      EXPECT_EQ(info.bmHeight, 14);
    }
  }
  FreeLibrary(server_.module());  // the fixture's own reference: now the module unloads
  for (HBITMAP bitmap : seen) EXPECT_EQ(GetObjectType(bitmap), 0u);
  LoadLibraryA(BuiltDllPath().c_str());  // give the fixture its reference back
}

}  // namespace
}  // namespace vantor::testing
