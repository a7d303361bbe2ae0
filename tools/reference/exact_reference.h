// Expected result texts computed in integers only, independent of the conversion core.
//
// A typed n at factor k/10 gives the exact value p/10 with p = n * k. That value is rounded
// to ten significant digits, halves away from zero, which only touches |p/10| >= 10^9: there
// the single decimal is dropped and the integer rounded. The text is "-" for negatives, the
// integer digits ("0" for none), then "." and the decimal if it is not zero; a number with
// ten integer digits has no point at all.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fokuro::reference {

// Longest text ExpectedText can write: a sign and ten digits, or a sign, nine digits, a
// point and a decimal.
inline constexpr std::size_t kMaxTextLength = 12;

inline constexpr int kMinTenths = 10;
inline constexpr int kMaxTenths = 17;

// The factor of a crop class in tenths: 1001..1008 -> 10..17, everything else -> 10.
constexpr int FactorTenths(int classNumber) {
  return classNumber >= 1001 && classNumber <= 1008 ? classNumber - 991 : 10;
}

// Writes the expected text of n at factor tenths/10 into out (at least kMaxTextLength
// bytes) and returns its length. tenths must be 10..17, so |p/10| stays below 10^10 and
// rounding can never add an eleventh digit.
inline std::size_t ExpectedText(std::int32_t n, int tenths, char* out) {
  const std::int64_t p = std::int64_t{n} * tenths;
  const bool negative = p < 0;
  // |p| <= 2^31 * 17 fits easily; negate in unsigned to stay clear of overflow.
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(p) : static_cast<std::uint64_t>(p);
  std::uint64_t integer = magnitude / 10;
  std::uint64_t decimal = magnitude % 10;
  bool point = true;
  if (integer >= 1'000'000'000) {
    // The decimal would be the eleventh significant digit.
    if (decimal >= 5) {
      ++integer;
    }
    decimal = 0;
    point = false;
  }

  std::size_t length = 0;
  if (negative) {
    out[length++] = '-';
  }
  // The library's integer writer: exact by construction, and quick enough for a sweep.
  length = static_cast<std::size_t>(std::to_chars(out + length, out + kMaxTextLength, integer).ptr -
                                    out);
  if (point) {
    out[length++] = '.';
    if (decimal != 0) {
      out[length++] = static_cast<char>('0' + decimal);
    }
  }
  return length;
}

// Convenience for callers that hold a buffer of kMaxTextLength bytes.
struct ExpectedBuffer {
  char bytes[kMaxTextLength] = {};
  std::size_t length = 0;
  std::string_view view() const { return {bytes, length}; }
};

inline ExpectedBuffer Expected(std::int32_t n, int tenths) {
  ExpectedBuffer buffer;
  buffer.length = ExpectedText(n, tenths, buffer.bytes);
  return buffer;
}

}  // namespace fokuro::reference
