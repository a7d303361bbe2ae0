#include <gtest/gtest.h>

#include <string_view>

#include "named_rows.h"
#include "ui/version_record.h"

namespace fokuro {
namespace {

const VersionRecord& Record() {
  return ProgramVersionRecord();
}

TEST(VersionRecordTest, FixedPart) {
  EXPECT_EQ(Record().fileVersion, (VersionNumber{1, 0, 0, 1}));
  EXPECT_EQ(Record().productVersion, (VersionNumber{1, 0, 0, 1}));
  EXPECT_EQ(Record().fileFlagsMask, 0x3Fu);
  EXPECT_EQ(Record().fileFlags, 0u);
  EXPECT_EQ(Record().fileOs, 4u);
  EXPECT_EQ(Record().fileType, 1u);
  EXPECT_EQ(Record().fileSubtype, 0u);
  EXPECT_EQ(Record().fileDate, 0u);
}

TEST(VersionRecordTest, JapaneseUnicodeStringTable) {
  EXPECT_EQ(Record().language, 0x0411);
  EXPECT_EQ(Record().codePage, 1200);
  EXPECT_EQ(Record().stringTableName, "041104B0");
}

struct StringRow {
  const char* name;
  std::size_t index;  // place in the string table, from 0
  std::string_view value;
};

void PrintTo(const StringRow& row, std::ostream* out) {
  *out << row.name;
}

constexpr StringRow kExpectedStrings[] = {
    {"CompanyName", 0, ""},
    {"FileDescription", 1, "Fokuro MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"FileVersion", 2, "1, 0, 0, 1"},
    {"InternalName", 3, "Fokuro"},
    {"LegalCopyright", 4, "Copyright (C) 2026 Fokuro developers"},
    {"LegalTrademarks", 5, ""},
    {"OriginalFilename", 6, "Fokuro.EXE"},
    {"ProductName", 7, "Fokuro ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"ProductVersion", 8, "1, 0, 0, 1"},
};

TEST(VersionRecordTest, HoldsExactlyTheTabledStrings) {
  EXPECT_EQ(Record().strings.size(), std::size(kExpectedStrings));
}

class VersionStringTest : public ::testing::TestWithParam<StringRow> {};

TEST_P(VersionStringTest, IsPresentInItsPlaceWithItsText) {
  const StringRow& row = GetParam();
  ASSERT_LT(row.index, Record().strings.size());
  EXPECT_EQ(Record().strings[row.index].key, row.name);
  EXPECT_EQ(Record().strings[row.index].value, row.value);
}

INSTANTIATE_TEST_SUITE_P(Rows, VersionStringTest, ::testing::ValuesIn(kExpectedStrings),
                         testing::RowName{});

// The half-width katakana spelled out (U+FF71 and on), so a full-width slip cannot pass.
TEST(VersionRecordTest, HalfWidthKatakanaBytes) {
  ASSERT_GE(Record().strings.size(), 8u);
  EXPECT_EQ(Record().strings[1].value,
            "Fokuro MFC "
            "\xEF\xBD\xB1\xEF\xBE\x8C\xEF\xBE\x9F\xEF\xBE\x98\xEF\xBD\xB9\xEF\xBD\xB0\xEF\xBD\xBC"
            "\xEF\xBD\xAE\xEF\xBE\x9D");
  EXPECT_EQ(Record().strings[7].value,
            "Fokuro "
            "\xEF\xBD\xB1\xEF\xBE\x8C\xEF\xBE\x9F\xEF\xBE\x98\xEF\xBD\xB9\xEF\xBD\xB0\xEF\xBD\xBC"
            "\xEF\xBD\xAE\xEF\xBE\x9D");
}

struct DottedRow {
  const char* name;
  VersionNumber version;
  const char* text;
};

void PrintTo(const DottedRow& row, std::ostream* out) {
  *out << row.name;
}

class DottedVersionTest : public ::testing::TestWithParam<DottedRow> {};

TEST_P(DottedVersionTest, JoinsTheFourPartsWithDots) {
  EXPECT_EQ(DottedVersion(GetParam().version), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DottedVersionTest,
    ::testing::Values(DottedRow{"program", {1, 0, 0, 1}, "1.0.0.1"},
                      DottedRow{"every_part_differs", {2, 3, 4, 5}, "2.3.4.5"},
                      DottedRow{"wide_parts", {10, 200, 3000, 65535}, "10.200.3000.65535"},
                      DottedRow{"zeros", {0, 0, 0, 0}, "0.0.0.0"}),
    testing::RowName{});

TEST(VersionRecordTest, DottedFileVersionOfTheProgram) {
  EXPECT_EQ(DottedVersion(Record().fileVersion), "1.0.0.1");
}

}  // namespace
}  // namespace fokuro
