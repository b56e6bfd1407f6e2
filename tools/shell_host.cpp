// vtshellhost: drives a context menu handler as the shell does and prints what
// happened as plain lines, one fact per line:
//   register 0x00000000            DllRegisterServer's result (--register)
//   query 0x00000064               QueryContextMenu's result
//   item <line>                    the host menu read back (see DescribeMenu)
//   help <offset> <text>           GetCommandString's text (--help-text, --help-text-w)
//   helpresult <offset> 0x...      GetCommandString's result
//   invoke 0x00000000              InvokeCommand's result (--invoke, --verb)
//   message <text>                 a "Vantor" message box, answered with OK (--answer-messages)
//   folder <path>                  the Open dialog's folder after the command (--open-dialog)
//   sweep <offset> message <text>  a message box that the invocation of that offset showed (--sweep)
//   sweep <offset> result 0x...    an invocation of that offset that did not return S_OK (--sweep)
//   sweep results 0x...=<count>... how many invocations returned each result (--sweep)
//   sweep ms <milliseconds>        how long the sweep took (--sweep)
//   sweep floor ms <milliseconds>  65536 reads of a P value (open, read, close) in the same run (--sweep-floor)
// The exit code is 0 when every call could be made, 2 for bad arguments, 1 otherwise.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell_session.h"

using vantor::host::ComPtr;

namespace {

constexpr const char* kHandlerClsid = "{3FF0AAD4-EF61-4409-B47C-62CD81A6D902}";

struct Options {
  std::string clsid = kHandlerClsid;
  std::string register_dll, unregister_dll, store_root;
  std::vector<std::string> selection;
  bool drop_list = false;
  std::optional<vantor::host::OddData> odd_data;
  std::string window_class;
  bool no_data_object = true;
  UINT flags = CMF_NORMAL;
  UINT id_first = 1, id_last = 0x7FFF;
  std::vector<std::string> host_items;
  HWND hwnd = nullptr;
  std::vector<long> help_a, help_w;
  UINT help_size = 1024;
  std::vector<long> invoke;
  std::vector<std::string> verbs;
  bool answer_messages = false, open_dialog = false, show = false, no_query = false, no_session = false;
  bool sweep = false, sweep_floor = false;
};

void Line(const std::string& text) {
  std::fputs((text + "\n").c_str(), stdout);
  std::fflush(stdout);
}

std::string Hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

bool ParseArguments(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    auto number = [&](unsigned long& out) {
      const char* v = next();
      if (!v) return false;
      out = std::strtoul(v, nullptr, 0);
      return true;
    };
    unsigned long n = 0;
    if (a == "--clsid") { const char* v = next(); if (!v) return false; o.clsid = v; }
    else if (a == "--register") { const char* v = next(); if (!v) return false; o.register_dll = v; }
    else if (a == "--unregister") { const char* v = next(); if (!v) return false; o.unregister_dll = v; }
    else if (a == "--store-root") { const char* v = next(); if (!v) return false; o.store_root = v; }
    else if (a == "--select") { const char* v = next(); if (!v) return false; o.selection.push_back(v); o.no_data_object = false; }
    else if (a == "--drop-list") o.drop_list = true;
    else if (a == "--odd-data") {
      const char* v = next();
      vantor::host::OddData kind;
      if (!v || !vantor::host::ParseOddData(v, kind)) return false;
      o.odd_data = kind;
      o.no_data_object = false;
    }
    else if (a == "--window-class") { const char* v = next(); if (!v) return false; o.window_class = v; }
    else if (a == "--flags") { if (!number(n)) return false; o.flags = static_cast<UINT>(n); }
    else if (a == "--first") { if (!number(n)) return false; o.id_first = static_cast<UINT>(n); }
    else if (a == "--last") { if (!number(n)) return false; o.id_last = static_cast<UINT>(n); }
    else if (a == "--host-item") { const char* v = next(); if (!v) return false; o.host_items.push_back(v); }
    else if (a == "--hwnd") { if (!number(n)) return false; o.hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(n)); }
    else if (a == "--help-text") { if (!number(n)) return false; o.help_a.push_back(static_cast<long>(n)); }
    else if (a == "--help-text-w") { if (!number(n)) return false; o.help_w.push_back(static_cast<long>(n)); }
    else if (a == "--help-size") { if (!number(n)) return false; o.help_size = static_cast<UINT>(n); }
    else if (a == "--invoke") { if (!number(n)) return false; o.invoke.push_back(static_cast<long>(n)); }
    else if (a == "--verb") { const char* v = next(); if (!v) return false; o.verbs.push_back(v); }
    else if (a == "--answer-messages") o.answer_messages = true;
    else if (a == "--sweep") o.sweep = o.answer_messages = true;
    else if (a == "--sweep-floor") o.sweep_floor = true;
    else if (a == "--open-dialog") o.open_dialog = true;
    else if (a == "--show") o.show = true;
    else if (a == "--no-query") o.no_query = true;
    else if (a == "--no-session") o.no_session = true;
    else return false;
  }
  return true;
}

void Usage() {
  std::fputs(
      "usage: vtshellhost [--register DLL] [--unregister DLL] [--clsid CLSID] [--store-root SUBKEY]\n"
      "         [--select PATH]... [--drop-list] [--flags N] [--first N] [--last N] [--host-item TEXT]...\n"
      "         [--no-query] [--help-text OFFSET]... [--help-text-w OFFSET]... [--help-size N]\n"
      "         [--hwnd 0xHWND] [--window-class NAME] [--invoke OFFSET]... [--verb TEXT]... [--sweep [--sweep-floor]]\n"
      "         [--answer-messages] [--odd-data empty|no-hdrop|stream|null-memory|wide]\n"
      "         [--open-dialog] [--show] [--no-session]\n"
      "Without --select the handler is initialised as for a folder background (no data object).\n"
      "--no-session stops after --register/--unregister.\n"
      "--odd-data initialises with an odd data object (the --select names where it carries any).\n"
      "--window-class passes a hidden window of that class (e.g. Progman, the desktop's) as the window.\n"
      "--sweep invokes every offset from 65535 down to 0 (so that an added favourite cannot turn a\n"
      "  later offset into a jump) and answers the message boxes.\n"
      "--store-root redirects HKEY_CURRENT_USER of this run to that subkey of it.\n"
      "--open-dialog runs everything from inside a real Open dialog, passing the dialog as the\n"
      "  window (unless --hwnd) and printing its folder afterwards; --show shows the menu at the cursor.\n",
      stderr);
}

HRESULT CallServerEntry(const std::string& dll, const char* entry) {
  HMODULE module = LoadLibraryA(dll.c_str());
  if (!module) return HRESULT_FROM_WIN32(GetLastError());
  using Entry = HRESULT(STDAPICALLTYPE*)();
  auto function = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, entry)));
  HRESULT hr = function ? function() : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  FreeLibrary(module);
  return hr;
}

// Answers the handler's message boxes (caption "Vantor") on this thread with OK as
// soon as they have set up their text (after WM_INITDIALOG, whether or not they
// are ever activated), and keeps their text, so that a run never blocks on one.
class MessageAnswerer {
 public:
  MessageAnswerer()
      : hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, &MessageAnswerer::Hook, nullptr, GetCurrentThreadId())) {
    current_ = this;
  }
  ~MessageAnswerer() {
    if (hook_) UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  MessageAnswerer(const MessageAnswerer&) = delete;
  MessageAnswerer& operator=(const MessageAnswerer&) = delete;

  // The texts of the boxes answered since the last call.
  std::vector<std::string> Take() { return std::exchange(texts_, {}); }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wparam, LPARAM lparam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && current_) current_->Answer(call->hwnd);
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  void Answer(HWND window) {
    char name[64] = {}, caption[64] = {};
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(name) != "#32770" || std::string(caption) != "Vantor") return;
    HWND text_control = GetDlgItem(window, 0xFFFF);
    if (!text_control) return;  // not a message box (e.g. our own Open dialog)
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(text_control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(text_control, text.data(), static_cast<int>(text.size()))));
    texts_.push_back(std::move(text));
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }
  static inline MessageAnswerer* current_ = nullptr;
  HHOOK hook_;
  std::vector<std::string> texts_;
};

// A hidden top-level window of a given class, handed to the handler as the menu's window.
class ClassWindow {
 public:
  explicit ClassWindow(const std::string& class_name) {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = class_name.c_str();
    RegisterClassA(&window_class);
    window_ = CreateWindowExA(0, class_name.c_str(), "vtshellhost", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~ClassWindow() {
    if (window_) DestroyWindow(window_);
  }
  ClassWindow(const ClassWindow&) = delete;
  ClassWindow& operator=(const ClassWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

MessageAnswerer* g_answerer = nullptr;

void PrintMessages() {
  if (!g_answerer) return;
  for (const std::string& text : g_answerer->Take()) Line("message " + text);
}

HRESULT Invoke(IContextMenu& menu, HWND window, const char* verb) {
  CMINVOKECOMMANDINFO info = {};
  info.cbSize = sizeof info;
  info.hwnd = window;
  info.lpVerb = verb;
  info.nShow = SW_SHOWNORMAL;
  return menu.InvokeCommand(&info);
}

// What reading one favourite path costs at the least, as often as the sweep asks:
// open the store key, read a P value, close the key.
DWORD ReadFloorMilliseconds() {
  const DWORD start = GetTickCount();
  for (long offset = 0xFFFF; offset >= 0; --offset) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Vantor", 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    char value[MAX_PATH];
    DWORD size = sizeof value;
    RegQueryValueExA(key, ("P" + std::to_string(offset)).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                     &size);
    RegCloseKey(key);
  }
  return GetTickCount() - start;
}

void Sweep(IContextMenu& menu, HWND window, bool with_floor) {
  std::map<HRESULT, unsigned> results;
  const DWORD start = GetTickCount();
  for (long offset = 0xFFFF; offset >= 0; --offset) {
    const HRESULT hr = Invoke(menu, window, MAKEINTRESOURCEA(offset));
    ++results[hr];
    if (hr != S_OK) Line("sweep " + std::to_string(offset) + " result " + Hex(hr));
    for (const std::string& text : g_answerer->Take()) Line("sweep " + std::to_string(offset) + " message " + text);
  }
  const DWORD elapsed = GetTickCount() - start;
  std::string summary = "sweep results";
  for (const auto& [hr, count] : results) summary += " " + Hex(hr) + "=" + std::to_string(count);
  Line(summary);
  Line("sweep ms " + std::to_string(elapsed));
  if (with_floor) Line("sweep floor ms " + std::to_string(ReadFloorMilliseconds()));
}

int RunSession(const Options& o, HWND dialog) {
  CLSID clsid;
  if (!vantor::host::ParseClsid(o.clsid, clsid)) return 2;
  ComPtr<IContextMenu> menu;
  HRESULT hr = vantor::host::CreateHandler(clsid, menu);
  Line("create " + Hex(hr));
  if (FAILED(hr)) return 1;

  ComPtr<IShellExtInit> init;
  hr = menu.As(&init);
  if (FAILED(hr)) return 1;
  ComPtr<IDataObject> data;
  if (!o.no_data_object) {
    hr = o.odd_data    ? vantor::host::MakeOddDataObject(*o.odd_data, o.selection, data)
         : o.drop_list ? vantor::host::MakeDropListDataObject(o.selection, data)
                       : vantor::host::MakeShellDataObject(o.selection, data);
    Line("dataobject " + Hex(hr));
    if (FAILED(hr)) return 1;
  }
  Line("initialize " + Hex(init->Initialize(nullptr, data.Get(), nullptr)));

  vantor::host::PopupMenu host;
  for (const std::string& text : o.host_items) AppendMenuA(host.get(), MF_STRING, 0x7FFF, text.c_str());
  if (!o.no_query) {
    Line("query " + Hex(menu->QueryContextMenu(host.get(), 0, o.id_first, o.id_last, o.flags)));
    for (const std::string& line : vantor::host::DescribeMenu(vantor::host::ReadMenu(host.get()))) Line("item " + line);
  }
  for (const auto& [offsets, type] : {std::pair{&o.help_a, UINT{GCS_HELPTEXTA}}, std::pair{&o.help_w, UINT{GCS_HELPTEXTW}}}) {
    for (long offset : *offsets) {
      std::vector<char> buffer((o.help_size + 1) * sizeof(wchar_t), '\0');
      hr = menu->GetCommandString(static_cast<UINT_PTR>(offset), type, nullptr, buffer.data(), o.help_size);
      std::string text = buffer.data();
      if (type == GCS_HELPTEXTW) {
        const auto* wide = reinterpret_cast<const wchar_t*>(buffer.data());
        const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        text.assign(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
        text.resize(strlen(text.c_str()));
      }
      Line("helpresult " + std::to_string(offset) + " " + Hex(hr));
      Line("help " + std::to_string(offset) + " " + text);
    }
  }
  std::optional<ClassWindow> class_window;
  if (!o.window_class.empty()) class_window.emplace(o.window_class);
  HWND window = o.hwnd ? o.hwnd : class_window ? class_window->get() : dialog;
  std::vector<long> picks = o.invoke;
  if (o.show) {
    POINT at = {};
    GetCursorPos(&at);
    HWND owner = window ? window : GetDesktopWindow();
    const UINT picked = TrackPopupMenu(host.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    if (picked >= o.id_first) picks.push_back(static_cast<long>(picked - o.id_first));
  }
  for (long offset : picks) {
    const HRESULT result = Invoke(*menu.Get(), window, MAKEINTRESOURCEA(offset));
    PrintMessages();
    Line("invoke " + Hex(result));
  }
  for (const std::string& verb : o.verbs) {
    const HRESULT result = Invoke(*menu.Get(), window, verb.c_str());
    PrintMessages();
    Line("invoke " + Hex(result));
  }
  if (o.sweep) Sweep(*menu.Get(), window, o.sweep_floor);
  return 0;
}

// The Open dialog case: the session runs from inside the dialog once it is up.
struct DialogRun {
  const Options* options;
  int result;
};
constexpr UINT kRunSession = WM_APP + 1;

UINT_PTR CALLBACK DialogHook(HWND child, UINT message, WPARAM, LPARAM lparam) {
  static DialogRun* run = nullptr;
  if (message == WM_INITDIALOG) {
    run = reinterpret_cast<DialogRun*>(reinterpret_cast<OPENFILENAMEA*>(lparam)->lCustData);
  } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->code == CDN_INITDONE) {
    PostMessageA(child, kRunSession, 0, 0);
  } else if (message == kRunSession && run) {
    HWND dialog = GetParent(child);
    SetActiveWindow(dialog);
    run->result = RunSession(*run->options, dialog);
    char folder[4096] = {};
    SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    Line(std::string("folder ") + folder);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  return 0;
}

int RunInOpenDialog(const Options& o) {
  DialogRun run{&o, 1};
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = "vtshellhost";
  dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK;
  dialog.lpfnHook = DialogHook;
  dialog.lCustData = reinterpret_cast<LPARAM>(&run);
  GetOpenFileNameA(&dialog);
  return run.result;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseArguments(argc, argv, o)) {
    Usage();
    return 2;
  }
  vantor::host::ComApartment com;
  if (FAILED(com.result())) return 1;
  if (!o.unregister_dll.empty()) Line("unregister " + Hex(CallServerEntry(o.unregister_dll, "DllUnregisterServer")));
  if (!o.register_dll.empty()) Line("register " + Hex(CallServerEntry(o.register_dll, "DllRegisterServer")));
  if (o.no_session) return 0;
  std::unique_ptr<vantor::host::CurrentUserOverride> store;
  if (!o.store_root.empty()) {
    store = std::make_unique<vantor::host::CurrentUserOverride>(o.store_root);
    if (!store->active()) {
      Line("store-root failed");
      return 1;
    }
  }
  std::optional<MessageAnswerer> answerer;
  if (o.answer_messages) g_answerer = &answerer.emplace();
  return o.open_dialog ? RunInOpenDialog(o) : RunSession(o, nullptr);
}
