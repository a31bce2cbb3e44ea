#include "fault_injection.h"
#include "merge_engine.h"
#include "merge_fixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

namespace geoplait {
namespace {

using geoplait::testing::Box;
using geoplait::testing::FaultyOpener;
using geoplait::testing::Lines;
using geoplait::testing::MergeFixture;
using geoplait::testing::RecordedMessage;

std::string BoundsInput(const std::string& bounds_attributes) {
  return Lines({"<?xml version=\"1.0\"?>", "<gpx version=\"1.1\">", "  <metadata>",
                "    <bounds " + bounds_attributes + "/>", "  </metadata>",
                "  <wpt lat=\"10\" lon=\"10\"/>", "</gpx>"});
}

std::string Bounds(double maxlat, double maxlon, double minlat, double minlon) {
  return "maxlat=\"" + std::to_string(maxlat) + "\" maxlon=\"" + std::to_string(maxlon) +
         "\" minlat=\"" + std::to_string(minlat) + "\" minlon=\"" + std::to_string(minlon) + "\"";
}

std::string PointInput(const std::vector<std::string>& points) {
  std::vector<std::string> lines = {"<?xml version=\"1.0\"?>", "<gpx>", "<trk>", "<trkseg>"};
  for (const std::string& point : points) {
    lines.push_back("<trkpt " + point + "></trkpt>");
  }
  lines.insert(lines.end(), {"</trkseg>", "</trk>", "</gpx>"});
  return Lines(lines);
}

std::string MissingField(const std::string& path, const std::string& key) {
  return path + ":\nA line in this file is missing the " + key + " field.";
}

struct ScanResult {
  bool ok;
  double maxlat, maxlon, minlat, minlon;
};

ScanResult Scan(MergeFixture& f) {
  ScanResult r{};
  MergeOptions options;
  options.input_opener = f.input_opener;
  options.relayout = f.relayout;
  MergeEngine engine(f.host, options);
  r.ok = engine.ScanBounds(r.maxlat, r.maxlon, r.minlat, r.minlon);
  return r;
}

void ExpectBounds(const ScanResult& r, double maxlat, double maxlon, double minlat, double minlon) {
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.maxlat, maxlat);
  EXPECT_EQ(r.maxlon, maxlon);
  EXPECT_EQ(r.minlat, minlat);
  EXPECT_EQ(r.minlon, minlon);
}

TEST(ScanBounds, CombinesBoundsLinesInEitherOrder) {
  const std::string a = BoundsInput(Bounds(47.5, 8.25, 46.75, 7.5));
  const std::string b = BoundsInput(Bounds(48.0, 8.0, 47.0, 7.25));
  for (const bool a_first : {true, false}) {
    MergeFixture f;
    f.AddInput("1.gpx", a_first ? a : b);
    f.AddInput("2.gpx", a_first ? b : a);
    ExpectBounds(Scan(f), 48.0, 8.25, 46.75, 7.25);
    EXPECT_TRUE(f.host.messages.empty());
  }
}

TEST(ScanBounds, InputWithoutBoundsCountsByItsPoints) {
  MergeFixture f;
  f.AddInput("points.gpx", PointInput({"lat=\"46.2\" lon=\"9.5\"", "lat=\"46.0\" lon=\"9.1\"",
                                       "lon=\"9.0\" lat=\"46.5\""}));
  f.AddInput("bounds.gpx", BoundsInput(Bounds(47.5, 8.25, 46.75, 7.5)));
  ExpectBounds(Scan(f), 47.5, 9.5, 46.0, 7.5);
}

TEST(ScanBounds, PointLineBeforeBoundsLineWins) {
  MergeFixture f;
  f.AddInput("a.gpx",
             Lines({"<gpx>", "<wpt lat=\"1.5\" lon=\"2.5\"/>",
                    "<bounds " + Bounds(50, 60, -50, -60) + "/>", "<trkpt lat=\"-1\" lon=\"3\">"}));
  ExpectBounds(Scan(f), 1.5, 3.0, -1.0, 2.5);
}

TEST(ScanBounds, SinglePointGivesEqualMaximaAndMinima) {
  MergeFixture f;
  f.AddInput("a.gpx", PointInput({"lat=\"45.25\" lon=\"-3.5\""}));
  ExpectBounds(Scan(f), 45.25, -3.5, 45.25, -3.5);
}

TEST(ScanBounds, AttributesInAnyOrderAmongOthers) {
  MergeFixture f;
  f.AddInput("a.gpx", Lines({"<gpx>",
                             "<bounds minlon=\"7.5\" id=\"x\" maxlat=\"47.5\" minlat=\"46.75\" "
                             "foo=\"1\" maxlon=\"8.25\"/>"}));
  ExpectBounds(Scan(f), 47.5, 8.25, 46.75, 7.5);
}

TEST(ScanBounds, NoBoundsAndNoPointsMarksMaxlat100) {
  MergeFixture f;
  f.AddInput("routes.gpx", Lines({"<gpx>", "<rte>", "<rtept lat=\"1\" lon=\"2\"/>", "</rte>"}));
  f.AddInput("empty.gpx", "");
  ScanResult r = Scan(f);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.maxlat, 100.0);
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(ScanBounds, TagsThatAreNotBoundsOrPointTags) {
  // Only "<bounds " with a blank marks a bounds line; the input is searched on for points.
  for (const std::string not_bounds :
       {"<bounds\tmaxlat=\"80\"", "<bounds", "<BOUNDS maxlat=\"80\""}) {
    SCOPED_TRACE(not_bounds);
    MergeFixture f;
    f.AddInput("a.gpx", Lines({"<gpx>", not_bounds, "<wpt\tlat=\"9\" lon=\"9\"/>",
                               "<trkpt lat=\"1\" lon=\"2\"/>"}));
    ExpectBounds(Scan(f), 1.0, 2.0, 1.0, 2.0);
  }
}

TEST(ScanBounds, EveryInputThatCannotBeOpenedIsReported) {
  MergeFixture f;
  const std::string missing = f.dir.File("missing.gpx");
  f.AddEntry(missing);
  f.AddEntry(f.dir.path());
  f.AddEntry(f.dir.File("missing.gpx/x.gpx"));
  EXPECT_FALSE(Scan(f).ok);
  EXPECT_EQ(
      f.host.messages,
      (std::vector<RecordedMessage>{
          Box(missing + ": No such file or directory\n", kStyleStop),
          Box(f.dir.path() + ": Is a directory\n", kStyleStop),
          Box(f.dir.File("missing.gpx/x.gpx") + ": No such file or directory\n", kStyleStop)}));
}

struct MissingFieldCase {
  const char* name;
  std::string bounds_line;
  std::string missing_key;
};

void PrintTo(const MissingFieldCase& c, std::ostream* os) {
  *os << c.name;
}

class ScanBoundsMissingField : public ::testing::TestWithParam<MissingFieldCase> {};

TEST_P(ScanBoundsMissingField, ReportsFirstMissingKey) {
  MergeFixture f;
  const std::string path =
      f.AddInput("a.gpx", Lines({"<gpx>", GetParam().bounds_line, "  minlon=\"1\"/>"}));
  EXPECT_FALSE(Scan(f).ok);
  EXPECT_EQ(
      f.host.messages,
      (std::vector<RecordedMessage>{Box(MissingField(path, GetParam().missing_key), kStyleStop)}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScanBoundsMissingField,
    ::testing::Values(
        MissingFieldCase{"Minlon", "<bounds maxlat=\"1\" maxlon=\"2\" minlat=\"3\"", "minlon=\""},
        MissingFieldCase{"AllButTheFirst", "<bounds maxlat=\"1\"", "maxlon=\""},
        MissingFieldCase{"BlanksAroundEquals", "<bounds maxlat = \"1\" maxlon=\"2\"", "maxlat=\""},
        MissingFieldCase{"SingleQuotes", "<bounds maxlat='1' maxlon=\"2\"", "maxlat=\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanBounds, AfterAFailedBoundsLineLaterInputsAreStillOpenedAndPointsScanned) {
  MergeFixture f;
  const std::string broken = f.AddInput("broken.gpx", Lines({"<bounds maxlat=\"1\"/>"}));
  f.AddInput("fine.gpx", BoundsInput("maxlat=\"1\"/>"));  // read no more: no second message
  const std::string missing = f.dir.File("missing.gpx");
  f.AddEntry(missing);
  const std::string points = f.AddInput("points.gpx", PointInput({"lat=\"1\""}));
  EXPECT_FALSE(Scan(f).ok);
  EXPECT_EQ(f.host.messages, (std::vector<RecordedMessage>{
                                 Box(MissingField(broken, "maxlon=\""), kStyleStop),
                                 Box(missing + ": No such file or directory\n", kStyleStop),
                                 Box(MissingField(points, "lon=\""), kStyleStop)}));
}

TEST(ScanBounds, PointLineWithoutLatOrLonEndsTheScanAtOnce) {
  for (const std::string point : {"lon=\"2\"", "", "lat=\"1\""}) {
    SCOPED_TRACE(point);
    MergeFixture f;
    const std::string path = f.AddInput("a.gpx", PointInput({"lat=\"5\" lon=\"5\"", point}));
    f.AddEntry(f.dir.File("never-opened.gpx"));
    EXPECT_FALSE(Scan(f).ok);
    const std::string key = point.find("lat") == std::string::npos ? "lat=\"" : "lon=\"";
    EXPECT_EQ(f.host.messages,
              (std::vector<RecordedMessage>{Box(MissingField(path, key), kStyleStop)}));
  }
}

TEST(ScanBounds, KeyWithNothingAfterItKeepsTheEarlierInputsValue) {
  const std::string no_maxlat =
      Lines({"<gpx>", "<bounds maxlon=\"8\" minlat=\"46\" minlon=\"7\" maxlat=\"   "});
  {
    MergeFixture f;
    f.AddInput("1.gpx", BoundsInput(Bounds(47.5, 8.25, 46.75, 7.5)));
    f.AddInput("2.gpx", no_maxlat);
    ExpectBounds(Scan(f), 47.5, 8.25, 46.0, 7.0);
  }
  {
    // With no earlier value the key reads as 0.
    MergeFixture f;
    f.AddInput("1.gpx", no_maxlat);
    ExpectBounds(Scan(f), 0.0, 8.0, 46.0, 7.0);
  }
}

TEST(ScanBounds, UnreadableNumbersCountAsZero) {
  MergeFixture f;
  f.AddInput("a.gpx", PointInput({"lat=\"46.5e\" lon=\"abc\"", "lat=\"-3\" lon=\"-4\""}));
  ExpectBounds(Scan(f), 0.0, 0.0, -3.0, -4.0);
}

TEST(ScanBounds, ReadErrorInsideAnInputIsReportedAndFailsTheScan) {
  MergeFixture f;
  // The read after the first point line fails, as a failing disk would.
  FaultyOpener opener;
  opener.read_faults = {{1, 5, EIO}};
  f.input_opener = &opener;
  const std::string path =
      f.AddInput("disk.gpx", PointInput({"lat=\"1\" lon=\"2\"", "lat=\"3\" lon=\"4\""}));
  EXPECT_FALSE(Scan(f).ok);
  EXPECT_EQ(f.host.messages,
            (std::vector<RecordedMessage>{Box(path + ": Input/output error\n", kStyleStop)}));
}

}  // namespace
}  // namespace geoplait
