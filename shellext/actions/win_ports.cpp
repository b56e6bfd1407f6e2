#include "win_ports.h"

#include <shellapi.h>

namespace vantor::shell {

OsVersionRecord WinVersionSource::Query() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  // A failed query leaves the record zero-filled, which reads as "unrecognised".
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&info);
#pragma GCC diagnostic pop
  return OsVersionRecord{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::intptr_t ShellProgramStarter::Start(const ProgramStart& request) {
  HINSTANCE result = ShellExecuteA(request.owner, request.verb.c_str(), request.file.c_str(),
                                   request.parameters.c_str(),
                                   request.directory.empty() ? nullptr : request.directory.c_str(), request.show);
  return reinterpret_cast<std::intptr_t>(result);
}

void WinMessageBoxes::Show(const std::string& text) {
  MessageBoxA(GetActiveWindow(), text.c_str(), kMessageCaption, MB_OK);
}

}  // namespace vantor::shell
