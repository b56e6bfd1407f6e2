#pragma once
// Jumping to a favourite: moving the window or dialog the menu was opened in to
// the favourite's folder, or opening the folder in a new shell window.
#include <windows.h>

#include <cstdint>
#include <string>

#include "action_environment.h"

namespace vantor::shell {

// The browser query: a window that hosts a shell browser answers it with its
// IShellBrowser (without adding a reference), any other window with 0.
inline constexpr UINT kBrowserQuery = WM_USER + 7;

// Routes, from the active window of the calling thread:
// - an Office file dialog (class contains "BOSA_SDM", any case) with two direct
//   "RichEdit20W" children: the path is typed into the second, Enter is sent and
//   its old text typed back;
// - Windows older than 2000: the path is typed into the first "Edit" found depth
//   first and Enter is posted;
// - otherwise `host`'s shell browser browses to the folder, or, without one, the
//   folder opens in a new shell window.
// A missing folder shows the "does not exist." message and nothing else.
void JumpToFavourite(HWND host, std::uint16_t number, ActionEnvironment& env);

// The first descendant of class exactly "Edit", children in FindWindowEx order,
// each child tested before its own descendants; nullptr when there is none.
HWND FindEditDescendant(HWND window);

// WM_SETFOCUS, select all, WM_CLEAR and a click at the client origin, all sent.
void ClearEditControl(HWND window);

// One sent WM_CHAR per byte of the 8-bit text.
void TypeText(HWND window, const std::string& text);

// The Office route: types the path into the box, sends Enter, then types the
// box's previous text back.
void EnterPathAndRestore(HWND box, const std::string& path);

// The older-Windows route: types the path and posts Enter; the text stays.
void TypePathAndPostEnter(HWND edit, const std::string& path);

}  // namespace vantor::shell
