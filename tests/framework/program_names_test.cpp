#include "framework/program_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "named_rows.h"

namespace framework {
namespace {

struct NamesRow {
  const char* name;
  std::string path;
  CodePage codePage;
  std::string executableName;
  std::string helpFilePath;
};

void PrintTo(const NamesRow& row, std::ostream* out) {
  *out << row.name;
}

constexpr CodePage k932 = CodePage::Japanese932;
constexpr CodePage kUtf8 = CodePage::Utf8;

class DeriveProgramNamesTest : public ::testing::TestWithParam<NamesRow> {};

TEST_P(DeriveProgramNamesTest, Derives) {
  const NamesRow& row = GetParam();
  const ProgramNames names = DeriveProgramNames(row.path, row.codePage);
  EXPECT_EQ(names.executableName, row.executableName);
  EXPECT_EQ(names.applicationName, row.executableName);
  EXPECT_EQ(names.helpFilePath, row.helpFilePath);
}

// "\x95\x5C" is the double-byte character for "table" in code page 932; its second byte is
// a backslash.
INSTANTIATE_TEST_SUITE_P(
    Windows, DeriveProgramNamesTest,
    ::testing::Values(NamesRow{"dotted_name", "C:\\Tools\\lens.calc.exe", k932, "lens.calc",
                               "C:\\Tools\\lens.calc.HLP"},
                      NamesRow{"extension_in_capitals", "C:\\Tools\\LENS.exe", k932, "LENS",
                               "C:\\Tools\\LENS.HLP"},
                      NamesRow{"upper_case_extension", "C:\\Tools\\lens.EXE", k932, "lens",
                               "C:\\Tools\\lens.HLP"},
                      NamesRow{"slash_separator", "C:/Tools/lens.exe", k932, "lens",
                               "C:/Tools/lens.HLP"},
                      NamesRow{"drive_colon_only", "C:lens.exe", k932, "lens", "C:lens.HLP"},
                      NamesRow{"no_separator", "lens.exe", k932, "lens", "lens.HLP"},
                      NamesRow{"no_separator_no_dot", "lens", kUtf8, "lens", "lens.HLP"},
                      NamesRow{"ends_in_a_separator", "C:\\Tools\\", k932, "", "C:\\Tools\\.HLP"},
                      NamesRow{"dotted_directory_no_extension", "C:\\v1.0\\lens", k932, "lens",
                               "C:\\v1.0\\lens.HLP"},
                      NamesRow{"double_byte_directory", "C:\\\x95\x5C\\lens.exe", k932, "lens",
                               "C:\\\x95\x5C\\lens.HLP"},
                      NamesRow{"double_byte_at_name_start", "C:\\Tools\\\x95\x5Clens.exe", k932,
                               "\x95\x5Clens", "C:\\Tools\\\x95\x5Clens.HLP"},
                      NamesRow{"double_byte_name_ends_in_5c", "C:\\Tools\\lens\x95\x5C.exe", k932,
                               "lens\x95\x5C", "C:\\Tools\\lens\x95\x5C.HLP"},
                      // A lead byte with no second byte after it must not read past the end.
                      NamesRow{"lone_lead_byte_at_the_end", "C:\\Tools\\lens\x95", k932, "lens\x95",
                               "C:\\Tools\\lens\x95.HLP"}),
    fokuro::testing::RowName{});

// The edges of both lead-byte ranges, and the bytes just outside them, which stand alone:
// a backslash after them is a separator.
INSTANTIATE_TEST_SUITE_P(
    LeadBytes, DeriveProgramNamesTest,
    ::testing::Values(
        NamesRow{"lead_81", "C:\\x\x81\x5Cy.exe", k932, "x\x81\x5Cy", "C:\\x\x81\x5Cy.HLP"},
        NamesRow{"lead_9f", "C:\\x\x9F\x5Cy.exe", k932, "x\x9F\x5Cy", "C:\\x\x9F\x5Cy.HLP"},
        NamesRow{"lead_e0", "C:\\x\xE0\x5Cy.exe", k932, "x\xE0\x5Cy", "C:\\x\xE0\x5Cy.HLP"},
        NamesRow{"lead_fc", "C:\\x\xFC\x5Cy.exe", k932, "x\xFC\x5Cy", "C:\\x\xFC\x5Cy.HLP"},
        NamesRow{"single_80", "C:\\x\x80\\y.exe", k932, "y", "C:\\x\x80\\y.HLP"},
        NamesRow{"single_a0", "C:\\x\xA0\\y.exe", k932, "y", "C:\\x\xA0\\y.HLP"},
        // half-width katakana are single bytes
        NamesRow{"half_width_katakana_b6", "C:\\x\xB6\\y.exe", k932, "y", "C:\\x\xB6\\y.HLP"},
        NamesRow{"single_df", "C:\\x\xDF\\y.exe", k932, "y", "C:\\x\xDF\\y.HLP"},
        NamesRow{"single_fd", "C:\\x\xFD\\y.exe", k932, "y", "C:\\x\xFD\\y.HLP"},
        // the byte after a lead byte is taken with it, even when it is a lead byte itself
        NamesRow{"lead_after_lead", "C:\\x\x81\x81\\y.exe", k932, "y", "C:\\x\x81\x81\\y.HLP"}),
    fokuro::testing::RowName{});

// The same bytes as the code-page-932 rows, read as UTF-8: every 0x5C is a separator.
INSTANTIATE_TEST_SUITE_P(
    Utf8, DeriveProgramNamesTest,
    ::testing::Values(NamesRow{"double_byte_at_name_start", "C:\\Tools\\\x95\x5Clens.exe", kUtf8,
                               "lens", "C:\\Tools\\\x95\x5Clens.HLP"},
                      NamesRow{"double_byte_after_a_dot", "C:\\v1.0\x95\x5Clens", kUtf8, "lens",
                               "C:\\v1.0\x95\x5Clens.HLP"},
                      NamesRow{"lead_81", "C:\\x\x81\x5Cy.exe", kUtf8, "y", "C:\\x\x81\x5Cy.HLP"},
                      NamesRow{"home_local", "/home/u/.local/bin/fokuro", kUtf8, "fokuro",
                               "/home/u/.local/bin/fokuro.HLP"},
                      NamesRow{"versioned_directory", "/opt/fokuro-1.0/bin/fokuro.bin", kUtf8,
                               "fokuro", "/opt/fokuro-1.0/bin/fokuro.HLP"},
                      NamesRow{"multi_byte_directory",
                               "/home/\xE3\x83\xA6\xE3\x83\xBC/bin/fokuro.bin", kUtf8, "fokuro",
                               "/home/\xE3\x83\xA6\xE3\x83\xBC/bin/fokuro.HLP"},
                      NamesRow{"multi_byte_name", "/opt/\xE8\xA1\xA8.bin", kUtf8, "\xE8\xA1\xA8",
                               "/opt/\xE8\xA1\xA8.HLP"}),
    fokuro::testing::RowName{});

// The same path in code page 932: the 0x5C is half of a character, so the file name runs
// from "v1" and its last full stop is the extension.
TEST(DeriveProgramNamesCodePageTest, DoubleByteAfterADotIsPartOfTheName) {
  const ProgramNames names = DeriveProgramNames("C:\\v1.0\x95\x5Clens", k932);
  EXPECT_EQ(names.executableName, "v1");
  EXPECT_EQ(names.helpFilePath, "C:\\v1.HLP");
}

TEST(DeriveProgramNamesLengthTest, LongPathsAreNotCut) {
  const std::string directory = "/" + std::string(300, 'd') + "/";
  const ProgramNames names = DeriveProgramNames(directory + std::string(300, 'n') + ".bin", kUtf8);
  EXPECT_EQ(names.executableName, std::string(300, 'n'));
  EXPECT_EQ(names.helpFilePath, directory + std::string(300, 'n') + ".HLP");
}

}  // namespace
}  // namespace framework
