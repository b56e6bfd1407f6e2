#include "menu_layout.h"

#include <gtest/gtest.h>

namespace vantor::shell {
namespace {

TEST(MenuLayout, ChosenFromTheSelection) {
  auto only_dir = [](const std::string& path) { return path == "dir"; };
  EXPECT_EQ(ChooseLayout({}, only_dir), MenuLayout::kNoSelection);
  EXPECT_EQ(ChooseLayout({"dir"}, only_dir), MenuLayout::kSingleFolder);
  EXPECT_EQ(ChooseLayout({"file"}, only_dir), MenuLayout::kOtherSelection);
  EXPECT_EQ(ChooseLayout({"dir", "dir"}, only_dir), MenuLayout::kOtherSelection);
}

struct DecodeCase {
  MenuLayout layout;
  std::uint16_t offset;
  CommandItem item;
  std::uint16_t favourite;
};

TEST(MenuLayout, OffsetsDecodeToTheirItems) {
  using L = MenuLayout;
  using I = CommandItem;
  const DecodeCase cases[] = {
      {L::kNoSelection, 0, I::kSettings, 0},     {L::kNoSelection, 1, I::kFavourite, 1},
      {L::kNoSelection, 99, I::kFavourite, 99},  {L::kNoSelection, 65535, I::kFavourite, 65535},
      {L::kSingleFolder, 0, I::kNone, 0},        {L::kSingleFolder, 1, I::kNone, 0},
      {L::kSingleFolder, 2, I::kAddToVantor, 0}, {L::kSingleFolder, 3, I::kSettings, 0},
      {L::kSingleFolder, 4, I::kFavourite, 1},   {L::kSingleFolder, 5, I::kFavourite, 2},
      {L::kOtherSelection, 0, I::kNone, 0},      {L::kOtherSelection, 1, I::kSettings, 0},
      {L::kOtherSelection, 2, I::kFavourite, 1}, {L::kOtherSelection, 65535, I::kFavourite, 65534},
  };
  for (const DecodeCase& c : cases) {
    const DecodedCommand decoded = DecodeCommand(c.layout, c.offset);
    EXPECT_EQ(decoded.layout, c.layout);
    EXPECT_EQ(decoded.item, c.item) << static_cast<int>(c.layout) << " offset " << c.offset;
    EXPECT_EQ(decoded.favourite_number, c.favourite) << static_cast<int>(c.layout) << " offset " << c.offset;
  }
}

TEST(MenuLayout, IdentifiersNeverLeaveTheShellsRange) {
  struct Case {
    unsigned first, last, usable;
  };
  const Case cases[] = {{100, 0x7FFF, 100}, {100, 199, 100}, {100, 198, 99}, {100, 100, 1},
                        {100, 99, 0},       {0, 0xFFFFFFFFu, 100}, {0xFFFFFFF0u, 0xFFFFFFFFu, 16}};
  for (const Case& c : cases) EXPECT_EQ(UsableIdentifiers(c.first, c.last), c.usable) << c.first << ".." << c.last;
}

TEST(MenuLayout, CapacityLeavesRoomForTheFixedItems) {
  EXPECT_EQ(FavouriteCapacity(MenuLayout::kNoSelection, 100), 99u);
  EXPECT_EQ(FavouriteCapacity(MenuLayout::kSingleFolder, 100), 96u);
  EXPECT_EQ(FavouriteCapacity(MenuLayout::kOtherSelection, 100), 98u);
  EXPECT_EQ(FavouriteCapacity(MenuLayout::kSingleFolder, 4), 0u);
  EXPECT_TRUE(FixedItemsFit(MenuLayout::kSingleFolder, 4));
  EXPECT_FALSE(FixedItemsFit(MenuLayout::kSingleFolder, 3));
  EXPECT_TRUE(FixedItemsFit(MenuLayout::kNoSelection, 1));
  EXPECT_FALSE(FixedItemsFit(MenuLayout::kNoSelection, 0));
  EXPECT_FALSE(FixedItemsFit(MenuLayout::kOtherSelection, 1));
}

TEST(MenuLayout, StaleItemsAreTheVantorOnesButNotAddToVantor) {
  EXPECT_TRUE(IsStaleVantorItem("Vantor"));
  EXPECT_TRUE(IsStaleVantorItem("My Vantor copy"));
  EXPECT_FALSE(IsStaleVantorItem("Add to Vantor"));
  EXPECT_FALSE(IsStaleVantorItem("vantor"));
  EXPECT_FALSE(IsStaleVantorItem(""));
  EXPECT_FALSE(IsStaleVantorItem("Open"));
}

}  // namespace
}  // namespace vantor::shell
