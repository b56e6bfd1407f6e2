#include "fakes.h"

#include <shellapi.h>

#include <ostream>

namespace vantor::shell::testing {

std::intptr_t RecordingProgramStarter::Start(const ProgramStart& request) {
  starts.push_back(request);
  return GetFileAttributesA(request.file.c_str()) == INVALID_FILE_ATTRIBUTES ? SE_ERR_FNF : 42;
}

}  // namespace vantor::shell::testing

namespace vantor::shell {

bool operator==(const ProgramStart& a, const ProgramStart& b) {
  return a.owner == b.owner && a.verb == b.verb && a.file == b.file && a.parameters == b.parameters &&
         a.directory == b.directory && a.show == b.show;
}

void PrintTo(const ProgramStart& start, std::ostream* out) {
  *out << "{owner " << start.owner << ", verb \"" << start.verb << "\", file \"" << start.file << "\", parameters \""
       << start.parameters << "\", directory \"" << start.directory << "\", show " << start.show << "}";
}

}  // namespace vantor::shell
