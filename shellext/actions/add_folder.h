#pragma once
// "Add to Vantor": appends the right-clicked folder to the folder list.
#include <string>

#include "action_environment.h"

namespace vantor::shell {

// Writes N<k> = AliasFromPath(folder) and P<k> = folder at the first k whose P value
// is missing or empty, then tells the user. Not a folder: nothing. The key can be
// neither opened nor created: "Please run the Vantor at least once.". A refused
// write ends the command without the success message. The search and the writes
// hold the store's lock (see store_lock.h); the message is shown after it is let go.
void AddSelectedFolder(const std::string& folder, ActionEnvironment& env);

}  // namespace vantor::shell
