#include "framework/program_names.h"

#include <cstddef>

namespace framework {
namespace {

bool IsLeadByte(unsigned char byte, CodePage codePage) {
  if (codePage != CodePage::Japanese932) {
    return false;
  }
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/' || c == ':';
}

}  // namespace

ProgramNames DeriveProgramNames(std::string_view programPath, CodePage codePage) {
  // Walk whole characters, so the second byte of a double-byte one is never taken for a
  // separator or a full stop.
  std::size_t fileNameStart = 0;
  std::size_t lastDot = std::string_view::npos;
  for (std::size_t i = 0; i < programPath.size();) {
    const char c = programPath[i];
    if (IsLeadByte(static_cast<unsigned char>(c), codePage)) {
      i += 2;  // a lead byte at the very end stands alone; the loop bound ends the walk
      continue;
    }
    if (IsSeparator(c)) {
      fileNameStart = i + 1;
      lastDot = std::string_view::npos;  // a full stop in a directory is no extension
    } else if (c == '.') {
      lastDot = i;
    }
    ++i;
  }

  const std::string_view withoutExtension =
      lastDot == std::string_view::npos ? programPath : programPath.substr(0, lastDot);

  ProgramNames names;
  names.executableName = std::string(withoutExtension.substr(fileNameStart));
  names.applicationName = names.executableName;
  names.helpFilePath = std::string(withoutExtension) + ".HLP";
  return names;
}

}  // namespace framework
