#pragma once
// The shell-browser route of the jump, on Windows 2000 and later.
#include <windows.h>

#include <string>

namespace vantor::shell {

enum class BrowseOutcome {
  kBrowsed,         // the host's shell browser was asked to show the folder
  kNoBrowser,       // the host does not answer the browser query, or is not a window of this process
  kUnparsablePath,  // the desktop folder could not be had or the path not parsed
};

// Parses the path against the desktop folder, asks `host` for its shell browser
// and lets it browse to the folder. The browser is only borrowed for the call.
BrowseOutcome BrowseHostTo(HWND host, const std::string& path);

}  // namespace vantor::shell
