#include "relaid_line_source.h"

#include "input_opener.h"
#include "relaying_input_opener.h"
#include "rewindable_line_source.h"
#include "string_line_source.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace geoplait {
namespace {

using geoplait::testing::StringLineSource;
using geoplait::testing::TempDir;

struct Read {
  std::vector<std::string> lines;  // the pieces of each physical line joined
  int error = 0;
  std::string detail;
};

Read ReadAll(LineSource& input) {
  Read read;
  bool new_line = true;
  while (input.ReadLine()) {
    EXPECT_LE(input.Line().size(), kMaxPieceLength);
    EXPECT_EQ(input.Line().find('\n'), std::string_view::npos);
    if (new_line) {
      read.lines.emplace_back();
    }
    read.lines.back() += input.Line();
    new_line = input.EndsPhysicalLine();
  }
  read.error = input.Error();
  read.detail = input.ErrorDetail();
  return read;
}

// The lines that a pass reads from a file, through the opener of a merge.
Read ReadThroughOpener(const std::string& bytes) {
  TempDir dir;
  const std::string path = dir.Write("input.gpx", bytes);
  FileInputOpener files;
  RelayingInputOpener opener(files);
  int error = 0;
  std::unique_ptr<LineSource> input = opener.Open(path, error);
  EXPECT_NE(input, nullptr);
  return input ? ReadAll(*input) : Read{};
}

Read ReadAsItStands(const std::string& bytes) {
  TempDir dir;
  const std::string path = dir.Write("input.gpx", bytes);
  FileInputOpener files;
  int error = 0;
  std::unique_ptr<LineSource> input = files.Open(path, error);
  return ReadAll(*input);
}

using Lines = std::vector<std::string>;

TEST(Relayout, OneLineFile) {
  const Read read = ReadThroughOpener(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?><gpx version=\"1.1\" "
      "creator=\"eTrex\"><metadata><time>2020-01-01T00:00:00Z</time></metadata>"
      "<wpt lat=\"1.5\" lon=\"2.5\"><name>A</name><sym/></wpt><trk><name>ACTIVE LOG</name>"
      "<trkseg><trkpt lat=\"1\" lon=\"2\"><ele>3</ele><time>t</time></trkpt>"
      "<trkpt lat=\"4\" lon=\"5\"></trkpt></trkseg></trk></gpx>");
  EXPECT_EQ(read.error, 0) << read.detail;
  EXPECT_EQ(read.lines, (Lines{
                            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>",
                            "<gpx version=\"1.1\" creator=\"eTrex\">",
                            "",
                            "  <metadata>",
                            "    <time>2020-01-01T00:00:00Z</time>",
                            "  </metadata>",
                            "  <wpt lat=\"1.5\" lon=\"2.5\">",
                            "    <name>A</name>",
                            "    <sym/>",
                            "  </wpt>",
                            "  <trk>",
                            "    <name>ACTIVE LOG</name>",
                            "    <trkseg>",
                            "      <trkpt lat=\"1\" lon=\"2\">",
                            "        <ele>3</ele>",
                            "        <time>t</time>",
                            "      </trkpt>",
                            "      <trkpt lat=\"4\" lon=\"5\"></trkpt>",
                            "    </trkseg>",
                            "  </trk>",
                            "</gpx>",
                        }));
}

TEST(Relayout, MultiLineTagsWithCrLfEnds) {
  const Read read = ReadThroughOpener(
      "<?xml version=\"1.0\"?>\r\n"
      "<gpx\r\n"
      "  version=\"1.0\"\r\n"
      "  creator=\"GPSBabel\">\r\n"
      "<trk>\r\n"
      "<trkseg><trkpt lat=\"46.5\"\r\n"
      "  lon=\"7.5\">\r\n"
      "</trkpt></trkseg>\r\n"
      "</trk>\r\n"
      "</gpx >\r\n");
  EXPECT_EQ(read.error, 0) << read.detail;
  EXPECT_EQ(read.lines, (Lines{
                            "<?xml version=\"1.0\"?>",
                            "<gpx   version=\"1.0\"   creator=\"GPSBabel\">",
                            "",
                            "  <trk>",
                            "    <trkseg>",
                            "      <trkpt lat=\"46.5\"   lon=\"7.5\"></trkpt>",
                            "    </trkseg>",
                            "  </trk>",
                            "</gpx>",
                        }));
}

TEST(Relayout, CommentsCDataBomAndTextKeepTheirBytesButForWhatLooksLikeASection) {
  const Read read = ReadThroughOpener(
      "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"
      "<!-- made\nby hand -->\n"
      "<gpx creator=\"a > b\"><metadata><name><![CDATA[x < y > z]]></name>"
      "<desc>line one\nline two &amp; <![CDATA[<b>]]></desc></metadata>\n"
      "<!-- <trk> is no track --><wpt lat=\"1\" lon=\"2\"><?pi x?><name>W</name></wpt>"
      "</gpx>\n"
      "<!-- after -->\n");
  EXPECT_EQ(read.error, 0) << read.detail;
  EXPECT_EQ(read.lines, (Lines{
                            "\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- made by hand -->",
                            "<gpx creator=\"a > b\">",
                            "",
                            "  <metadata>",
                            "    <name><![CDATA[x < y > z]]></name>",
                            "    <desc>line one",
                            "line two &amp; <![CDATA[<b>]]></desc>",
                            "  </metadata>",
                            "  <!-- &lt;trk> is no track -->",
                            "  <wpt lat=\"1\" lon=\"2\">",
                            "    <?pi x?>",
                            "    <name>W</name>",
                            "  </wpt>",
                            "</gpx>",
                        }));
}

TEST(Relayout, ALineLongerThanAPieceComesInPieces) {
  const std::string desc(12000, 'd');
  const Read read = ReadThroughOpener(
      "<?xml version=\"1.0\"?><gpx><wpt lat=\"1\" lon=\"2\"><desc>" + desc + "</desc></wpt></gpx>");
  ASSERT_EQ(read.lines.size(), 7u);
  EXPECT_EQ(read.lines[4], "    <desc>" + desc + "</desc>");
}

TEST(Relayout, InputsInTheLayoutAreReadAsTheyStand) {
  const std::string garmin =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n"
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"MapSource\">\r\n"
      "\r\n"
      "  <wpt lat=\"1\" lon=\"2\">\r\n"
      "<name>odd</name></wpt>\r\n"
      " stray\r\n"
      "</gpx>  \r\n"
      "\x1a trailing";
  const Read read = ReadThroughOpener(garmin);
  EXPECT_EQ(read.lines, ReadAsItStands(garmin).lines);
  EXPECT_EQ(read.lines.size(), 7u);
}

TEST(Relayout, RefusesWhatIsNotWellFormed) {
  const std::string head = "<?xml version=\"1.0\"?><gpx>";
  struct Case {
    std::string bytes;
    std::string detail;
  } cases[] = {
      {head + "<trk>\n<trkseg>\n",
       "Line 2 of this file is not well-formed XML: the file ends "
       "before the <trkseg> element is closed."},
      {head + "<trk>\n<name>a</trk>",
       "Line 2 of this file is not well-formed XML: the end tag "
       "</trk> closes <name>."},
      {head + "<trk></trkseg></gpx>",
       "Line 1 of this file is not well-formed XML: the end tag "
       "</trkseg> closes <trk>."},
      {head + "</gpx>\n\nmore",
       "Line 3 of this file is not well-formed XML: something stands "
       "after the end of the <gpx> element."},
      {"<?xml version=\"1.0\"?>\n x<gpx><a/><b/></gpx>",
       "Line 2 of this file is not well-formed XML: text stands before the first element."},
      {head + "<trk>\n<!-- open\n",
       "Line 2 of this file is not well-formed XML: the file ends "
       "inside a comment."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const Read read = ReadThroughOpener(c.bytes);
    EXPECT_NE(read.error, 0);
    EXPECT_EQ(read.detail, c.detail);
  }
}

// Delivers one piece, then fails as a read of a damaged medium does.
class FailingLineSource final : public LineSource {
 public:
  int Error() const override { return error_; }

 private:
  bool ReadPiece() override {
    if (reads_++ == 0) {
      SetLine("<?xml version=\"1.0\"?><gpx><trk>", true);
      return true;
    }
    error_ = EIO;
    return false;
  }

  int reads_ = 0;
  int error_ = 0;
};

TEST(Relayout, AReadErrorIsToldAsSuchNotAsBadXml) {
  auto rewindable = std::make_unique<RewindableLineSource>(std::make_unique<FailingLineSource>(),
                                                           RelayingInputOpener::kHeadLimit);
  RewindableLineSource& head = *rewindable;
  ASSERT_TRUE(head.ReadLine());
  EXPECT_FALSE(head.ReadLine());
  head.Rewind();
  EXPECT_EQ(head.Error(), 0) << "not before the pieces read ahead of the failure";
  RelaidLineSource relaid(std::move(rewindable));
  const Read read = ReadAll(relaid);
  EXPECT_EQ(read.error, EIO);
  EXPECT_EQ(read.detail, "");
}

TEST(RewindableLineSource, HandsOnEveryPieceFromTheStart) {
  RewindableLineSource input(std::make_unique<StringLineSource>("one\ntwo\nthree\nfour"), 6);
  ASSERT_TRUE(input.ReadLine());
  ASSERT_TRUE(input.ReadLine());
  EXPECT_FALSE(input.ReadLine()) << "the head stops at its limit";
  input.Rewind();
  EXPECT_EQ(ReadAll(input).lines, (Lines{"one", "two", "three", "four"}));
}

}  // namespace
}  // namespace geoplait
