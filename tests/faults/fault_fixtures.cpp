#include "fault_fixtures.h"

#include <vector>

namespace geoplait::testing {
namespace {

std::string Join(const std::vector<std::string>& lines, const std::string& line_end) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + line_end;
  }
  return text;
}

std::vector<std::string> Body(const std::string& tag) {
  return {
      "  <wpt lat=\"46.5\" lon=\"7.5\">",
      "    <name>" + tag + "-1</name>",
      "  </wpt>",
      "  <wpt lat=\"46.6\" lon=\"7.6\">",
      "    <name>" + tag + "-2</name>",
      "  </wpt>",
      "  <trk>",
      "    <name>ACTIVE LOG " + tag + "</name>",
      "    <trkseg>",
      "      <trkpt lat=\"46.55\" lon=\"7.55\">",
      "        <ele>512.5</ele>",
      "      </trkpt>",
      "    </trkseg>",
      "  </trk>",
      "</gpx>",
  };
}

}  // namespace

std::string GarminInput(const std::string& tag, const std::string& line_end) {
  std::vector<std::string> lines = {
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>",
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"MapSource 6.16.3\" "
      "version=\"1.1\">",
      "",
      "  <metadata>",
      "    <bounds maxlat=\"46.6\" maxlon=\"7.6\" minlat=\"46.5\" minlon=\"7.5\"/>",
      "  </metadata>",
  };
  for (std::string& line : Body(tag)) {
    lines.push_back(std::move(line));
  }
  return Join(lines, line_end);
}

std::string GarminInputWithoutBounds(const std::string& tag, const std::string& line_end) {
  std::vector<std::string> lines = {
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>",
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"eTrex\" version=\"1.1\">",
  };
  for (std::string& line : Body(tag)) {
    lines.push_back(std::move(line));
  }
  return Join(lines, line_end);
}

}  // namespace geoplait::testing
