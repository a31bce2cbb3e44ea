#pragma once

#include <string>

namespace geoplait::testing {

// A small input in the layout of Garmin's desktop software: a bounds line near the top, two
// waypoints, one track. tag tells inputs apart in a merged file.
std::string GarminInput(const std::string& tag, const std::string& line_end = "\r\n");

// The same without a metadata block, so that the bounds scan reads it to its end.
std::string GarminInputWithoutBounds(const std::string& tag, const std::string& line_end = "\n");

}  // namespace geoplait::testing
