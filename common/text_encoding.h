#pragma once
// Text files saved as UTF-16 (Notepad's "Unicode"), read as the profile functions
// read them: in the program's ANSI code page.
#include <string>
#include <string_view>

namespace vantor {

// The bytes after a UTF-16 byte-order mark, little- or big-endian, in the ANSI code
// page (characters it lacks become '?'; a last odd byte is read as if followed by a
// zero byte, as the profile functions do). Off Windows,
// where there is no ANSI code page, Latin-1 stands in for it.
std::string NarrowFromUtf16(std::string_view bytes, bool big_endian);

}  // namespace vantor
