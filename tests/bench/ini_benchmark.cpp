// Prints the time to write and read back N keys with our INI engine and with the
// Windows profile functions (one call per key, as a naive exporter would).
//   ini_benchmark [max-seconds-for-the-profile-functions]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "file_io.h"
#include "ini.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

std::string Value(int i) { return "C:\\Users\\someone\\Documents\\Project " + std::to_string(i); }

struct Timing {
  double write = 0, read = 0;
  bool ok = true;
};

Timing Ours(const std::string& file, int count) {
  Timing t;
  auto start = Clock::now();
  vantor::IniDocument doc;
  doc.Set("Vantor", "Count", std::to_string(count));
  for (int i = 0; i < count; ++i) doc.Set("Vantor", "P" + std::to_string(i), Value(i));
  vantor::WriteFileAtomically(file, doc.Serialize());
  t.write = Seconds(start);
  start = Clock::now();
  vantor::IniDocument back = vantor::IniDocument::Parse(vantor::ReadWholeFile(file).value_or(""));
  for (int i = 0; i < count; ++i) t.ok &= back.Get("Vantor", "P" + std::to_string(i)) == Value(i);
  t.read = Seconds(start);
  return t;
}

Timing Profile(const std::string& file, int count) {
  Timing t;
  DeleteFileA(file.c_str());
  auto start = Clock::now();
  WritePrivateProfileStringA("Vantor", "Count", std::to_string(count).c_str(), file.c_str());
  for (int i = 0; i < count; ++i)
    WritePrivateProfileStringA("Vantor", ("P" + std::to_string(i)).c_str(), Value(i).c_str(), file.c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
  t.write = Seconds(start);
  start = Clock::now();
  char buffer[1024];
  for (int i = 0; i < count; ++i) {
    GetPrivateProfileStringA("Vantor", ("P" + std::to_string(i)).c_str(), "", buffer, sizeof buffer, file.c_str());
    t.ok &= Value(i) == buffer;
  }
  t.read = Seconds(start);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const double budget = argc > 1 ? std::atof(argv[1]) : 60.0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string ours = std::string(temp) + "vantor-bench-ours.ini";
  const std::string profile = std::string(temp) + "vantor-bench-profile.ini";
  std::printf("%-8s %-20s %10s %10s %s\n", "keys", "engine", "write ms", "read ms", "check");
  double last_profile_total = 0;
  int last_profile_count = 0;
  for (int count : {2000, 20000}) {
    Timing t = Ours(ours, count);
    std::printf("%-8d %-20s %10.1f %10.1f %s\n", count, "ours", t.write * 1e3, t.read * 1e3, t.ok ? "ok" : "MISMATCH");
    // Profile writes grow with the square of the count: skip a size expected past the budget.
    double expected = last_profile_count ? last_profile_total * (double(count) / last_profile_count) *
                                               (double(count) / last_profile_count)
                                         : 0;
    if (expected > budget) {
      std::printf("%-8d %-20s %10s %10s (expected ~%.0f s, over the %.0f s budget)\n", count, "profile functions",
                  "skipped", "skipped", expected, budget);
      continue;
    }
    Timing p = Profile(profile, count);
    std::printf("%-8d %-20s %10.1f %10.1f %s\n", count, "profile functions", p.write * 1e3, p.read * 1e3,
                p.ok ? "ok" : "MISMATCH");
    last_profile_total = p.write + p.read;
    last_profile_count = count;
  }
  DeleteFileA(ours.c_str());
  DeleteFileA(profile.c_str());
  return 0;
}
