#pragma once
// The three layouts of the shell menu and the command offsets of their items.
// QueryContextMenu, GetCommandString and InvokeCommand all work the layout out
// from the selection list and agree through these functions. No Windows here.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantor::shell {

enum class MenuLayout {
  kNoSelection,     // background: Settings 0, favourite i at 1 + i
  kSingleFolder,    // one existing folder: Add 2, Settings 3, favourite i at 4 + i
  kOtherSelection,  // files, several items: Settings 1, favourite i at 2 + i
};

using DirectoryTest = std::function<bool(const std::string& path)>;

MenuLayout ChooseLayout(const std::vector<std::string>& selection, const DirectoryTest& is_existing_directory);

std::uint16_t SettingsOffset(MenuLayout layout);
std::uint16_t FirstFavouriteOffset(MenuLayout layout);
inline constexpr std::uint16_t kAddToVantorOffset = 2;  // single-folder layout only

enum class CommandItem { kNone, kFavourite, kAddToVantor, kSettings };

struct DecodedCommand {
  MenuLayout layout = MenuLayout::kNoSelection;
  CommandItem item = CommandItem::kNone;
  // 1-based: favourite n is the store entry N<n-1>/P<n-1>. Set for kFavourite only.
  std::uint16_t favourite_number = 0;
  bool operator==(const DecodedCommand& other) const {
    return layout == other.layout && item == other.item && favourite_number == other.favourite_number;
  }
};

// The item behind a command offset. Offsets that carry no item in their layout
// (0 and 1 with one folder, 0 with other selections) decode as kNone.
DecodedCommand DecodeCommand(MenuLayout layout, std::uint16_t offset);

// The handler claims at most this many identifiers from idCmdFirst on.
inline constexpr unsigned kClaimedIdentifiers = 100;

// How many identifiers the handler may use for a shell range idCmdFirst..idCmdLast
// (inclusive): at most kClaimedIdentifiers, never past idCmdLast.
unsigned UsableIdentifiers(unsigned id_cmd_first, unsigned id_cmd_last);

// Whether the layout's fixed items fit into `usable` identifiers at all.
bool FixedItemsFit(MenuLayout layout, unsigned usable);

// How many favourites get an item when `usable` identifiers are available.
std::size_t FavouriteCapacity(MenuLayout layout, unsigned usable);

}  // namespace vantor::shell

namespace vantor::shell {

// A host-menu item that an earlier "Vantor" popup left behind: its text holds
// "Vantor" but is not "Add to Vantor" (case-sensitive, as the items are named).
bool IsStaleVantorItem(const std::string& text);

}  // namespace vantor::shell
