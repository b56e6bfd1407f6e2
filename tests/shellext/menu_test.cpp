// The menu the handler builds, read back from a real popup menu.
#include <windows.h>

#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "handler_fixture.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

enum class Selection { kBackground, kOneFolder, kOneFile, kTwoFolders };

struct LayoutCase {
  const char* name;
  Selection selection;
  std::vector<std::string> lines;
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class MenuLayoutTest : public HandlerTest, public ::testing::WithParamInterface<LayoutCase> {};

std::vector<std::string> SelectionFor(Selection selection, const TempDir& dir) {
  const std::string a = dir.File("a"), b = dir.File("b"), file = dir.File("file.txt");
  CreateDirectoryA(a.c_str(), nullptr);
  CreateDirectoryA(b.c_str(), nullptr);
  WriteTextFile(file, "x");
  switch (selection) {
    case Selection::kBackground: return {};
    case Selection::kOneFolder: return {a};
    case Selection::kOneFile: return {file};
    case Selection::kTwoFolders: return {a, b};
  }
  return {};
}

TEST_P(MenuLayoutTest, ItemsIdentifiersAndBitmapsReadBackFromTheMenu) {
  store_.SetFavourites(2);
  TempDir dir;
  auto handler = server_.NewHandler();
  ASSERT_TRUE(handler);
  BuiltMenu built = BuildMenu(handler, SelectionFor(GetParam().selection, dir));
  EXPECT_EQ(built.result, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 100));
  EXPECT_THAT(built.lines, ElementsAreArray(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, MenuLayoutTest,
    ::testing::Values(
        LayoutCase{"background",
                   Selection::kBackground,
                   {"sep", "popup Vantor +bitmap", "  101 Fav0 +bitmap", "  102 Fav1 +bitmap", "  sep",
                    "  100 Settings...", "sep"}},
        LayoutCase{"one_folder",
                   Selection::kOneFolder,
                   {"sep", "102 Add to Vantor +bitmap", "popup Vantor +bitmap", "  104 Fav0 +bitmap",
                    "  105 Fav1 +bitmap", "  sep", "  103 Settings...", "sep"}},
        LayoutCase{"one_file",
                   Selection::kOneFile,
                   {"sep", "popup Vantor +bitmap", "  102 Fav0 +bitmap", "  103 Fav1 +bitmap", "  sep",
                    "  101 Settings...", "sep"}},
        LayoutCase{"two_folders",
                   Selection::kTwoFolders,
                   {"sep", "popup Vantor +bitmap", "  102 Fav0 +bitmap", "  103 Fav1 +bitmap", "  sep",
                    "  101 Settings...", "sep"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlerTest, MissingStoreIsCreatedWithTheTwoDefaultFavourites) {
  ASSERT_FALSE(store_.KeyExists());
  auto handler = server_.NewHandler();
  BuiltMenu built = BuildMenu(handler, {});
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(store_.GetString("N0"), "Windows Directory");
  EXPECT_EQ(store_.GetString("P0"), windows);
  EXPECT_EQ(store_.GetString("N1"), "C:\\");
  EXPECT_EQ(store_.GetString("P1"), "C:\\");
  EXPECT_THAT(built.lines, ElementsAre("sep", "popup Vantor +bitmap", "  101 Windows Directory +bitmap",
                                       "  102 C:\\ +bitmap", "  sep", "  100 Settings...", "sep"));
}

struct StoreCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> values;
  std::vector<std::string> popup;
};
void PrintTo(const StoreCase& c, std::ostream* out) { *out << c.name; }

class StoreContentTest : public HandlerTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(StoreContentTest, PopupListsAliasesUpToTheFirstMissingOrEmptyOne) {
  store_.CreateKey();
  for (const auto& [name, text] : GetParam().values) store_.SetString(name, text);
  auto handler = server_.NewHandler();
  BuiltMenu built = BuildMenu(handler, {});
  ASSERT_EQ(built.entries.size(), 3u);
  EXPECT_THAT(host::DescribeMenu(built.entries[1].children), ElementsAreArray(GetParam().popup));
  EXPECT_FALSE(store_.GetString("N0") == "Windows Directory");  // an existing key gets no defaults
}

INSTANTIATE_TEST_SUITE_P(
    Store, StoreContentTest,
    ::testing::Values(StoreCase{"empty_key", {}, {"100 Settings..."}},
                      StoreCase{"empty_N0", {{"N0", ""}, {"P0", "C:\\"}}, {"100 Settings..."}},
                      StoreCase{"gap_at_2",
                                {{"N0", "A"}, {"N1", "B"}, {"N2", ""}, {"N3", "D"}},
                                {"101 A +bitmap", "102 B +bitmap", "sep", "100 Settings..."}},
                      StoreCase{"path_missing_still_listed", {{"N0", "OnlyAlias"}}, {"101 OnlyAlias +bitmap", "sep",
                                                                                    "100 Settings..."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlerTest, ValueOfAnotherTypeEndsTheListButTheMenuIsBuilt) {
  store_.SetFavourites(1);
  store_.SetDword("N1", 7);
  store_.SetString("N2", "Beyond");
  auto handler = server_.NewHandler();
  BuiltMenu built = BuildMenu(handler, {});
  EXPECT_EQ(built.result, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 100));
  EXPECT_THAT(built.lines, ElementsAre("sep", "popup Vantor +bitmap", "  101 Fav0 +bitmap", "  sep",
                                       "  100 Settings...", "sep"));
}

TEST_F(HandlerTest, StaleVantorItemsAreReplacedAndOthersKept) {
  store_.SetFavourites(1);
  auto handler = server_.NewHandler();
  BuiltMenu built = BuildMenu(handler, {}, CMF_NORMAL, 100, 0x7FFF,
                              {"Open", "Vantor", "Old Vantor thing", "Add to Vantor", "vantor lower case"});
  EXPECT_THAT(built.lines, ElementsAre("sep", "popup Vantor +bitmap", "  101 Fav0 +bitmap", "  sep",
                                       "  100 Settings...", "sep", "1 Open", "1 Add to Vantor",
                                       "1 vantor lower case"));
}

TEST_F(HandlerTest, SecondQueryOnTheSameMenuReplacesTheFirstPopup) {
  store_.SetFavourites(1);
  auto first = server_.NewHandler();
  auto second = server_.NewHandler();
  host::PopupMenu menu;
  ASSERT_EQ(first->QueryContextMenu(menu.get(), 0, 100, 0x7FFF, CMF_NORMAL), MAKE_HRESULT(0, 0, 100));
  ASSERT_EQ(second->QueryContextMenu(menu.get(), 0, 200, 0x7FFF, CMF_NORMAL), MAKE_HRESULT(0, 0, 100));
  EXPECT_THAT(host::DescribeMenu(host::ReadMenu(menu.get())),
              ElementsAre("sep", "popup Vantor +bitmap", "  201 Fav0 +bitmap", "  sep", "  200 Settings...", "sep",
                          "sep", "sep"));
}

TEST_F(HandlerTest, DefaultOnlyFlagLeavesTheMenuAlone) {
  store_.SetFavourites(2);
  auto handler = server_.NewHandler();
  BuiltMenu built = BuildMenu(handler, {}, CMF_DEFAULTONLY, 100, 0x7FFF, {"Open"});
  EXPECT_EQ(built.result, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0));
  EXPECT_THAT(built.lines, ElementsAre("1 Open"));
  EXPECT_FALSE(store_.KeyExists() && store_.GetString("N0") == "Windows Directory");
}

// A top-level window of class "ExploreWClass", made this thread's active window.
class ExplorerLikeWindow {
 public:
  ExplorerLikeWindow() {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "ExploreWClass";
    RegisterClassA(&window_class);
    window_ = CreateWindowExA(0, "ExploreWClass", "x", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    SetActiveWindow(window_);
  }
  ~ExplorerLikeWindow() { DestroyWindow(window_); }
  ExplorerLikeWindow(const ExplorerLikeWindow&) = delete;
  ExplorerLikeWindow& operator=(const ExplorerLikeWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

TEST_F(HandlerTest, ExplorerWindowWithNormalFlagsGetsNoItemsButWithExploreFlagItDoes) {
  store_.SetFavourites(1);
  ExplorerLikeWindow explorer;
  ASSERT_EQ(GetActiveWindow(), explorer.get());
  auto handler = server_.NewHandler();
  BuiltMenu normal = BuildMenu(handler, {}, CMF_NORMAL, 100, 0x7FFF, {"Open"});
  EXPECT_EQ(normal.result, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0));
  EXPECT_THAT(normal.lines, ElementsAre("1 Open"));
  BuiltMenu explore = BuildMenu(handler, {}, CMF_EXPLORE, 100, 0x7FFF, {"Open"});
  EXPECT_EQ(explore.result, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 100));
  EXPECT_EQ(explore.lines.size(), 7u);
}

// Identifiers: never outside idCmdFirst..idCmdLast nor past the claimed count.
struct RangeCase {
  const char* name;
  Selection selection;
  std::size_t favourites;
  UINT first, last;
  HRESULT result;
  std::size_t favourites_shown;
};
void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.name; }

class IdentifierRangeTest : public HandlerTest, public ::testing::WithParamInterface<RangeCase> {};

void CollectIds(const std::vector<host::MenuEntry>& entries, std::vector<UINT>& ids, std::size_t& favourites) {
  for (const host::MenuEntry& e : entries) {
    if (e.separator) continue;
    if (e.submenu) {
      CollectIds(e.children, ids, favourites);
      continue;
    }
    ids.push_back(e.id);
    if (e.text.rfind("Fav", 0) == 0) ++favourites;
  }
}

TEST_P(IdentifierRangeTest, FavouritesThatDoNotFitAreLeftOut) {
  const RangeCase& c = GetParam();
  store_.SetFavourites(c.favourites);
  TempDir dir;
  auto handler = server_.NewHandler();
  BuiltMenu built = BuildMenu(handler, SelectionFor(c.selection, dir), CMF_NORMAL, c.first, c.last);
  EXPECT_EQ(built.result, c.result);
  std::vector<UINT> ids;
  std::size_t favourites = 0;
  CollectIds(built.entries, ids, favourites);
  EXPECT_EQ(favourites, c.favourites_shown);
  const UINT claimed_end = c.first + HRESULT_CODE(built.result);
  for (UINT id : ids) {
    EXPECT_GE(id, c.first);
    EXPECT_LE(id, c.last);
    EXPECT_LT(id, claimed_end);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, IdentifierRangeTest,
    ::testing::Values(RangeCase{"background_150", Selection::kBackground, 150, 100, 0x7FFF, MAKE_HRESULT(0, 0, 100), 99},
                      RangeCase{"folder_150", Selection::kOneFolder, 150, 100, 0x7FFF, MAKE_HRESULT(0, 0, 100), 96},
                      RangeCase{"file_150", Selection::kOneFile, 150, 100, 0x7FFF, MAKE_HRESULT(0, 0, 100), 98},
                      RangeCase{"small_range", Selection::kBackground, 10, 100, 104, MAKE_HRESULT(0, 0, 5), 4},
                      RangeCase{"exact_fit", Selection::kOneFolder, 3, 100, 106, MAKE_HRESULT(0, 0, 7), 3},
                      RangeCase{"too_small_for_add", Selection::kOneFolder, 3, 100, 102, MAKE_HRESULT(0, 0, 0), 0},
                      RangeCase{"inverted", Selection::kBackground, 3, 100, 99, MAKE_HRESULT(0, 0, 0), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlerTest, RangeTooSmallForTheFixedItemsLeavesTheMenuAlone) {
  store_.SetFavourites(3);
  TempDir dir;
  auto handler = server_.NewHandler();
  BuiltMenu built = BuildMenu(handler, SelectionFor(Selection::kOneFolder, dir), CMF_NORMAL, 100, 102, {"Open"});
  EXPECT_THAT(built.lines, ElementsAre("1 Open"));
}

}  // namespace
}  // namespace vantor::testing
