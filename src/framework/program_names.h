// The names a program takes from its own file's path: the executable name (also the
// application name, as the program has no name string of its own) and the help file path.
#pragma once

#include <string>
#include <string_view>

namespace framework {

// How a path's bytes are read: in code page 932 a lead byte (0x81-0x9F, 0xE0-0xFC) and the
// byte after it are one character, so a trailing 0x5C is no backslash. UTF-8 needs no such
// care: its multi-byte characters never hold a byte below 0x80.
enum class CodePage { Utf8, Japanese932 };

struct ProgramNames {
  std::string executableName;  // file name without directory and extension
  std::string applicationName;
  std::string helpFilePath;  // the path with its extension replaced by ".HLP"
};

//   "C:\Tools\lens.calc.exe" -> "lens.calc", "C:\Tools\lens.calc.HLP"
//   "C:\Tools\LENS.exe"      -> "LENS",      "C:\Tools\LENS.HLP"
//   "/home/u/.local/bin/fokuro" -> "fokuro", "/home/u/.local/bin/fokuro.HLP"
// The extension is looked for in the file name only, so a dotted directory cannot swallow
// the name; a file name without a full stop keeps the whole path and gets ".HLP" appended.
ProgramNames DeriveProgramNames(std::string_view programPath, CodePage codePage);

}  // namespace framework
