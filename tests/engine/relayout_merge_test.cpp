// Merges of inputs in other layouts than one element per line, checked with a real XML
// parser (xmllint).
#include "merge_engine.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace geoplait {
namespace {

using geoplait::testing::Box;
using geoplait::testing::ReadFileBytes;
using geoplait::testing::RecordedMessage;
using geoplait::testing::RecordingHost;
using geoplait::testing::TempDir;

// What a command prints on stdout and stderr, and whether it exited with 0.
struct Ran {
  bool ok;
  std::string output;
};

Ran Run(const std::string& command) {
  Ran ran{false, ""};
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return ran;
  }
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    ran.output.append(buffer, n);
  }
  ran.ok = pclose(pipe) == 0;
  return ran;
}

// Well-formed and namespace-well-formed: xmllint exits with 0 and has nothing to say.
::testing::AssertionResult IsWellFormed(const std::string& path) {
  const Ran ran = Run("xmllint --noout '" + path + "'");
  if (ran.ok && ran.output.empty()) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << ran.output;
}

int CountElements(const std::string& path, const std::string& local_name) {
  const Ran ran =
      Run("xmllint --xpath 'count(//*[local-name()=\"" + local_name + "\"])' '" + path + "'");
  EXPECT_TRUE(ran.ok) << ran.output;
  return ran.ok ? std::stoi(ran.output) : -1;
}

struct Merged {
  bool complete;
  std::string bytes;
  std::vector<RecordedMessage> messages;
  std::string path;
};

Merged Merge(const TempDir& dir, std::vector<std::string> inputs, bool relayout = true) {
  RecordingHost host;
  host.entries = std::move(inputs);
  host.output_path = dir.File("merged.gpx");
  std::remove(host.output_path->c_str());
  MergeOptions options;
  options.relayout = relayout;
  MergeEngine engine(host, options);
  Merged merged;
  merged.complete = engine.CmMergeFiles();
  merged.messages = host.messages;
  merged.path = *host.output_path;
  if (merged.complete) {
    merged.bytes = ReadFileBytes(merged.path);
  }
  return merged;
}

// The layout the passes rely on, as MapSource writes it.
constexpr const char* kMapSource =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n"
    "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"MapSource 6.16.3\" "
    "version=\"1.1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\r\n"
    "\r\n"
    "  <metadata>\r\n"
    "    <bounds maxlat=\"47.5\" maxlon=\"8.25\" minlat=\"46.75\" minlon=\"7.5\"/>\r\n"
    "  </metadata>\r\n"
    "\r\n"
    "  <wpt lat=\"47.0\" lon=\"8.0\">\r\n"
    "    <name>HOME</name>\r\n"
    "  </wpt>\r\n"
    "  <wpt lat=\"47.1\" lon=\"8.1\">\r\n"
    "    <name>WORK</name>\r\n"
    "  </wpt>\r\n"
    "\r\n"
    "  <trk>\r\n"
    "    <name>ACTIVE LOG</name>\r\n"
    "    <trkseg>\r\n"
    "      <trkpt lat=\"47.2\" lon=\"8.2\">\r\n"
    "        <ele>500.0</ele>\r\n"
    "      </trkpt>\r\n"
    "      <trkpt lat=\"47.3\" lon=\"8.2\"/>\r\n"
    "    </trkseg>\r\n"
    "  </trk>\r\n"
    "\r\n"
    "</gpx>\r\n";

struct Shape {
  const char* name;
  const char* bytes;
};

// Small inputs in the layouts that devices and other programs write.
const Shape kShapes[] = {
    {"OneLine",
     "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?><gpx "
     "xmlns=\"http://www.topografix.com/GPX/1/1\" "
     "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\" "
     "creator=\"eTrex 30\" version=\"1.1\"><metadata><time>2020-05-01T10:00:00Z</time>"
     "</metadata><wpt lat=\"46.1\" lon=\"7.1\"><name>A</name></wpt><trk><name>ACTIVE LOG: 01 MAY"
     "</name><trkseg><trkpt lat=\"46.2\" lon=\"7.2\"><ele>1.0</ele><extensions>"
     "<gpxtpx:TrackPointExtension><gpxtpx:hr>120</gpxtpx:hr></gpxtpx:TrackPointExtension>"
     "</extensions></trkpt><trkpt lat=\"46.3\" lon=\"7.3\"></trkpt></trkseg></trk></gpx>"},
    {"MultiLineGpxStartTag",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<gpx creator=\"Garmin Connect\" version=\"1.1\"\n"
     "  xmlns:ns3=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\"\n"
     "  xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
     "  <trk>\n"
     "    <trkseg>\n"
     "      <trkpt lat=\"45.0\" lon=\"6.0\">\n"
     "        <extensions><ns3:TrackPointExtension><ns3:cad>80</ns3:cad>"
     "</ns3:TrackPointExtension></extensions>\n"
     "      </trkpt>\n"
     "      <trkpt\n lat=\"45.1\"\n lon=\"6.1\"/>\n"
     "    </trkseg>\n"
     "  </trk>\n"
     "</gpx>\n"},
    {"SeveralElementsPerLine",
     "<?xml version=\"1.0\"?>\n"
     "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"Link2GPS\">"
     "<metadata><name>w</name></metadata>\n"
     "<wpt lat=\"40.0\" lon=\"-105.2\"><name>001</name></wpt><wpt lat=\"40.1\" "
     "lon=\"-105.3\"><name>002</name></wpt>\n"
     "<trk><trkseg><trkpt lat=\"40.2\" lon=\"-105.1\"/><trkpt lat=\"40.3\" lon=\"-105.0\"/>"
     "</trkseg></trk></gpx>"},
    {"CommentsCDataBomAndCrLf",
     "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
     "<!-- exported\r\n <wpt lat=\"0\" lon=\"0\"> is not a waypoint -->\r\n"
     "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"a > b\">\r\n"
     "<wpt lat=\"48.0\" lon=\"9.0\"><name><![CDATA[<Hut> & \"more\"]]></name>"
     "<desc>one\r\ntwo</desc></wpt><!-- a < b -->\r\n"
     "<trk><name><![CDATA[ride]]></name><trkseg><trkpt lat=\"48.1\" lon=\"9.1\"/>"
     "</trkseg></trk>\r\n"
     "</gpx>\r\n"},
};

TEST(RelayoutMerge, EveryShapeMergesWellFormedFirstAndSecondKeepingEveryPoint) {
  TempDir dir;
  const std::string garmin = dir.Write("mapsource.gpx", kMapSource);
  for (const Shape& shape : kShapes) {
    SCOPED_TRACE(shape.name);
    const std::string input = dir.Write(std::string(shape.name) + ".gpx", shape.bytes);
    for (const bool shape_first : {true, false}) {
      SCOPED_TRACE(shape_first ? "first" : "second");
      const Merged merged = shape_first ? Merge(dir, {input, garmin}) : Merge(dir, {garmin, input});
      ASSERT_TRUE(merged.complete) << ::testing::PrintToString(merged.messages);
      EXPECT_TRUE(IsWellFormed(merged.path));
      for (const char* point : {"wpt", "trkpt"}) {
        EXPECT_EQ(CountElements(merged.path, point),
                  CountElements(input, point) + CountElements(garmin, point))
            << point;
      }
      EXPECT_EQ(merged.bytes.find("ACTIVE LOG"), std::string::npos);
    }
  }
}

TEST(RelayoutMerge, InputsInTheLayoutMergeByteForByteAsBefore) {
  TempDir dir;
  std::string second = kMapSource;
  second.replace(second.find("HOME"), 4, "HUT ");
  // Odd lines deeper in a file stay as they are, as do the counts in its header.
  second.replace(second.find("  </wpt>\r\n  <wpt"), 10, "  </wpt><!-- x --><b/><c/>\r\n");
  const std::string a = dir.Write("a.gpx", kMapSource);
  const std::string b = dir.Write("b.gpx", second);
  const Merged relaid = Merge(dir, {a, b});
  const Merged as_before = Merge(dir, {a, b}, /*relayout=*/false);
  ASSERT_TRUE(relaid.complete);
  ASSERT_TRUE(as_before.complete);
  EXPECT_EQ(relaid.bytes, as_before.bytes);
  EXPECT_NE(relaid.bytes.find("  </wpt><!-- x --><b/><c/>\r\n"), std::string::npos);
}

TEST(RelayoutMerge, AddsThePrefixesOfLaterInputsToTheGpxStartTag) {
  TempDir dir;
  const std::string garmin = dir.Write("mapsource.gpx", kMapSource);
  const std::string connect = dir.Write("connect.gpx", kShapes[1].bytes);
  const Merged merged = Merge(dir, {garmin, connect});
  ASSERT_TRUE(merged.complete);
  EXPECT_TRUE(IsWellFormed(merged.path));
  EXPECT_NE(merged.bytes.find("xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                              "xmlns:ns3=\"http://www.garmin.com/xmlschemas/"
                              "TrackPointExtension/v1\">\r\n\r\n  <metadata>"),
            std::string::npos);
  // Without the re-layout nothing is added, and the file is not namespace-well-formed.
  const Merged as_before = Merge(dir, {garmin, connect}, /*relayout=*/false);
  EXPECT_FALSE(IsWellFormed(as_before.path));
}

TEST(RelayoutMerge, RefusesAPrefixBoundToTwoNames) {
  TempDir dir;
  const std::string connect = dir.Write("connect.gpx", kShapes[1].bytes);
  std::string other = kShapes[1].bytes;
  other.replace(other.find("TrackPointExtension/v1"), 22, "TrackPointExtension/v2");
  const std::string newer = dir.Write("newer.gpx", other);
  const Merged merged = Merge(dir, {connect, newer});
  EXPECT_FALSE(merged.complete);
  EXPECT_EQ(merged.messages,
            (std::vector<RecordedMessage>{
                Box(newer +
                        ":\nThis file binds the namespace prefix \"ns3\" to\n"
                        "http://www.garmin.com/xmlschemas/TrackPointExtension/v2,\nbut " +
                        connect +
                        "\nbinds it to\nhttp://www.garmin.com/xmlschemas/TrackPointExtension/"
                        "v1.\nOne merged file cannot hold both.",
                    kStyleStop),
                Box("Sorry, I cannot merge these files.", kStyleNoIcon),
            }));
}

TEST(RelayoutMerge, AnInputThatIsNotWellFormedFailsItsPass) {
  TempDir dir;
  const std::string garmin = dir.Write("mapsource.gpx", kMapSource);
  // The bounds pass reads a point input to its end.
  const std::string unclosed = dir.Write(
      "unclosed.gpx", "<?xml version=\"1.0\"?><gpx><trk><trkseg>\n<trkpt lat=\"1\" lon=\"2\"/>\n");
  const Merged in_pass_one = Merge(dir, {garmin, unclosed});
  EXPECT_FALSE(in_pass_one.complete);
  EXPECT_EQ(in_pass_one.messages,
            (std::vector<RecordedMessage>{
                Box(unclosed + ":\nLine 2 of this file is not well-formed XML: the file ends "
                               "before the <trkseg> element is closed.",
                    kStyleStop),
                Box("Sorry, I cannot merge these files.", kStyleNoIcon),
            }));

  // A bounds input is read by the bounds pass only up to its bounds; the track pass meets
  // the fault, and the merged file is not told as created.
  const std::string broken_track = dir.Write(
      "broken.gpx",
      "<?xml version=\"1.0\"?><gpx><metadata><bounds maxlat=\"1\" maxlon=\"2\" minlat=\"1\" "
      "minlon=\"2\"/></metadata>\n<trk><trkseg><trkpt lat=\"1\" lon=\"2\"></trkseg></trk></gpx>");
  const Merged in_pass_three = Merge(dir, {garmin, broken_track});
  EXPECT_FALSE(in_pass_three.complete);
  EXPECT_EQ(in_pass_three.messages,
            (std::vector<RecordedMessage>{
                Box(broken_track + ":\nLine 2 of this file is not well-formed XML: the end tag "
                                   "</trkseg> closes <trkpt>.",
                    kStyleStop),
            }));
}

}  // namespace
}  // namespace geoplait
