#include "command_runner.h"

#include <algorithm>

#include "add_folder.h"
#include "folder_window.h"
#include "jump.h"
#include "path_rules.h"
#include "program_start.h"
#include "shell_texts.h"

namespace vantor::shell {
namespace {

bool IsDesktop(HWND window) {
  char buffer[256] = {};
  int length = GetClassNameA(window, buffer, sizeof buffer);
  return std::string(buffer, static_cast<std::size_t>(std::max(length, 0))) == kDesktopWindowClass;
}

void OpenFavouriteHere(std::uint16_t number, ActionEnvironment& env) {
  const std::string path = ReadFavouritePath(env.store, number);
  if (path.empty()) return;
  if (IsExistingDirectory(path)) OpenFolderWindow(path, env);
  else env.messages.Show(DoesNotExistMessage(path));
}

void RunFavourite(const DecodedCommand& command, const InvokeContext& context, ActionEnvironment& env) {
  switch (command.layout) {
    case MenuLayout::kNoSelection:
      if (IsDesktop(context.hwnd)) OpenFavouriteHere(command.favourite_number, env);
      else JumpToFavourite(context.hwnd, command.favourite_number, env);
      return;
    case MenuLayout::kSingleFolder:
      // The menu on a selected folder hands over the thread's active window, not hwnd.
      JumpToFavourite(GetActiveWindow(), command.favourite_number, env);
      return;
    case MenuLayout::kOtherSelection:
      JumpToFavourite(context.hwnd, command.favourite_number, env);
      return;
  }
}

}  // namespace

void RunDecodedCommand(const DecodedCommand& command, const InvokeContext& context, ActionEnvironment& env) {
  switch (command.item) {
    case CommandItem::kNone:
      return;
    case CommandItem::kSettings:
      StartManager(context.hwnd, std::string(), env);
      return;
    case CommandItem::kAddToVantor:
      if (context.selection.size() == 1) AddSelectedFolder(context.selection.front(), env);
      return;
    case CommandItem::kFavourite:
      RunFavourite(command, context, env);
      return;
  }
}

}  // namespace vantor::shell
