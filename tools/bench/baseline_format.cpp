#include "baseline_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fokuro::bench {

std::string BaselineFormatResultText(double value) {
  if (value == 0) {
    return "0.";
  }
  const bool negative = std::signbit(value);
  // "%.16e" gives the same 17 significant digits as "%.17g" in one layout: d.dddde+XX.
  char printed[32];
  std::snprintf(printed, sizeof printed, "%.16e", std::fabs(value));
  std::uint64_t digits = static_cast<std::uint64_t>(printed[0] - '0');
  for (int i = 2; i < 18; ++i) {
    digits = digits * 10 + static_cast<std::uint64_t>(printed[i] - '0');
  }
  // Magnitude = 0.d1...d17 x 10^exponent.
  int exponent = std::atoi(printed + 19) + 1;
  const int decimals = exponent < 10 ? 10 - exponent : 0;

  // Cut to ten digits by the 11th, carrying into a new leading digit if need be.
  std::uint64_t ten = digits / 10'000'000;
  if (digits / 1'000'000 % 10 >= 5) {
    ++ten;
    if (ten == 10'000'000'000) {
      ten = 1'000'000'000;
      ++exponent;
    }
  }
  char tenDigits[10];
  for (int i = 9; i >= 0; --i) {
    tenDigits[i] = static_cast<char>('0' + ten % 10);
    ten /= 10;
  }

  std::string text;
  if (negative) {
    text += '-';
  }
  if (exponent <= 0) {
    text += '0';
  } else {
    text.append(tenDigits, static_cast<std::size_t>(exponent));
  }
  if (decimals > 0) {
    std::string fraction;
    for (int i = 0; i < -exponent; ++i) {
      fraction += '0';
    }
    const int first = exponent > 0 ? exponent : 0;
    fraction.append(tenDigits + first, static_cast<std::size_t>(10 - first));
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    while (!fraction.empty() && fraction.back() == '0') {
      fraction.pop_back();
    }
    text += '.';
    text += fraction;
  }
  return text;
}

}  // namespace fokuro::bench
