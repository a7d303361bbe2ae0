#include "conversion/conversion.h"

namespace fokuro {
namespace {

std::string_view UpToZeroByte(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::string ConvertOneEnd(std::string_view text, double factor) {
  return FormatResultText(static_cast<double>(ReadTypedInteger(text)) * factor);
}

}  // namespace

FocalLengthResults ConvertFocalLengths(int classNumber, std::string_view wideText,
                                       std::string_view teleText) {
  const double factor = CropFactorForClass(classNumber);
  FocalLengthResults results;
  results.wide = ConvertOneEnd(wideText, factor);
  // An empty tele field means a prime lens: no second result. Spaces are not empty.
  if (!UpToZeroByte(teleText).empty()) {
    results.tele = ConvertOneEnd(teleText, factor);
  }
  return results;
}

}  // namespace fokuro
