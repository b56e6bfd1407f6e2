#include "tip_pages.h"

namespace vantor::extras {

const std::vector<TipPage>& TipPages() {
  static const std::vector<TipPage> pages = {
      {"Default",
       {{5, 10, "Vantor runs automatically as part"},
        {5, 28, "of the Windows Explorer context menu,"},
        {5, 46, "so you will never need to start the program"},
        {5, 65, "otherwise you want to edit the list of folders."}}},
      {"1",
       {{4, 10, "You can run only one copy of Vantor"},
        {7, 27, "to edit select folders. "},
        {4, 51, "Attempting to run additional copies of"},
        {4, 69, "Vantor will bring the currently"},
        {4, 86, "running Vantor to the front."}}},
      {"2",
       {{6, 10, "You access the \"Vantor\" menu by "},
        {6, 28, "right-clicking anywhere in the following:"},
        {6, 46, "1.File, Directory,Directory Background"},
        {17, 64, "(right pane) of Windows Explorer"},
        {6, 82, "2.Common Open/Save dialogs"},
        {6, 100, "3.Desktop"},
        {105, 100, "4.Start Button"}}},
      {"3",
       {{6, 8, "How to add a favorite folder"},
        {6, 27, "1.Start Vantor. Click the button \"Add\"."},
        {6, 46, "2.Right click a folder in Windows Explorer"},
        {16, 65, "and then click the menu item labeled "},
        {16, 84, "\"Add to Vantor\"."}}},
      {"4",
       {{8, 10, "How to edit a favorite folder?"},
        {8, 28, "Start Vantor. You could"},
        {8, 47, "1.Delete a favorite folder"},
        {8, 65, "2.Edit existing favorite folder"},
        {8, 84, "3.Move Existing favorite folder"},
        {8, 103, "4.Sort all favorite folders"}}},
  };
  return pages;
}

std::size_t FirstTipPage(std::mt19937& random, std::size_t page_count) {
  if (page_count < 2) return 0;
  return std::uniform_int_distribution<std::size_t>(0, page_count - 2)(random);
}

std::size_t NextTipPage(std::size_t current, std::size_t page_count) {
  return current + 1 >= page_count ? 0 : current + 1;
}

}  // namespace vantor::extras
