#include "ui/version_record.h"

namespace fokuro {
namespace {

// Keys in the order the resource compiler writes them; the two empty ones are kept because
// readers of the record show a present field differently from a missing one.
constexpr VersionString kStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", "Fokuro MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Fokuro"},
    {"LegalCopyright", "Copyright (C) 2026 Fokuro developers"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Fokuro.EXE"},
    {"ProductName", "Fokuro ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"ProductVersion", "1, 0, 0, 1"},
};

constexpr VersionRecord kVersionRecord{
    .fileVersion = {1, 0, 0, 1},
    .productVersion = {1, 0, 0, 1},
    .fileFlagsMask = 0x3F,
    .fileFlags = 0,   // no debug, pre-release, patched, private or special build
    .fileOs = 0x4,    // 32-bit Windows
    .fileType = 0x1,  // application
    .fileSubtype = 0,
    .fileDate = 0,
    .language = 0x0411,  // Japanese
    .codePage = 0x04B0,  // 1200, Unicode
    .stringTableName = "041104B0",
    .strings = kStrings,
};

}  // namespace

const VersionRecord& ProgramVersionRecord() {
  return kVersionRecord;
}

std::string DottedVersion(const VersionNumber& version) {
  return std::to_string(version.major) + '.' + std::to_string(version.minor) + '.' +
         std::to_string(version.build) + '.' + std::to_string(version.revision);
}

}  // namespace fokuro
