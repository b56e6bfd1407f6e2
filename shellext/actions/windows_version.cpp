#include "windows_version.h"

namespace vantor {

int WindowsVersionClass(const OsVersionRecord& version) {
  constexpr std::uint32_t kPlatformNt = 2;
  int code = 10;
  if (version.platform_id == kPlatformNt) {
    if (version.major == 3) code = 5;
    else if (version.major == 4) code = 6;
    else if (version.major == 5) code = version.minor == 1 ? 8 : version.minor == 2 ? 9 : 7;
  } else if (version.major == 4) {
    if (version.minor == 0) code = 0;
    else if (version.minor == 10) code = 2;
    else if (version.minor == 90) code = 4;
  }
  return code;
}

}  // namespace vantor
