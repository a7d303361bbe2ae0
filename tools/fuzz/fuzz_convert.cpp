// libFuzzer target over ConvertFocalLengths.
//
// Input layout: bytes 0-3 are the class number (int32, little-endian); byte 4 is the length
// L of the wide text (cut to what is left); the next L bytes are the wide text and all the
// rest is the tele text. Shorter inputs are ignored. Both texts may hold zero bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "conversion/conversion.h"
#include "exact_reference.h"

namespace {

[[noreturn]] void Fail(const char* what, int classNumber, std::string_view text,
                       const std::string& got, std::string_view expected) {
  std::fprintf(stderr,
               "fokuro-fuzz: %s (class %d, text of %zu bytes, got \"%s\", expected \"%.*s\")\n",
               what, classNumber, text.size(), got.c_str(), static_cast<int>(expected.size()),
               expected.data());
  std::abort();
}

std::string_view UpToZeroByte(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

// One result against the reference for the number the core reads from its text.
void CheckResult(int classNumber, std::string_view text, const std::string& got) {
  const fokuro::reference::ExpectedBuffer expected = fokuro::reference::Expected(
      fokuro::ReadTypedInteger(text), fokuro::reference::FactorTenths(classNumber));
  if (got.size() > 12) {
    Fail("result longer than 12 bytes", classNumber, text, got, expected.view());
  }
  if (got.find_first_not_of("-0123456789.") != std::string::npos) {
    Fail("result holds a byte outside -0123456789.", classNumber, text, got, expected.view());
  }
  if (got != expected.view()) {
    Fail("result differs from the reference", classNumber, text, got, expected.view());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) {
    return 0;
  }
  std::uint32_t classBits = 0;
  for (int i = 3; i >= 0; --i) {
    classBits = (classBits << 8) | data[i];
  }
  const auto classNumber = static_cast<std::int32_t>(classBits);
  const std::size_t rest = size - 5;
  const std::size_t wideLength = data[4] < rest ? data[4] : rest;
  const auto* text = reinterpret_cast<const char*>(data + 5);
  const std::string_view wide(text, wideLength);
  const std::string_view tele(text + wideLength, rest - wideLength);

  const fokuro::FocalLengthResults results = fokuro::ConvertFocalLengths(classNumber, wide, tele);
  CheckResult(classNumber, wide, results.wide);
  if (UpToZeroByte(tele).empty()) {
    if (!results.tele.empty()) {
      Fail("tele result for an empty tele text", classNumber, tele, results.tele, "");
    }
  } else {
    if (results.tele.empty()) {
      Fail("no tele result for a tele text", classNumber, tele, results.tele, "");
    }
    CheckResult(classNumber, tele, results.tele);
  }
  return 0;
}
