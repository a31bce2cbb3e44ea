#include "line_test_guard.h"

#include <gtest/gtest.h>

#include <string>

namespace geoplait {
namespace {

TEST(LineTestGuard, BreaksUpWhatThePassesWouldTakeForASection) {
  struct Case {
    XmlTokenKind kind;
    std::string text;
    std::string guarded;
  } cases[] = {
      {XmlTokenKind::kCData, "<![CDATA[a < b > c]]>", "<![CDATA[a < b > c]]>"},
      {XmlTokenKind::kCData, "<![CDATA[<trk> and <wpt]]>",
       "<![CDATA[<]]><![CDATA[trk> and <]]><![CDATA[wpt]]>"},
      {XmlTokenKind::kCData, "<![CDATA[\n</gpx>\n]]>", "<![CDATA[\n<]]><![CDATA[/gpx>\n]]>"},
      {XmlTokenKind::kComment, "<!-- <trkpt lat=\"1\"> <bounds x -->",
       "<!-- &lt;trkpt lat=\"1\"> &lt;bounds x -->"},
      {XmlTokenKind::kComment, "<!-- <name>ACTIVE LOG -->", "<!-- &lt;name>ACTIVE LOG -->"},
      {XmlTokenKind::kComment, "<!-- <trkseg> <b> -->", "<!-- <trkseg> <b> -->"},
      {XmlTokenKind::kText, "a &lt;wpt", "a &lt;wpt"},
      {XmlTokenKind::kStartTag, "<wpt lat=\"1\" lon=\"2\">", "<wpt lat=\"1\" lon=\"2\">"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    XmlToken token;
    token.kind = c.kind;
    token.text = c.text;
    EXPECT_EQ(GuardedFromLineTests(token), c.guarded);
  }
}

}  // namespace
}  // namespace geoplait
