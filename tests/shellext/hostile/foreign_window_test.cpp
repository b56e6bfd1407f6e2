// The browser query's answer is a pointer into the answering process. A menu whose
// window belongs to another process must not take that answer for a browser: the
// favourite opens in a new window instead, and the host lives on.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "host_store.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

constexpr UINT kBrowserQuery = WM_USER + 7;
std::atomic<int> g_queries{0};

LRESULT CALLBACK AnswerWithAForeignPointer(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kBrowserQuery) {
    ++g_queries;
    return 0x10;  // meaningless in any other process
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// A window on a thread of its own that answers the browser query while the host runs.
class ForeignBrowserWindow {
 public:
  ForeignBrowserWindow() {
    thread_ = std::thread([this] {
      WNDCLASSA window_class = {};
      window_class.lpfnWndProc = AnswerWithAForeignPointer;
      window_class.hInstance = GetModuleHandleA(nullptr);
      window_class.lpszClassName = "VantorForeignBrowser";
      RegisterClassA(&window_class);
      HWND window = CreateWindowExA(0, "VantorForeignBrowser", "foreign", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
      window_ = window;
      MSG message;
      while (!stop_) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      }
      DestroyWindow(window);
    });
    while (!window_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ~ForeignBrowserWindow() {
    stop_ = true;
    thread_.join();
  }
  ForeignBrowserWindow(const ForeignBrowserWindow&) = delete;
  ForeignBrowserWindow& operator=(const ForeignBrowserWindow&) = delete;
  HWND get() const { return window_; }

 private:
  std::atomic<HWND> window_{nullptr};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

struct WindowSearch {
  std::string name;
  int closed = 0;
};

BOOL CALLBACK CloseIfShowing(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof title);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() && std::string(title).find(search->name) != std::string::npos) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    ++search->closed;
  }
  return TRUE;
}

// Closes the shell windows that other processes opened on `folder_name`.
void CloseWindowsShowing(const std::string& folder_name) {
  WindowSearch search{folder_name};
  for (int attempt = 0; attempt < 100 && search.closed == 0; ++attempt) {
    EnumWindows(CloseIfShowing, reinterpret_cast<LPARAM>(&search));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::printf("shell windows closed: %d\n", search.closed);
}

TEST(ForeignWindow, BrowserQueryIsNotSentToAWindowOfAnotherProcess) {
  TempDir dir;
  const std::string folder = dir.File("foreign-target");
  CreateDirectoryA(folder.c_str(), nullptr);
  HostStore store;
  store.SetString("N0", "target");
  store.SetString("P0", folder);
  ForeignBrowserWindow window;
  char handle[32];
  std::snprintf(handle, sizeof handle, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window.get())));
  HostRun run = RunHostWith(store, {"--hwnd", handle, "--invoke", "1"});
  CloseWindowsShowing("foreign-target");
  EXPECT_EQ(run.exit_code, 0u) << ::testing::PrintToString(run);
  EXPECT_TRUE(run.Has("invoke 0x00000000")) << ::testing::PrintToString(run);
  EXPECT_EQ(g_queries.load(), 0);
}

}  // namespace
}  // namespace vantor::testing
