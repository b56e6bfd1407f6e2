#pragma once
// Reads of the real registry for the registration tests, by the registration plan's
// roots, and a way to run a program of the prefix (regsvr32).
#include <windows.h>

#include <map>
#include <string>

#include "registration_plan.h"

namespace vantor::testing {

bool KeyExists(shell::RegistryRoot root, const std::string& key);

// The string value, "<missing>", or "<type N>" for another type.
std::string ReadString(shell::RegistryRoot root, const std::string& key, const std::string& name);

// Every key below `key` of `hive` (relative path, "" for the key itself) with its values
// as "name=type:data" lines; empty when the key is missing.
std::map<std::string, std::string> DumpTree(HKEY hive, const std::string& key);

// Runs a program of the prefix, waits for it and returns its exit code.
DWORD RunAndWait(const std::string& command_line);

}  // namespace vantor::testing
