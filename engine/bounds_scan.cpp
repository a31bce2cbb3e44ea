#include "line_tests.h"
#include "merge_engine.h"
#include "number_reading.h"

#include <algorithm>
#include <string>

namespace geoplait {
namespace {

struct Bounds {
  double maxlat = 0;
  double maxlon = 0;
  double minlat = 0;
  double minlon = 0;
};

}  // namespace

bool MergeEngine::ScanBounds(double& maxlat, double& maxlon, double& minlat, double& minlon) {
  bool result = true;
  bool nothing_yet = true;
  // One input's contribution. Kept from one input to the next, so that a key with no number
  // after it keeps the value of an earlier input.
  Bounds in;
  namespaces_.Clear();
  const int count = host_.EntryCount();
  for (int i = 0; i < count; ++i) {
    const std::string path = host_.EntryText(i);
    std::unique_ptr<LineSource> input = OpenInput(path);
    if (!input) {
      result = false;
      continue;
    }
    if (!CollectNamespaces(*input, path)) {
      result = false;
    }
    enum class Kind { kNeither, kBounds, kPoints } kind = Kind::kNeither;
    while (input->ReadLine()) {
      const std::string_view line = input->Line();
      // A line with both a bounds tag and a point tag counts by its bounds.
      if (Contains(line, "<bounds ")) {
        kind = Kind::kBounds;
        break;
      }
      if (Contains(line, "<trkpt ") || Contains(line, "<wpt ")) {
        kind = Kind::kPoints;
        break;
      }
    }
    bool contributed = false;
    if (kind == Kind::kBounds) {
      // Once the scan has failed the bounds are of no use, and no more values are read.
      if (result) {
        const std::string_view line = input->Line();
        contributed = ReadAttributeValue(in.maxlat, line, "maxlat=\"") &&
                      ReadAttributeValue(in.maxlon, line, "maxlon=\"") &&
                      ReadAttributeValue(in.minlat, line, "minlat=\"") &&
                      ReadAttributeValue(in.minlon, line, "minlon=\"");
        result = contributed;
      }
    } else if (kind == Kind::kPoints) {
      if (!ScanPointBounds(*input, in.maxlat, in.maxlon, in.minlat, in.minlon)) {
        return false;
      }
      contributed = true;
    }
    if (InputFailed(*input, path)) {
      result = false;
      contributed = false;
    }
    if (contributed) {
      if (nothing_yet) {
        maxlat = in.maxlat;
        maxlon = in.maxlon;
        minlat = in.minlat;
        minlon = in.minlon;
        nothing_yet = false;
      } else {
        maxlat = std::max(maxlat, in.maxlat);
        maxlon = std::max(maxlon, in.maxlon);
        minlat = std::min(minlat, in.minlat);
        minlon = std::min(minlon, in.minlon);
      }
    }
  }
  // No latitude is above 90: this marks that no input gave bounds.
  if (nothing_yet) {
    maxlat = 100.0;
  }
  return result;
}

bool MergeEngine::ScanPointBounds(LineSource& input, double& maxlat, double& maxlon, double& minlat,
                                  double& minlon) {
  // The point values start at 0 in every input, so that a key with no number after it on the
  // input's first point line reads as 0.
  double lat = 0;
  double lon = 0;
  bool first_point = true;
  do {
    const std::string_view line = input.Line();
    if (Contains(line, "<wpt ") || Contains(line, "<trkpt ")) {
      if (!ReadAttributeValue(lat, line, "lat=\"") || !ReadAttributeValue(lon, line, "lon=\"")) {
        return false;
      }
      if (first_point) {
        maxlat = minlat = lat;
        maxlon = minlon = lon;
        first_point = false;
      } else {
        maxlat = std::max(maxlat, lat);
        maxlon = std::max(maxlon, lon);
        minlat = std::min(minlat, lat);
        minlon = std::min(minlon, lon);
      }
    }
  } while (input.ReadLine());
  return true;
}

bool MergeEngine::ReadAttributeValue(double& value, std::string_view line, std::string_view key) {
  const std::size_t at = FindText(line, key);
  if (at == std::string_view::npos) {
    std::string message = CurrentInputName();
    message += ":\nA line in this file is missing the ";
    message += key;
    message += " field.";
    Tell(message, kStyleStop);
    return false;
  }
  ReadNumber(line.substr(at + key.size()), value);
  return true;
}

}  // namespace geoplait
