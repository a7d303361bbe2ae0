#include <cstdint>

#include "conversion/conversion.h"

namespace fokuro {
namespace {

bool IsSpace(unsigned char byte) {
  return (byte >= 0x09 && byte <= 0x0D) || byte == 0x20;
}

bool IsDigit(unsigned char byte) {
  return byte >= '0' && byte <= '9';
}

}  // namespace

std::int32_t ReadTypedInteger(std::string_view text) {
  std::size_t at = 0;
  // A zero byte ends the text; reading it as "not a space, sign or digit" stops every step.
  const auto byteAt = [&](std::size_t i) -> unsigned char {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
  };

  while (IsSpace(byteAt(at))) {
    ++at;
  }
  const unsigned char sign = byteAt(at);
  if (sign == '+' || sign == '-') {
    ++at;
  }
  // Unsigned arithmetic wraps modulo 2^32, exactly as typed numbers beyond the range must.
  std::uint32_t value = 0;
  for (unsigned char byte = byteAt(at); IsDigit(byte); byte = byteAt(++at)) {
    value = value * 10u + static_cast<std::uint32_t>(byte - '0');
  }
  if (sign == '-') {
    value = 0u - value;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace fokuro
