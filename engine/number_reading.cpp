#include "number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace geoplait {
namespace {

// The arithmetic is done in x87 extended precision; merged files depend on its rounding.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 extended format with a 64-bit mantissa");

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// 10 to the power of exponent, by repeated squaring in extended precision.
long double PowerOfTen(int exponent) {
  long double power = 1.0L;
  long double square = 10.0L;
  for (unsigned bits = static_cast<unsigned>(exponent); bits != 0; bits >>= 1) {
    if (bits & 1U) {
      power *= square;
    }
    square *= square;
  }
  return power;
}

}  // namespace

void ReadNumber(std::string_view text, double& value) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) {
    ++i;
  }
  if (i == text.size()) {
    return;
  }
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  value = 0;

  // Every step of the accumulation is stored as a double. While the digits so far stay below
  // 2^53 that is exact, so they are gathered as an integer, which is much faster.
  constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;
  std::uint64_t exact = 0;
  bool is_exact = true;
  double v = 0;
  int digits = 0;
  int fraction_digits = 0;
  const auto accumulate = [&](char digit) {
    if (is_exact) {
      exact = 10 * exact + static_cast<std::uint64_t>(digit - '0');
      if (exact >= kExactLimit) {
        v = static_cast<double>(exact);
        is_exact = false;
      }
    } else {
      v = static_cast<double>(10.0L * v + (digit - '0'));
    }
  };
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    accumulate(text[i]);
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits, ++fraction_digits) {
      accumulate(text[i]);
    }
  }
  if (digits == 0) {
    return;
  }
  if (is_exact) {
    v = static_cast<double>(exact);
  }

  int exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool exponent_negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      exponent_negative = text[i] == '-';
      ++i;
    }
    if (i == text.size() || !IsDigit(text[i])) {
      return;
    }
    // Digits past the point where the exponent is certain to overflow change nothing.
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      if (exponent < 3080) {
        exponent = 10 * exponent + (text[i] - '0');
      }
    }
    if (exponent_negative) {
      exponent = -exponent;
    }
  }

  int n = exponent - fraction_digits;
  n = std::clamp(n, -30800, 30800);
  if (n <= -307) {
    v = static_cast<double>(v * 1e-154L);
    n += 154;
  }
  if (n < -307) {
    v = 0;
  } else if (n > 308) {
    v = std::numeric_limits<double>::infinity();
  } else if (n < 0) {
    v = static_cast<double>(v / PowerOfTen(-n));
  } else if (n > 0) {
    const long double product = v * PowerOfTen(n);
    if (v > 1 && product > std::numeric_limits<double>::max()) {
      v = std::numeric_limits<double>::infinity();
    } else {
      v = static_cast<double>(product);
    }
  }
  value = negative ? -v : v;
}

std::string FormatBoundsValue(double value) {
  if (std::isinf(value)) {
    return value > 0 ? "+INF" : "-INF";
  }
  if (std::isnan(value)) {
    return "NAN";
  }
  if (value == 0) {
    return "0.000000000000000";
  }
  const long double extended = value;
  char text[128];
  const long double magnitude = std::fabs(extended);
  if (magnitude >= 1e40L) {
    // No coordinate comes near; an exponent form keeps the line short.
    const auto result =
        std::to_chars(text, text + sizeof text, extended, std::chars_format::scientific, 15);
    return std::string(text, result.ptr);
  }
  if (magnitude < 1e4L) {
    const auto result =
        std::to_chars(text, text + sizeof text, extended, std::chars_format::fixed, 15);
    return std::string(text, result.ptr);
  }
  // Five or more digits before the point: 19 significant digits, then zeros.
  const auto result =
      std::to_chars(text, text + sizeof text, extended, std::chars_format::scientific, 18);
  const std::string_view scientific(text, static_cast<std::size_t>(result.ptr - text));
  const std::size_t e = scientific.find('e');
  const bool negative = scientific.front() == '-';
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (IsDigit(c)) {
      digits += c;
    }
  }
  int point = 0;
  std::from_chars(scientific.data() + e + 2, scientific.data() + scientific.size(), point);
  if (scientific[e + 1] == '-') {
    point = -point;
  }
  const std::size_t integer_digits = static_cast<std::size_t>(point) + 1;
  digits.resize(integer_digits + 15, '0');
  std::string formatted = negative ? "-" : "";
  formatted.append(digits, 0, integer_digits);
  formatted += '.';
  formatted.append(digits, integer_digits, 15);
  return formatted;
}

}  // namespace geoplait
