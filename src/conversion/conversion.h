// Focal-length conversion: crop classes, reading a typed length and writing a result.
//
// Pure functions: no window, no locale, no state, no errors. Texts are byte strings that
// end at their first zero byte, also inside a string_view.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fokuro {

// Reads a whole number the way the input fields are read, byte by byte:
// leading spaces (0x09-0x0D, 0x20), at most one sign directly before the digits, then
// ASCII digits with wrap-around modulo 2^32. Anything else stops the reading.
//   "28" -> 28        " 35mm" -> 35      "3.5" -> 3        "- 17" -> 0
//   "abc" -> 0        "2147483648" -> -2147483648          "99999999999" -> 1215752191
// Full-width digits (bytes 0x80 and above) stop the reading: "２８" -> 0.
std::int32_t ReadTypedInteger(std::string_view text);

// Writes a value as a result field shows it: ten significant digits in fixed notation.
// The exact binary value is first rounded to 17 significant digits, halves away from zero,
// and then cut to ten by the 11th digit of that form; zeros at the end of the decimals go,
// the point stays unless the number has ten integer digits.
//   0, -0 -> "0."              28 * 1.6 (44.800000000000004) -> "44.8"
//   50 -> "50."                -17 -> "-17."                0.1 -> "0.1"
//   999999999.96 -> "1000000000."                            1000000000.5 -> "1000000001"
//   1234567891 * 1.1 (1358024680.1000001) -> "1358024680"
// The conversion only ever hands over zero or magnitudes from 0.1 to below 10^10; then the
// text is at most 12 bytes of "-0123456789.". Other values get these texts:
//   - magnitudes below 0.1: ten decimals, rounded half away from zero, zeros at the end
//     removed; what rounds to nothing is "0."      0.05 -> "0.05", 1e-11 -> "0."
//   - magnitudes from 10^10 up: ten significant digits, rounded the same two-step way,
//     as a whole number with no point              12345678901 -> "12345678900"
//   - infinities and NaN: "inf", "-inf" and "nan".
std::string FormatResultText(double value);

// The factor of a crop class, known by its radio button number 1001 (1.0) to 1008 (1.7).
// Every other number, 0 ("none checked") included, gives 1.0.
double CropFactorForClass(int classNumber);

struct FocalLengthResults {
  std::string wide;
  std::string tele;
};

// Both ends of a lens at a crop class: typed number times the class's factor, written as a
// result text. The wide end is always converted (an empty text gives "0."); the tele
// result is empty exactly when the tele text is empty.
//   (1007, "28", "") -> {"44.8", ""}          (1007, "18", "55") -> {"28.8", "88."}
FocalLengthResults ConvertFocalLengths(int classNumber, std::string_view wideText,
                                       std::string_view teleText);

}  // namespace fokuro
