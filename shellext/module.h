#pragma once
// The loaded module: its instance handle, its counts of live objects, server locks
// and factory references (all changed by interlocked operations), and the menu
// bitmaps, loaded once per module and freed when the module is unloaded.
#include <windows.h>

#include <string>

namespace vantor::shell::module {

void SetInstance(HINSTANCE instance);
HINSTANCE Instance();

void ObjectCreated();
void ObjectDestroyed();
void Lock();
void Unlock();
void FactoryAddRef();
void FactoryRelease();
// No live object, no server lock, no outstanding factory reference.
bool CanUnload();

// The module's full path, however long.
std::string ModulePath();

// Bitmap resource 101, 102 or 103, loaded on first use and kept until unload;
// null when it cannot be loaded.
HBITMAP MenuBitmap(int id);
void FreeMenuBitmaps();

// A string resource of the module ("" when missing), whole however long.
std::string LoadText(UINT id);

}  // namespace vantor::shell::module
