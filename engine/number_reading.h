#pragma once

#include <string>
#include <string_view>

namespace geoplait {

// Reads a decimal number from the start of text into value, in the way the bounds have always
// been read from GPX attributes:
// - nothing, or blanks only: value is left as it was;
// - otherwise value becomes the number, or 0 when no number can be read there (letters, a quote,
//   a lone sign or point, an exponent without digits).
// Reading stops at the first character that cannot continue the number.
void ReadNumber(std::string_view text, double& value);

// A bounds value as the merged file's bounds line writes it: fixed-point, 15 digits after '.',
// rounded half to even, at most 19 significant digits, no sign on zero, "+INF" or "-INF".
std::string FormatBoundsValue(double value);

}  // namespace geoplait
