// The manager's entry: one instance per desktop, then the main window's message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "application.h"
#include "folder_store.h"
#include "main_form.h"
#include "system_info.h"
#include "win_registry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (HWND running = FindWindowA(vantor::kMainWindowClass, nullptr)) {
    PostMessageA(running, vantor::WM_BRINGTOFRONT, 0, 0);
    SetForegroundWindow(running);
    return 0;
  }
  try {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);  // the folder browser needs an apartment
    vantor::WinRegistry registry;
    vantor::FolderStore store(registry);
    vantor::MainFormSetup setup;
    setup.store = &store;
    setup.executable_path = vantor::ExecutablePath();
    setup.windows_directory = vantor::WindowsDirectory;
    vantor::ui::Application& application = vantor::ui::Application::Instance();
    vantor::TfrmMain main_form(std::move(setup));
    application.SetTitle("Vantor");
    const int exit_code = application.Run();
    OleUninitialize();
    return exit_code;
  } catch (const std::exception& error) {
    MessageBoxA(nullptr, error.what(), "Vantor", MB_OK | MB_ICONERROR);
    return 1;
  }
}
