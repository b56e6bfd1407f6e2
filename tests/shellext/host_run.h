#pragma once
// Runs the built shell host as a program and collects what it printed.
#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace vantor::testing {

struct HostRun {
  DWORD exit_code = 0xFFFFFFFF;
  std::vector<std::string> lines;
  bool Has(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
  std::vector<std::string> Starting(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : lines)
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
  }
};

inline void PrintTo(const HostRun& run, std::ostream* out) {
  *out << "exit " << run.exit_code;
  for (const std::string& line : run.lines) *out << "\n  " << line;
}

// `arguments` is the command line after the host's path; `directory` its working
// folder (empty: ours). A host still running after `timeout_ms` is ended.
HostRun RunHost(const std::string& arguments, const std::string& directory = std::string(),
                DWORD timeout_ms = 60000);

}  // namespace vantor::testing
