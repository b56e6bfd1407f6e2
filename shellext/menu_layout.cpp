#include "menu_layout.h"

#include <algorithm>

namespace vantor::shell {

MenuLayout ChooseLayout(const std::vector<std::string>& selection, const DirectoryTest& is_existing_directory) {
  if (selection.empty()) return MenuLayout::kNoSelection;
  if (selection.size() == 1 && is_existing_directory(selection.front())) return MenuLayout::kSingleFolder;
  return MenuLayout::kOtherSelection;
}

std::uint16_t SettingsOffset(MenuLayout layout) {
  switch (layout) {
    case MenuLayout::kNoSelection: return 0;
    case MenuLayout::kSingleFolder: return 3;
    case MenuLayout::kOtherSelection: break;
  }
  return 1;
}

std::uint16_t FirstFavouriteOffset(MenuLayout layout) { return static_cast<std::uint16_t>(SettingsOffset(layout) + 1); }

DecodedCommand DecodeCommand(MenuLayout layout, std::uint16_t offset) {
  DecodedCommand command;
  command.layout = layout;
  if (offset == SettingsOffset(layout)) {
    command.item = CommandItem::kSettings;
  } else if (layout == MenuLayout::kSingleFolder && offset == kAddToVantorOffset) {
    command.item = CommandItem::kAddToVantor;
  } else if (offset >= FirstFavouriteOffset(layout)) {
    command.item = CommandItem::kFavourite;
    command.favourite_number = static_cast<std::uint16_t>(offset - SettingsOffset(layout));
  }
  return command;
}

unsigned UsableIdentifiers(unsigned id_cmd_first, unsigned id_cmd_last) {
  if (id_cmd_last < id_cmd_first) return 0;
  const unsigned long long available = 1ull + id_cmd_last - id_cmd_first;
  return static_cast<unsigned>(std::min<unsigned long long>(kClaimedIdentifiers, available));
}

bool FixedItemsFit(MenuLayout layout, unsigned usable) { return usable > SettingsOffset(layout); }

std::size_t FavouriteCapacity(MenuLayout layout, unsigned usable) {
  const unsigned first = FirstFavouriteOffset(layout);
  return usable > first ? usable - first : 0;
}

}  // namespace vantor::shell

namespace vantor::shell {

bool IsStaleVantorItem(const std::string& text) {
  return text.find("Vantor") != std::string::npos && text.find("Add to Vantor") == std::string::npos;
}

}  // namespace vantor::shell
