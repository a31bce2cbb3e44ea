#include "relayout_rule.h"

#include "string_line_source.h"

#include <gtest/gtest.h>

#include <string>

namespace geoplait {
namespace {

using geoplait::testing::StringLineSource;

HeadVerdict Judge(std::string head) {
  StringLineSource lines(std::move(head));
  XmlTokenizer tokens(lines);
  return JudgeHead(tokens);
}

constexpr const char* kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr const char* kGpx = "<gpx version=\"1.1\" creator=\"x\">";

struct HeadCase {
  const char* name;
  std::string head;
  bool relayout;
};

TEST(RelayoutRule, DecidesFromTheHead) {
  const std::string decl = kDecl;
  const std::string gpx = kGpx;
  const HeadCase cases[] = {
      // The layout the passes rely on.
      {"GarminLayout", decl + "\n" + gpx + "\n\n  <metadata>\n    <link>\n", false},
      {"LeafCountsAsOne", decl + "\n" + gpx + "\n  <name>a</name>\n  <wpt>\n", false},
      {"GpxOnLineOneAfterDeclaration", "\xEF\xBB\xBF" + decl + gpx + "\n\n  <metadata>\n", false},
      {"GpxOnLineOneAlone", gpx + "\n  <trk>\n", false},
      {"TextBeforeTheFirstMarkupLine", decl + "\n" + gpx + "\nabc\n  <trk>\n", false},
      {"EndTagBesideOneStart", decl + "\n" + gpx + "\n</metadata><wpt lat=\"1\">\n", false},
      {"NothingAfterGpx", decl + "\n" + gpx, false},
      {"EmptyFile", "", false},
      // What the passes cannot read.
      {"OneLineFile", decl + gpx + "<metadata><time>t</time></metadata></gpx>", true},
      {"GpxShareItsLineWithAChild", decl + "\n" + gpx + "<trk>\n", true},
      {"GpxStartTagOverSeveralLines", decl + "\n<gpx\n  version=\"1.1\">\n  <trk>\n", true},
      {"GpxOnLineThree", decl + "\n<!-- c -->\n" + gpx + "\n  <trk>\n", true},
      {"CommentBeforeGpxOnItsLine", decl + "\n<!-- c -->" + gpx + "\n  <trk>\n", true},
      {"CommentEndingOnGpxLine", decl + "\n<!-- a\n b -->" + gpx + "\n", true},
      {"TwoStartsOnTheFirstMarkupLine",
       decl + "\n" + gpx + "\n\n<wpt lat=\"1\"><name>a</name></wpt>\n", true},
      {"TwoEmptyElementsOnALine", decl + "\n" + gpx + "\n<a/><b/>\n", true},
      {"CrOnlyFileReadsAsOneLine", decl + gpx + "<trk>", true},
      // Read as they stand: no gpx start tag, or a head that cannot be tokenised.
      {"OtherRoot", decl + "<kml><Document/></kml>", false},
      {"EmptyGpx", decl + "<gpx/>", false},
      {"BrokenHead", decl + "<gpx a=\"1\"", false},
      {"BrokenAfterGpxOnItsLine", decl + "\n" + gpx + "\n<a><</a>\n", false},
  };
  for (const HeadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Judge(c.head).relayout, c.relayout);
  }
}

TEST(RelayoutRule, GivesTheGpxStartTagOnOneLine) {
  EXPECT_EQ(Judge("<?xml?>\n<gpx\n xmlns:a=\"u\">\n<trk>\n").gpx_start_tag, "<gpx  xmlns:a=\"u\">");
  EXPECT_EQ(Judge(std::string(kDecl) + "\n" + kGpx + "\n\n  <trk>\n").gpx_start_tag, kGpx);
  EXPECT_EQ(Judge("<kml>").gpx_start_tag, "");
}

}  // namespace
}  // namespace geoplait
