// The module's resources as Windows reads them from the built DLL.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include "handler_fixture.h"

namespace vantor::testing {
namespace {

TEST(ShellResources, MenuBitmapsAreFourteenSquareAtTheirColourDepths) {
  LoadedServer server;
  struct Case {
    int id;
    WORD bits;
  };
  for (const Case& c : {Case{101, 24}, Case{102, 24}, Case{103, 4}}) {
    HRSRC found = FindResourceA(server.module(), MAKEINTRESOURCEA(c.id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    ASSERT_TRUE(found) << c.id;
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(server.module(), found)));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->biWidth, 14) << c.id;
    EXPECT_EQ(header->biHeight, 14) << c.id;
    EXPECT_EQ(header->biBitCount, c.bits) << c.id;
  }
}

TEST(ShellResources, StringTableHoldsTheShellExtensionsTexts) {
  LoadedServer server;
  struct Case {
    UINT id;
    const char* text;
  };
  for (const Case& c : {Case{65392, "Failed to run "}, Case{65418, "Please run the Vantor at least once."},
                        Case{65419, " successfully added to your folders list."}, Case{65420, "Add the folder to Vantor"},
                        Case{65421, "Open Vantor to set"}, Case{65422, "Quick jump to "},
                        Case{65423, " does not exist."}}) {
    char text[128] = {};
    LoadStringA(server.module(), c.id, text, sizeof text);
    EXPECT_STREQ(text, c.text) << c.id;
  }
}

TEST(ShellResources, IconAndEmptyTypeLibrary) {
  LoadedServer server;
  HANDLE icon = LoadImageA(server.module(), "MAINICON", IMAGE_ICON, 32, 32, 0);
  EXPECT_TRUE(icon);
  if (icon) DestroyIcon(static_cast<HICON>(icon));

  const std::string path = BuiltDllPath();
  const std::wstring wide(path.begin(), path.end());
  ITypeLib* library = nullptr;
  ASSERT_EQ(LoadTypeLibEx(wide.c_str(), REGKIND_NONE, &library), S_OK);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  const GUID expected = {0xe9385696, 0x88b3, 0x46d9, {0xb9, 0xc2, 0x84, 0x05, 0x9a, 0x75, 0xdb, 0xb9}};
  EXPECT_TRUE(IsEqualGUID(attributes->guid, expected));
  EXPECT_EQ(attributes->wMajorVerNum, 1);
  EXPECT_EQ(attributes->wMinorVerNum, 0);
  EXPECT_EQ(attributes->lcid, 0u);
  EXPECT_EQ(attributes->syskind, SYS_WIN32);
  library->ReleaseTLibAttr(attributes);
  BSTR name = nullptr, help = nullptr;
  ASSERT_EQ(library->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
  EXPECT_EQ(std::wstring(name), L"KXShellExt");
  EXPECT_EQ(std::wstring(help), L"KXShellExt Library");
  SysFreeString(name);
  SysFreeString(help);
  EXPECT_EQ(library->GetTypeInfoCount(), 0u);
  library->Release();
}

}  // namespace
}  // namespace vantor::testing
