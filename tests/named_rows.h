// Table-driven tests name each row so that a failure says which case broke.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace fokuro::testing {

// gtest allows only [A-Za-z0-9_] in parameter names.
inline std::string TestNameOf(std::string_view name) {
  std::string result;
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    result += plain ? c : '_';
  }
  return result;
}

struct RowName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    return TestNameOf(info.param.name);
  }
};

}  // namespace fokuro::testing
