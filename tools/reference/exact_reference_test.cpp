#include "exact_reference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

using fokuro::reference::Expected;
using fokuro::reference::FactorTenths;

struct Row {
  const char* name;
  int classNumber;
  std::int32_t n;
  const char* text;
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

const Row kRows[] = {
    {"Zero", 1001, 0, "0."},
    {"ZeroAtLargestFactor", 1008, 0, "0."},
    {"DecimalKept", 1007, 28, "44.8"},
    {"WholeKeepsPoint", 1001, 50, "50."},
    {"ZoomTele", 1007, 55, "88."},
    {"NegativeWithDecimal", 1007, -17, "-27.2"},
    {"NegativeWhole", 1001, -17, "-17."},
    {"HalfAtTenDigitsRoundsUp", 1006, 666666667, "1000000001"},
    {"NegativeHalfRoundsAwayFromZero", 1006, -666666667, "-1000000001"},
    {"JustBelowTenDigitsKeepsPoint", 1006, 666666666, "999999999."},
    {"NineNinesKeepPoint", 1001, 999999999, "999999999."},
    {"TenDigitsNoPoint", 1001, 1000000000, "1000000000"},
    {"TenDigitsDecimalBelowHalfDropped", 1002, 1234567891, "1358024680"},
    {"LargestAtFactorOneSix", 1007, kMax, "3435973835"},
    {"LargestAtFactorOneSeven", 1008, kMax, "3650722200"},
    {"SmallestAtFactorOneSeven", 1008, kMin, "-3650722202"},
    {"SmallestAtFactorOne", 1001, kMin, "-2147483648"},
    {"UnknownClassIsFactorOne", 1009, 28, "28."},
    {"NoClassIsFactorOne", 0, 999999999, "999999999."},
};

class ExpectedTextTest : public testing::TestWithParam<Row> {};

TEST_P(ExpectedTextTest, WritesText) {
  const Row& row = GetParam();
  EXPECT_EQ(std::string(Expected(row.n, FactorTenths(row.classNumber)).view()), row.text);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExpectedTextTest, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) { return row.param.name; });

struct ClassRow {
  const char* name;
  int classNumber;
  int tenths;
};

void PrintTo(const ClassRow& row, std::ostream* os) {
  *os << row.name;
}

const ClassRow kClassRows[] = {
    {"First", 1001, 10},    {"Second", 1002, 11},     {"Seventh", 1007, 16},
    {"Last", 1008, 17},     {"BelowFirst", 1000, 10}, {"AboveLast", 1009, 10},
    {"NoneChecked", 0, 10}, {"Negative", -1, 10},     {"Huge", kMax, 10},
};

class FactorTenthsTest : public testing::TestWithParam<ClassRow> {};

TEST_P(FactorTenthsTest, MapsClass) {
  EXPECT_EQ(FactorTenths(GetParam().classNumber), GetParam().tenths);
}

INSTANTIATE_TEST_SUITE_P(Classes, FactorTenthsTest, testing::ValuesIn(kClassRows),
                         [](const testing::TestParamInfo<ClassRow>& row) {
                           return row.param.name;
                         });

}  // namespace
