// Number reading and the bounds number format, on any text and any double.

#include "fuzz_input_file.h"
#include "number_reading.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using geoplait::fuzzing::Fail;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void CheckFormat(double value) {
  const std::string text = geoplait::FormatBoundsValue(value);
  if (std::isinf(value)) {
    if (text != (value > 0 ? "+INF" : "-INF")) {
      Fail("an infinite value is not +INF or -INF");
    }
    return;
  }
  if (std::isnan(value) || std::fabs(value) >= 1e40) {
    if (text.empty() || text.size() > 40) {
      Fail("an out-of-range value has no short text");
    }
    return;
  }
  // -?digits.15 digits, and for values of up to four digits before the point the exact
  // decimal expansion of the extended value, rounded half to even, as the C library writes it.
  std::size_t i = text[0] == '-' ? 1 : 0;
  const std::size_t point = text.find('.');
  if (point == std::string::npos || point == i || text.size() != point + 16 ||
      text.find_first_not_of("0123456789", i) != point ||
      text.find_first_not_of("0123456789", point + 1) != std::string::npos) {
    Fail("a bounds value is not fixed-point with 15 digits");
  }
  if (value == 0 && text != "0.000000000000000") {
    Fail("zero carries a sign");
  }
  if (std::fabs(value) < 1e4 && value != 0) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.15Lf", static_cast<long double>(value));
    if (text != expected) {
      Fail("a bounds value is not rounded as the exact value says");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckFormat(raw);
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // No reading gives NaN, so a NaN shows that the value was left alone.
  double value = std::numeric_limits<double>::quiet_NaN();
  geoplait::ReadNumber(text, value);
  const bool untouched = std::isnan(value);
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) {
    ++i;
  }
  if (i == text.size() && !untouched) {
    Fail("blanks only changed the value");
  }
  if (i < text.size() && untouched) {
    Fail("a text after the blanks left the value unchanged, or read as NaN");
  }
  if (untouched) {
    return 0;
  }
  if (i < text.size() && std::strchr("+-.0123456789", text[i]) == nullptr && value != 0) {
    Fail("a text that starts no number did not read as 0");
  }
  CheckFormat(value);
  return 0;
}
