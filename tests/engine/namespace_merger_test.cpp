#include "namespace_merger.h"

#include <gtest/gtest.h>

#include <string>

namespace geoplait {
namespace {

TEST(PrefixDeclarations, FindsPrefixedDeclarationsAsWritten) {
  const auto found = PrefixDeclarations(
      "<gpx xmlns=\"http://g\" creator='a>b' xmlns:ns3 = 'http://t?a=\"1\"'\n"
      " xmlnsx=\"no\" xmlns:gpxx=\"http://x\">");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].prefix, "ns3");
  EXPECT_EQ(found[0].name, "http://t?a=\"1\"");
  EXPECT_EQ(found[0].attribute, "xmlns:ns3 = 'http://t?a=\"1\"'");
  EXPECT_EQ(found[1].prefix, "gpxx");
  EXPECT_EQ(found[1].attribute, "xmlns:gpxx=\"http://x\"");
  EXPECT_TRUE(PrefixDeclarations("<gpx>").empty());
}

TEST(NamespaceMerger, AddsToTheFirstTagWhatLaterInputsDeclare) {
  NamespaceMerger merger;
  const std::string first = "<gpx xmlns=\"http://g\" xmlns:gpxx=\"http://x\">";
  EXPECT_FALSE(merger.Add("a.gpx", first));
  EXPECT_FALSE(merger.Add("b.gpx", "<gpx xmlns:gpxx=\"http://x\" xmlns:ns3='http://t'>"));
  EXPECT_FALSE(merger.Add("c.gpx", "<gpx xmlns:ns3=\"http://t\" xmlns:ns2=\"http://2\">"));
  std::string scratch;
  EXPECT_EQ(merger.Complete("\xEF\xBB\xBF<?xml version=\"1.0\"?>" + first, scratch),
            "\xEF\xBB\xBF<?xml version=\"1.0\"?><gpx xmlns=\"http://g\" xmlns:gpxx=\"http://x\" "
            "xmlns:ns3='http://t' xmlns:ns2=\"http://2\">");
  EXPECT_EQ(merger.Complete("<?xml version=\"1.0\"?>", scratch), "<?xml version=\"1.0\"?>");
}

TEST(NamespaceMerger, ChangesNothingWhenNoPrefixIsMissing) {
  NamespaceMerger merger;
  const std::string tag = "<gpx xmlns:a=\"http://a\" xmlns:b=\"http://b\">";
  EXPECT_FALSE(merger.Add("a.gpx", tag));
  EXPECT_FALSE(merger.Add("b.gpx", "<gpx xmlns:b=\"http://b\">"));
  EXPECT_FALSE(merger.Add("c.gpx", ""));
  std::string scratch;
  const std::string_view line = tag;
  EXPECT_EQ(merger.Complete(line, scratch).data(), line.data()) << "the line itself";
}

TEST(NamespaceMerger, RefusesAPrefixBoundToTwoNames) {
  NamespaceMerger merger;
  EXPECT_FALSE(merger.Add("a.gpx", "<gpx>"));
  EXPECT_FALSE(merger.Add("b.gpx", "<gpx xmlns:ns3=\"http://one\">"));
  EXPECT_EQ(merger.Add("c.gpx", "<gpx xmlns:ns3=\"http://two\">"),
            "c.gpx:\nThis file binds the namespace prefix \"ns3\" to\nhttp://two,\nbut b.gpx\n"
            "binds it to\nhttp://one.\nOne merged file cannot hold both.");
  merger.Clear();
  EXPECT_FALSE(merger.Add("c.gpx", "<gpx xmlns:ns3=\"http://two\">")) << "a new merge";
}

}  // namespace
}  // namespace geoplait
