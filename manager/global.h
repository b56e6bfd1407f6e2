#pragma once
// The shell's folder browser, centred on the screen, with the rest of the
// application inert while it is up.
#include <windows.h>

#include <string>

namespace vantor {

// True when the user chose a folder; `path` then holds its file-system path.
// `path` on entry is kept only when it names an existing directory (it is not
// preselected). An empty `root` starts the tree at the desktop.
bool BrowseForFolder(const std::string& title, const std::wstring& root, std::string& path);

// Moves the browser so that its client area is centred on the primary screen.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);

}  // namespace vantor
