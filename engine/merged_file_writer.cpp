#include "line_tests.h"
#include "merge_engine.h"
#include "number_reading.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace geoplait {
namespace {

constexpr std::string_view kActiveLogName = "<name>ACTIVE LOG";
constexpr std::string_view kNameTag = "<name>";

std::string BoundsLine(double maxlat, double maxlon, double minlat, double minlon) {
  std::string line = "    <bounds maxlat=\"";
  line += FormatBoundsValue(maxlat);
  line += "\" maxlon=\"";
  line += FormatBoundsValue(maxlon);
  line += "\" minlat=\"";
  line += FormatBoundsValue(minlat);
  line += "\" minlon=\"";
  line += FormatBoundsValue(minlon);
  line += "\"/>";
  return line;
}

// "UnnamedTrk" and the counter with at least six digits.
std::string UnnamedTrackName(std::int64_t number) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%06lld", static_cast<long long>(number));
  return std::string("UnnamedTrk") + digits;
}

}  // namespace

bool MergeEngine::WriteHeaderAndWaypoints(OutputSink& out, double maxlat, double maxlon,
                                          double minlat, double minlon) {
  const int count = host_.EntryCount();
  for (int i = 0; i < count; ++i) {
    const std::string path = host_.EntryText(i);
    std::unique_ptr<LineSource> input = OpenInput(path);
    if (!input) {
      return false;
    }
    if (i == 0) {
      // Exactly two lines, the XML declaration and the gpx start tag; the waypoint search
      // starts on the third.
      int copied = 0;
      std::string completed;  // the gpx start tag with the namespaces that later inputs need
      while (copied < 2 && input->ReadLine()) {
        if (!Emit(out, namespaces_.Complete(input->Line(), completed), input->EndsPhysicalLine())) {
          return false;
        }
        if (input->EndsPhysicalLine()) {
          ++copied;
        }
      }
      // A read error in the header must stop the pass before the metadata is written.
      if (InputFailed(*input, path)) {
        return false;
      }
      if (!(maxlat > 90.0)) {
        const bool written =
            Emit(out, "") && Emit(out, "  <metadata>") &&
            Emit(out, "    <link href=\"http://www.garmin.com\">") &&
            Emit(out, "      <text>Garmin International</text>") && Emit(out, "    </link>") &&
            Emit(out, std::string("    <time>") + FormatTimeStamp() + "</time>") &&
            Emit(out, BoundsLine(maxlat, maxlon, minlat, minlon)) && Emit(out, "  </metadata>");
        if (!written) {
          return false;
        }
      }
    }
    bool found = false;
    while (input->ReadLine()) {
      const std::string_view line = input->Line();
      if (Contains(line, "<wpt")) {
        found = true;
        break;
      }
      if (Contains(line, "<trk>")) {
        break;
      }
    }
    if (found) {
      if (!Emit(out, input->Line(), input->EndsPhysicalLine())) {
        return false;
      }
      while (input->ReadLine()) {
        const std::string_view line = input->Line();
        if (IsClosingGpxTag(line) || Contains(line, "<trk>")) {
          break;
        }
        if (!Emit(out, line, input->EndsPhysicalLine())) {
          return false;
        }
      }
      EndSection(out);
    }
    if (InputFailed(*input, path) || out.Failed()) {
      return false;
    }
  }
  return true;
}

bool MergeEngine::WriteTracks(OutputSink& out) {
  // Runs on across all inputs; every merge starts again at 1.
  std::int64_t track_counter = 0;
  const int count = host_.EntryCount();
  for (int i = 0; i < count; ++i) {
    const std::string path = host_.EntryText(i);
    std::unique_ptr<LineSource> input = OpenInput(path);
    if (!input) {
      return false;
    }
    bool found = false;
    while (input->ReadLine()) {
      if (Contains(input->Line(), "<trk>")) {
        found = true;
        break;
      }
    }
    if (found) {
      // The section's first line keeps its name, whatever it holds.
      if (!Emit(out, input->Line(), input->EndsPhysicalLine())) {
        return false;
      }
      while (input->ReadLine()) {
        const std::string_view line = input->Line();
        if (IsClosingGpxTag(line)) {
          break;
        }
        const std::size_t at = FindText(line, kActiveLogName);
        bool written;
        if (at != std::string_view::npos) {
          std::string renamed(line.substr(0, at + kNameTag.size()));
          renamed += UnnamedTrackName(++track_counter);
          renamed += "</name>";
          written = Emit(out, renamed, input->EndsPhysicalLine());
        } else {
          written = Emit(out, line, input->EndsPhysicalLine());
        }
        if (!written) {
          return false;
        }
      }
      EndSection(out);
    }
    if (InputFailed(*input, path) || out.Failed()) {
      return false;
    }
  }
  return Emit(out, "</gpx>");
}

const char* MergeEngine::FormatTimeStamp() {
  // Four digits of year at least; a year past 9999 still fits.
  static char time_stamp[64];
  const std::time_t now = host_.Now();
  struct tm utc {};
  if (gmtime_r(&now, &utc) == nullptr) {
    const std::time_t epoch = 0;
    gmtime_r(&epoch, &utc);
  }
  std::snprintf(time_stamp, sizeof time_stamp, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  return time_stamp;
}

}  // namespace geoplait
