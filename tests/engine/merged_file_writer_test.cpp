#include "merge_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait {
namespace {

using geoplait::testing::Lines;
using geoplait::testing::MergeFixture;

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>";
const std::string kGpx = "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">";

// The merged file's lines, as they are written with CR LF.
std::string Out(const std::vector<std::string>& lines) {
  return Lines(lines, "\r\n");
}

std::vector<std::string> Metadata(const std::string& bounds) {
  return {"",
          "  <metadata>",
          "    <link href=\"http://www.garmin.com\">",
          "      <text>Garmin International</text>",
          "    </link>",
          "    <time>2008-03-07T09:05:02Z</time>",
          "    <bounds " + bounds + "/>",
          "  </metadata>"};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

std::string Merged(MergeFixture& f) {
  EXPECT_TRUE(f.Merge());
  return f.Output();
}

TEST(MergedFile, LayoutOfAMergeOfTwoInputs) {
  MergeFixture f;
  f.AddInput("a.gpx",
             Lines({kDeclaration, kGpx, "  <metadata>",
                    "    <bounds maxlat=\"47.5\" maxlon=\"8.25\" minlat=\"46.75\" "
                    "minlon=\"7.5\"/>",
                    "  </metadata>", "  <wpt lat=\"47\" lon=\"8\">", "    <name>A</name>",
                    "  </wpt>", "  <trk>", "    <name>ACTIVE LOG</name>", "    <trkseg>",
                    "      <trkpt lat=\"47\" lon=\"8\"/>", "    </trkseg>", "  </trk>", "</gpx>"}));
  f.AddInput("b.gpx", Lines({"<?xml version=\"1.0\"?>", "<gpx creator=\"other\">",
                             "  <wpt lat=\"46.5\" lon=\"7.25\">", "  </wpt>", "  <trk>",
                             "    <name>ACTIVE LOG 002</name>", "  </trk>", "  <trk>",
                             "    <name>My walk</name>", "  </trk>", "</gpx>"},
                            "\r\n"));
  EXPECT_EQ(Merged(f),
            Out(Join({{kDeclaration, kGpx},
                      Metadata("maxlat=\"47.500000000000000\" maxlon=\"8.250000000000000\" "
                               "minlat=\"46.500000000000000\" minlon=\"7.250000000000000\""),
                      {"  <wpt lat=\"47\" lon=\"8\">", "    <name>A</name>", "  </wpt>",
                       "  <wpt lat=\"46.5\" lon=\"7.25\">", "  </wpt>", "  <trk>",
                       "    <name>UnnamedTrk000001</name>", "    <trkseg>",
                       "      <trkpt lat=\"47\" lon=\"8\"/>", "    </trkseg>", "  </trk>",
                       "  <trk>", "    <name>UnnamedTrk000002</name>", "  </trk>", "  <trk>",
                       "    <name>My walk</name>", "  </trk>", "</gpx>"}})));
}

TEST(MergedFile, WithoutBoundsThereIsNoMetadataBlock) {
  MergeFixture f;
  f.AddInput("a.gpx", Lines({kDeclaration, kGpx, "<rte>", "</rte>", "</gpx>"}));
  f.AddInput("b.gpx", Lines({kDeclaration, kGpx, "<wpt lat=\"x\" lon=\"y\"/>", "</gpx>"}));
  // The waypoint's numbers cannot be read, but it is there: 0 gives bounds. Without it, none.
  EXPECT_NE(Merged(f).find("<metadata>"), std::string::npos);

  MergeFixture g;
  g.AddInput("a.gpx", Lines({kDeclaration, kGpx, "<wptx/>", "<rte>", "</rte>", "</gpx>"}));
  EXPECT_EQ(Merged(g), Out({kDeclaration, kGpx, "<wptx/>", "<rte>", "</rte>", "</gpx>"}));
}

TEST(MergedFile, MetadataBlockUpToMaxlat90) {
  for (const auto& [maxlat, written] :
       {std::pair{"90", true}, {"90.0000001", false}, {"1e2", false}}) {
    SCOPED_TRACE(maxlat);
    MergeFixture f;
    f.AddInput("a.gpx", Lines({kDeclaration, kGpx,
                               std::string("<bounds maxlat=\"") + maxlat +
                                   "\" maxlon=\"1\" minlat=\"-1\" minlon=\"-1\"/>",
                               "</gpx>"}));
    EXPECT_EQ(Merged(f).find("<metadata>") != std::string::npos, written);
  }
}

TEST(MergedFile, FirstInputsThirdLineIsKept) {
  MergeFixture f;
  f.AddInput("a.gpx", Lines({kDeclaration, kGpx, "<wpt lat=\"1\" lon=\"1\">", "</wpt>",
                             "<wpt lat=\"2\" lon=\"2\">", "</wpt>", "</gpx>"}));
  const std::string out = Merged(f);
  EXPECT_NE(out.find("</metadata>\r\n<wpt lat=\"1\" lon=\"1\">\r\n</wpt>\r\n<wpt lat=\"2\""),
            std::string::npos)
      << out;
}

TEST(MergedFile, SectionRules) {
  MergeFixture f;
  // Tracks before waypoints: no waypoint section; the waypoint comes inside the track section.
  f.AddInput("a.gpx",
             Lines({kDeclaration, kGpx, "<trk>", "<name>ACTIVE LOG</name>", "</trk>",
                    "<wpt lat=\"1\" lon=\"1\"><name>ACTIVE LOG x</name></wpt>", "</gpx>"}));
  // A closing tag with anything else on its line ends nothing; without a track or a closing
  // tag the section runs to the end.
  f.AddInput("b.gpx", Lines({"x", "<wpt lat=\"2\" lon=\"2\"/>", "  </gpx>", "</gpx> ", "<rte/>"}));
  // A line with both tags starts both sections.
  f.AddInput("c.gpx", Lines({"<wpt lat=\"3\" lon=\"3\"/><trk>", "<name>ACTIVE LOG 7</name>",
                             "</gpx>", "<wpt lat=\"9\" lon=\"9\"/>"}));
  // The track section's first line keeps its name; a renamed line loses its tail.
  f.AddInput("d.gpx", Lines({"<wpt lat=\"4\" lon=\"4\"/>", "<trk><name>ACTIVE LOG</name>",
                             "  <name>ACTIVE LOG 2008-03-07 extra</name> tail"}));
  EXPECT_EQ(
      Merged(f),
      Out(Join({{kDeclaration, kGpx},
                Metadata("maxlat=\"9.000000000000000\" maxlon=\"9.000000000000000\" "
                         "minlat=\"1.000000000000000\" minlon=\"1.000000000000000\""),
                {"<wpt lat=\"2\" lon=\"2\"/>", "  </gpx>", "</gpx> ", "<rte/>",
                 "<wpt lat=\"3\" lon=\"3\"/><trk>", "<name>ACTIVE LOG 7</name>",
                 "<wpt lat=\"4\" lon=\"4\"/>", "<trk>", "<name>UnnamedTrk000001</name>", "</trk>",
                 "<wpt lat=\"1\" lon=\"1\"><name>UnnamedTrk000002</name>",
                 "<wpt lat=\"3\" lon=\"3\"/><trk>", "<name>UnnamedTrk000003</name>",
                 "<trk><name>ACTIVE LOG</name>", "  <name>UnnamedTrk000004</name>", "</gpx>"}})));
}

TEST(MergedFile, EveryLineEndsInCrLfWhateverTheInputsUse) {
  MergeFixture f;
  f.AddInput("lf.gpx", Lines({kDeclaration, kGpx, "<wpt lat=\"1\" lon=\"1\"/>"}));
  f.AddInput("crlf.gpx", Lines({kDeclaration, kGpx, "<wpt lat=\"2\" lon=\"2\"/>"}, "\r\n"));
  f.AddInput("cr.gpx", "a\rb\r<wpt lat=\"3\"\r lon=\"3\"/>\r");
  const std::string out = Merged(f);
  EXPECT_EQ(out.substr(out.find("<wpt")),
            Out({"<wpt lat=\"1\" lon=\"1\"/>", "<wpt lat=\"2\" lon=\"2\"/>",
                 "ab<wpt lat=\"3\" lon=\"3\"/>", "</gpx>"}));
}

TEST(MergedFile, LongLinesAreCopiedWhole) {
  const std::string line5119 = "<wpt lat=\"1\" lon=\"1\">" + std::string(5119 - 21, 'x');
  const std::string line12000 = "<desc>" + std::string(12000 - 6, 'y');
  MergeFixture f;
  f.AddInput("a.gpx", Lines({kDeclaration, kGpx, line5119, line12000, "</wpt>"}));
  ASSERT_EQ(line5119.size(), 5119u);
  const std::string out = Merged(f);
  EXPECT_EQ(out.substr(out.find("<wpt")), Out({line5119, line12000, "</wpt>", "</gpx>"}));
}

TEST(MergedFile, SectionStoppingInsideALongLineStillEndsIt) {
  MergeFixture f;
  // The piece after the first 5119 characters is "</gpx>" and ends the section.
  f.AddInput("a.gpx", Lines({kDeclaration, kGpx, "<wpt lat=\"1\" lon=\"1\"/>",
                             std::string(5119, 'z') + "</gpx>"}));
  f.AddInput("b.gpx", Lines({"<wpt lat=\"2\" lon=\"2\"/>"}));
  const std::string out = Merged(f);
  EXPECT_EQ(out.substr(out.find("<wpt")), Out({"<wpt lat=\"1\" lon=\"1\"/>", std::string(5119, 'z'),
                                               "<wpt lat=\"2\" lon=\"2\"/>", "</gpx>"}));
}

TEST(MergedFile, LinesAreSeenUpToTheirFirstNul) {
  MergeFixture f;
  f.AddInput("a.gpx",
             Lines({kDeclaration, kGpx, std::string("<wpt lat=\"1\" lon=\"1\"/>\0lost", 28),
                    std::string("</gpx>\0", 7)}));
  f.AddInput("b.gpx", Lines({"<wpt lat=\"2\" lon=\"2\"/>"}));
  const std::string out = Merged(f);
  EXPECT_EQ(out.substr(out.find("<wpt")),
            Out({"<wpt lat=\"1\" lon=\"1\"/>", "<wpt lat=\"2\" lon=\"2\"/>", "</gpx>"}));
}

TEST(MergedFile, ShortFirstInputs) {
  {
    MergeFixture f;
    f.AddInput("one-line.gpx", "<gpx lat=\"5\" lon=\"5\"><wpt lat=\"5\" lon=\"5\"/></gpx>");
    const std::string out = Merged(f);
    EXPECT_EQ(out.substr(0, out.find("  <metadata>")),
              Out({"<gpx lat=\"5\" lon=\"5\"><wpt lat=\"5\" lon=\"5\"/></gpx>", ""}));
    EXPECT_TRUE(out.ends_with("  </metadata>\r\n</gpx>\r\n"));
  }
  {
    MergeFixture f;
    f.AddInput("empty.gpx", "");
    f.AddInput("b.gpx", Lines({"<wpt lat=\"2\" lon=\"2\"/>"}));
    EXPECT_TRUE(Merged(f).starts_with("\r\n  <metadata>\r\n"));
  }
}

TEST(MergedFile, TrackCounterRunsAcrossInputsAndRestartsEachMerge) {
  MergeFixture f;
  const std::string three =
      Lines({kDeclaration, kGpx, "<trk>", " <name>ACTIVE LOG</name>", "<trk>",
             " <name>ACTIVE LOG 1</name>", "<trk>", " <name>ACTIVE LOG2</name>"});
  const std::string two = Lines({"<trk>", "<name>ACTIVE LOG</name>", "<trk>",
                                 "<name>ACTIVE log</name>", "<name>ACTIVE LOG</name>"});
  f.AddInput("a.gpx", three);
  f.AddInput("b.gpx", two);
  for (int merge = 0; merge < 2; ++merge) {
    const std::string out = Merged(f);
    EXPECT_EQ(
        out.substr(out.find("<trk>")),
        Out({"<trk>", " <name>UnnamedTrk000001</name>", "<trk>", " <name>UnnamedTrk000002</name>",
             "<trk>", " <name>UnnamedTrk000003</name>", "<trk>", "<name>UnnamedTrk000004</name>",
             "<trk>", "<name>ACTIVE log</name>", "<name>UnnamedTrk000005</name>", "</gpx>"}));
  }
}

}  // namespace
}  // namespace geoplait
