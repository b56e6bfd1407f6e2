#include "host_run.h"

#include "handler_fixture.h"
#include "temp_dir.h"

namespace vantor::testing {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
  ~Handle() {
    if (handle_ && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

// The host writes into a file, not a pipe: Wine's helper processes that the host
// may start (the desktop, services) inherit its output and would keep a pipe open
// long after it ended.
HostRun RunHost(const std::string& arguments, const std::string& directory, DWORD timeout_ms) {
  std::string line = "\"" + BuiltHostPath() + "\" " + arguments;
  TempDir output_dir;
  const std::string output_path = output_dir.File("host-output.txt");
  HostRun run;
  {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle output(CreateFileA(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (output.get() == INVALID_HANDLE_VALUE) return run;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output.get();
    startup.hStdError = output.get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process))
      return run;
    Handle process_handle(process.hProcess), thread_handle(process.hThread);
    if (WaitForSingleObject(process.hProcess, timeout_ms) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 0xDEAD);
      WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &run.exit_code);
  }
  const std::string output = ReadTextFile(output_path);
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string text = output.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    run.lines.push_back(text);
    start = end + 1;
  }
  return run;
}

}  // namespace vantor::testing
