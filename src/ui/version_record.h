// The version record the program file carries: Japanese, Unicode text, one string table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fokuro {

struct VersionNumber {
  std::uint16_t major, minor, build, revision;
  friend bool operator==(const VersionNumber&, const VersionNumber&) = default;
};

struct VersionString {
  std::string_view key;
  std::string_view value;  // UTF-8; an empty value is still written out
};

struct VersionRecord {
  VersionNumber fileVersion;
  VersionNumber productVersion;
  std::uint32_t fileFlagsMask;
  std::uint32_t fileFlags;
  std::uint32_t fileOs;
  std::uint32_t fileType;
  std::uint32_t fileSubtype;
  std::uint64_t fileDate;
  std::uint16_t language;
  std::uint16_t codePage;
  std::string_view stringTableName;        // language and code page in hex, as the table is keyed
  std::span<const VersionString> strings;  // in the order they are written
};

const VersionRecord& ProgramVersionRecord();

// "1.0.0.1" for 1, 0, 0, 1.
std::string DottedVersion(const VersionNumber& version);

}  // namespace fokuro
