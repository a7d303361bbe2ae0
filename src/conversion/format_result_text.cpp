#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "conversion/conversion.h"

namespace fokuro {
namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr std::array<std::uint64_t, 18> kPowersOfTen = [] {
  std::array<std::uint64_t, 18> powers{};
  std::uint64_t power = 1;
  for (auto& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

constexpr std::uint64_t kTenTo7 = kPowersOfTen[7];
constexpr std::uint64_t kTenTo9 = kPowersOfTen[9];
constexpr std::uint64_t kTenTo10 = kPowersOfTen[10];
constexpr std::uint64_t kTenTo16 = kPowersOfTen[16];
constexpr std::uint64_t kTenTo17 = kPowersOfTen[17];

// A magnitude as 0.d1d2...d17 x 10^exponent, the 17 digits rounded half away from zero
// from the exact binary value; digits is d1...d17 as an integer in [10^16, 10^17).
struct SeventeenDigits {
  std::uint64_t digits;
  int exponent;
};

void CarryThroughNines(SeventeenDigits& form) {
  if (form.digits == kTenTo17) {
    form.digits = kTenTo16;
    ++form.exponent;
  }
}

// Exact for 0.1 <= magnitude < 10^10: such a double is m / 2^k with a 53-bit m and
// k from 19 to 56, so m x 10^(17 - E) fits 110 bits and one shift divides exactly.
SeventeenDigits SeventeenDigitsInFixedRange(double magnitude) {
  int exponent = 0;
  while (magnitude >= static_cast<double>(kPowersOfTen[static_cast<std::size_t>(exponent)])) {
    ++exponent;
  }
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52);

  const Uint128 scaled = Uint128{mantissa} * kPowersOfTen[static_cast<std::size_t>(17 - exponent)];
  const Uint128 remainderMask = (Uint128{1} << shift) - 1;
  const Uint128 half = Uint128{1} << (shift - 1);
  auto digits = static_cast<std::uint64_t>(scaled >> shift);
  if ((scaled & remainderMask) >= half) {
    ++digits;  // an exact half rounds away from zero
  }
  SeventeenDigits form{digits, exponent};
  CarryThroughNines(form);
  return form;
}

// The complete decimal expansion of a double (at most 767 significant digits), for the
// values outside the fixed range. Slow, but those values never come from a conversion.
struct ExactExpansion {
  std::array<char, 800> buffer;
  const char* digits;  // d1 d2 ... without the point, terminated by 'e'
  int exponent;        // the magnitude is 0.d1d2... x 10^exponent
};

void ExpandExactly(double magnitude, ExactExpansion& out) {
  auto& buffer = out.buffer;
  // Scientific format with enough digits prints the exact value: "d.ddd...e+XX".
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, 767);
  buffer[1] = buffer[0];  // drop the point so the digits run on
  out.digits = buffer.data() + 1;
  int scientificExponent = 0;
  const char* end = result.ptr;
  const char* exponentText = std::find(out.digits, end, 'e') + 1;
  if (*exponentText == '+') {
    ++exponentText;
  }
  std::from_chars(exponentText, end, scientificExponent);
  out.exponent = scientificExponent + 1;
}

std::uint64_t LeadingDigitsRoundedHalfAway(const char* digits, int count) {
  std::uint64_t value = 0;
  for (int i = 0; i < count; ++i) {
    value = value * 10 + static_cast<std::uint64_t>(digits[i] - '0');
  }
  // The expansion is exact, so the next digit alone says whether the rest reaches a half.
  if (digits[count] >= '5' && digits[count] <= '9') {
    ++value;
  }
  return value;
}

SeventeenDigits SeventeenDigitsFromExpansion(double magnitude) {
  ExactExpansion expansion;
  ExpandExactly(magnitude, expansion);
  SeventeenDigits form{LeadingDigitsRoundedHalfAway(expansion.digits, 17), expansion.exponent};
  CarryThroughNines(form);
  return form;
}

constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

void WriteFiveDigits(char* out, std::uint32_t value) {
  out[0] = static_cast<char>('0' + value / 10000);
  value %= 10000;
  std::copy_n(&kDigitPairs[2 * (value / 100)], 2, out + 1);
  std::copy_n(&kDigitPairs[2 * (value % 100)], 2, out + 3);
}

// Exactly ten digits of a value below 10^10, leading zeros included. Two 32-bit halves
// keep the divisions cheap on the hot path.
void WriteTenDigits(char* out, std::uint64_t value) {
  const auto high = static_cast<std::uint32_t>(value / 100000);
  const auto low = static_cast<std::uint32_t>(value % 100000);
  WriteFiveDigits(out, high);
  WriteFiveDigits(out + 5, low);
}

// How many of the ten digits WriteTenDigits writes for `value` are zeros at the end; found
// from the two halves at once rather than byte by byte.
int TrailingZerosOfTenDigits(std::uint64_t value) {
  auto half = static_cast<std::uint32_t>(value % 100000);
  int zeros = 0;
  if (half == 0) {
    half = static_cast<std::uint32_t>(value / 100000);
    zeros = 5;
  }
  if (half == 0) {
    return 10;
  }
  if (half % 10000 == 0) {
    return zeros + 4;
  }
  if (half % 1000 == 0) {
    return zeros + 3;
  }
  if (half % 100 == 0) {
    return zeros + 2;
  }
  return zeros + (half % 10 == 0 ? 1 : 0);
}

// Ten significant digits in fixed notation from the 17-digit form: the 11th digit alone
// decides the cut, a carry out of the first digit lengthens the integer part, and the number
// of decimals stays what the magnitude before the cut gave.
std::string WriteTenSignificantDigits(bool negative, SeventeenDigits form) {
  const int decimals = form.exponent < 10 ? 10 - form.exponent : 0;
  std::uint64_t ten = form.digits / kTenTo7;
  int integerDigits = form.exponent;
  // The 11th digit is 5 or more exactly when the seven cut digits reach 5000000.
  if (form.digits - ten * kTenTo7 >= kTenTo7 / 2) {
    ++ten;
    if (ten == kTenTo10) {
      ten = kTenTo9;
      ++integerDigits;
    }
  }
  const int digitCount = integerDigits + decimals;
  if (digitCount > 11) {
    // Only magnitudes from 10^10 up: a whole number padded with zeros.
    std::string text = negative ? "-" : "";
    text.resize(text.size() + 10);
    WriteTenDigits(text.data() + text.size() - 10, ten);
    text.append(static_cast<std::size_t>(digitCount - 10), '0');
    return text;
  }

  // The digits are written once, in place; the point is let in behind the integer digits.
  // Reading back only single bytes keeps each load inside one earlier store, which is fast.
  std::array<char, 16> text;  // a sign, 11 digits and the point at most
  char* out = text.data();
  if (negative) {
    *out++ = '-';
  }
  char* end = nullptr;
  if (integerDigits == 0) {
    *out++ = '0';
    *out++ = '.';
    WriteTenDigits(out, ten);
    end = out + 10;
  } else {
    WriteTenDigits(out, ten);
    out[10] = '0';  // the eleventh digit after a carry out of the first one
    end = out + digitCount;
    if (decimals > 0) {
      for (char* at = end; at > out + integerDigits; --at) {
        *at = at[-1];
      }
      out[integerDigits] = '.';
      ++end;
    }
  }
  // Zeros at the end of the decimals go; the digits past the ten are zeros too.
  const int zerosAtEnd = digitCount - 10 + TrailingZerosOfTenDigits(ten);
  end -= zerosAtEnd < decimals ? zerosAtEnd : decimals;
  return std::string(text.data(), end);
}

// Below 0.1 the field keeps its ten decimals: the value is rounded to them once.
std::string WriteBelowFixedRange(bool negative, double magnitude) {
  ExactExpansion expansion;
  ExpandExactly(magnitude, expansion);
  const int keptDigits = 10 + expansion.exponent;
  if (keptDigits < 0) {
    return "0.";
  }
  const std::uint64_t tenBillionths = LeadingDigitsRoundedHalfAway(expansion.digits, keptDigits);
  if (tenBillionths == 0) {
    return "0.";
  }
  std::array<char, 10> decimals;
  WriteTenDigits(decimals.data(), tenBillionths);
  char* end = decimals.data() + decimals.size();
  while (end[-1] == '0') {
    --end;
  }
  std::string text = negative ? "-0." : "0.";
  text.append(decimals.data(), end);
  return text;
}

}  // namespace

std::string FormatResultText(double value) {
  if (std::isnan(value)) {
    return "nan";
  }
  const bool negative = std::signbit(value);
  if (std::isinf(value)) {
    return negative ? "-inf" : "inf";
  }
  if (value == 0) {
    return "0.";
  }
  const double magnitude = std::fabs(value);
  // The double 0.1 lies just above a tenth and no double lies between, so this comparison
  // puts every value whose exact decimal is 0.1 or more into the fixed range.
  if (magnitude < 0.1) {
    return WriteBelowFixedRange(negative, magnitude);
  }
  if (magnitude < 1e10) {
    return WriteTenSignificantDigits(negative, SeventeenDigitsInFixedRange(magnitude));
  }
  return WriteTenSignificantDigits(negative, SeventeenDigitsFromExpansion(magnitude));
}

}  // namespace fokuro
