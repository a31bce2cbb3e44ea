// Writes one GPX file in the layout that Garmin's desktop software writes, with pseudo-random
// but reproducible content: the same seed and size always give the same bytes.
//
//   geoplait-bench-generate --seed N --size BYTES [--no-bounds] [--lf|--one-line] OUTPUT

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// SplitMix64: tiny, fast, and the same on every platform and compiler, unlike the
// distributions of <random>.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // A whole number in [0, n).
  std::uint64_t Below(std::uint64_t n) { return Next() % n; }

 private:
  std::uint64_t state_;
};

struct Options {
  std::uint64_t seed = 1;
  std::uint64_t size = 0;
  bool bounds = true;
  const char* line_end = "\r\n";
  const char* output = nullptr;
};

class GpxWriter {
 public:
  GpxWriter(std::FILE* file, const char* line_end) : file_(file), line_end_(line_end) {}

  void Line(const char* text) {
    std::fputs(text, file_);
    std::fputs(line_end_, file_);
    written_ += std::strlen(text) + std::strlen(line_end_);
  }
  std::uint64_t written() const { return written_; }

 private:
  std::FILE* file_;
  const char* line_end_;
  std::uint64_t written_ = 0;
};

// Micro-degrees, so that every coordinate prints exactly.
void Coordinate(char* out, std::size_t size, std::int64_t micro) {
  const char* sign = micro < 0 ? "-" : "";
  const std::int64_t magnitude = micro < 0 ? -micro : micro;
  std::snprintf(out, size, "%s%lld.%06lld", sign, static_cast<long long>(magnitude / 1000000),
                static_cast<long long>(magnitude % 1000000));
}

void Time(char* out, std::size_t size, std::int64_t seconds) {
  const std::int64_t day = seconds / 86400;
  const std::int64_t in_day = seconds % 86400;
  std::snprintf(out, size, "2008-%02lld-%02lldT%02lld:%02lld:%02lldZ",
                static_cast<long long>(1 + (day / 28) % 12), static_cast<long long>(1 + day % 28),
                static_cast<long long>(in_day / 3600), static_cast<long long>(in_day / 60 % 60),
                static_cast<long long>(in_day % 60));
}

void WritePoint(GpxWriter& gpx, Random& random, const char* tag, const char* indent,
                std::int64_t lat, std::int64_t lon, std::int64_t seconds) {
  char lat_text[32], lon_text[32], time_text[32], line[256];
  Coordinate(lat_text, sizeof lat_text, lat);
  Coordinate(lon_text, sizeof lon_text, lon);
  Time(time_text, sizeof time_text, seconds);
  std::snprintf(line, sizeof line, "%s<%s lat=\"%s\" lon=\"%s\">", indent, tag, lat_text, lon_text);
  gpx.Line(line);
  std::snprintf(line, sizeof line, "%s  <ele>%llu.%02llu</ele>", indent,
                static_cast<unsigned long long>(200 + random.Below(2800)),
                static_cast<unsigned long long>(random.Below(100)));
  gpx.Line(line);
  std::snprintf(line, sizeof line, "%s  <time>%s</time>", indent, time_text);
  gpx.Line(line);
}

int Generate(const Options& options) {
  std::FILE* file = std::fopen(options.output, "wb");
  if (file == nullptr) {
    std::perror(options.output);
    return 1;
  }
  static char buffer[1 << 20];
  std::setvbuf(file, buffer, _IOFBF, sizeof buffer);
  Random random(options.seed);
  GpxWriter gpx(file, options.line_end);

  // The area of the whole file, so that the bounds line is true to its points.
  const std::int64_t base_lat = 46000000 + static_cast<std::int64_t>(random.Below(1000000));
  const std::int64_t base_lon = 7000000 + static_cast<std::int64_t>(random.Below(1000000));
  const std::int64_t span = 400000;

  gpx.Line("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>");
  gpx.Line(
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"MapSource 6.16.3\" "
      "version=\"1.1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:schemaLocation=\"http://www.garmin.com/xmlschemas/GpxExtensions/v3 "
      "http://www.garmin.com/xmlschemas/GpxExtensions/v3/GpxExtensionsv3.xsd "
      "http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">");
  gpx.Line("");
  gpx.Line("  <metadata>");
  gpx.Line("    <link href=\"http://www.garmin.com\">");
  gpx.Line("      <text>Garmin International</text>");
  gpx.Line("    </link>");
  gpx.Line("    <time>2008-03-07T09:05:02Z</time>");
  if (options.bounds) {
    char maxlat[32], maxlon[32], minlat[32], minlon[32], line[256];
    Coordinate(maxlat, sizeof maxlat, base_lat + span);
    Coordinate(maxlon, sizeof maxlon, base_lon + span);
    Coordinate(minlat, sizeof minlat, base_lat);
    Coordinate(minlon, sizeof minlon, base_lon);
    std::snprintf(line, sizeof line,
                  "    <bounds maxlat=\"%s\" maxlon=\"%s\" minlat=\"%s\" minlon=\"%s\"/>", maxlat,
                  maxlon, minlat, minlon);
    gpx.Line(line);
  }
  gpx.Line("  </metadata>");
  gpx.Line("");

  // About one part in fifty is waypoints, the rest tracks.
  std::int64_t seconds = static_cast<std::int64_t>(random.Below(86400 * 300));
  const std::uint64_t waypoint_bytes = options.size / 50;
  for (int n = 1; gpx.written() < waypoint_bytes; ++n) {
    seconds += 60 + static_cast<std::int64_t>(random.Below(3600));
    WritePoint(gpx, random, "wpt", "  ", base_lat + static_cast<std::int64_t>(random.Below(span)),
               base_lon + static_cast<std::int64_t>(random.Below(span)), seconds);
    char line[128];
    std::snprintf(line, sizeof line, "    <name>WP%04d</name>", n);
    gpx.Line(line);
    gpx.Line("    <sym>Flag, Blue</sym>");
    gpx.Line("    <extensions>");
    gpx.Line(
        "      <gpxx:WaypointExtension "
        "xmlns:gpxx=\"http://www.garmin.com/xmlschemas/GpxExtensions/v3\">");
    gpx.Line("        <gpxx:DisplayMode>SymbolAndName</gpxx:DisplayMode>");
    gpx.Line("      </gpxx:WaypointExtension>");
    gpx.Line("    </extensions>");
    gpx.Line("  </wpt>");
    gpx.Line("");
  }

  for (int track = 1; gpx.written() < options.size; ++track) {
    gpx.Line("  <trk>");
    char line[128];
    // Most tracks come straight from the receiver's log; a few have been named.
    if (random.Below(4) != 0) {
      std::snprintf(line, sizeof line, "    <name>ACTIVE LOG %03d</name>", track);
    } else {
      std::snprintf(line, sizeof line, "    <name>Day %d</name>", track);
    }
    gpx.Line(line);
    gpx.Line("    <extensions>");
    gpx.Line(
        "      <gpxx:TrackExtension "
        "xmlns:gpxx=\"http://www.garmin.com/xmlschemas/GpxExtensions/v3\">");
    gpx.Line("        <gpxx:DisplayColor>Transparent</gpxx:DisplayColor>");
    gpx.Line("      </gpxx:TrackExtension>");
    gpx.Line("    </extensions>");
    gpx.Line("    <trkseg>");
    std::int64_t lat = base_lat + static_cast<std::int64_t>(random.Below(span));
    std::int64_t lon = base_lon + static_cast<std::int64_t>(random.Below(span));
    const std::uint64_t points = 200 + random.Below(3000);
    for (std::uint64_t i = 0; i < points && gpx.written() < options.size; ++i) {
      // A walk that stays inside the area.
      lat = base_lat +
            (lat - base_lat + static_cast<std::int64_t>(random.Below(201)) - 100 + span) % span;
      lon = base_lon +
            (lon - base_lon + static_cast<std::int64_t>(random.Below(201)) - 100 + span) % span;
      seconds += 1 + static_cast<std::int64_t>(random.Below(10));
      WritePoint(gpx, random, "trkpt", "      ", lat, lon, seconds);
      gpx.Line("      </trkpt>");
    }
    gpx.Line("    </trkseg>");
    gpx.Line("  </trk>");
    gpx.Line("");
  }
  gpx.Line("</gpx>");

  if (std::fclose(file) != 0) {
    std::perror(options.output);
    return 1;
  }
  return 0;
}

int Usage() {
  std::fputs(
      "usage: geoplait-bench-generate --seed N --size BYTES [--no-bounds] [--lf|--one-line] "
      "OUTPUT\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      options.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--size" && i + 1 < argc) {
      options.size = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--no-bounds") {
      options.bounds = false;
    } else if (arg == "--lf") {
      options.line_end = "\n";
    } else if (arg == "--one-line") {
      // The whole file on one line, as current receivers write it.
      options.line_end = "";
    } else if (options.output == nullptr && !arg.starts_with("-")) {
      options.output = argv[i];
    } else {
      return Usage();
    }
  }
  if (options.output == nullptr || options.size == 0) {
    return Usage();
  }
  return Generate(options);
}
