#include "action_environment.h"

namespace vantor::shell {

std::string ReadFavouritePath(const FolderStore& store, std::uint16_t number) {
  return store.ReadValue(PathValueName(static_cast<std::uint16_t>(number - 1)));
}

}  // namespace vantor::shell
