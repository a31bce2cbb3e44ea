#include "xml_tokenizer.h"

#include "string_line_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait {
namespace {

using geoplait::testing::StringLineSource;
using Kind = XmlTokenKind;

struct Seen {
  Kind kind;
  std::string text;
  std::string name;
  int first_line;
  int last_line;
  bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* os) {
  *os << "{" << static_cast<int>(s.kind) << " \"" << s.text << "\" <" << s.name << "> "
      << s.first_line << "-" << s.last_line << "}";
}

struct Tokenized {
  std::vector<Seen> tokens;
  XmlTokenizer::Result last;
  int error_line;
  std::string error_text;
};

Tokenized Tokenize(std::string text) {
  StringLineSource lines(std::move(text));
  XmlTokenizer tokenizer(lines);
  Tokenized out;
  XmlToken token;
  while ((out.last = tokenizer.Next(token)) == XmlTokenizer::Result::kToken) {
    out.tokens.push_back({token.kind, token.text, token.name, token.first_line, token.last_line});
  }
  EXPECT_EQ(tokenizer.Next(token), out.last) << "the end or the error stays";
  out.error_line = tokenizer.ErrorLine();
  out.error_text = tokenizer.ErrorText();
  return out;
}

TEST(XmlTokenizer, SplitsEveryKindOfTokenByteForByte) {
  const std::string bom = "\xEF\xBB\xBF";
  const Tokenized t = Tokenize(bom +
                               "<?xml version=\"1.0\"?>\n"
                               "<!DOCTYPE gpx [<!ENTITY a \"x>y\">]>"
                               "<?style a=\"b\"?>"
                               "<gpx a='1>2' b=\"<\"\n c=\"3\">"
                               "<!-- a <b> -- c -->"
                               "<desc><![CDATA[x < y ]] > z]]></desc>"
                               "<pt lat=\"1\"/>t &amp; u"
                               "</gpx >\n");
  // The last line's line feed is not a token: an input may as well end without one.
  ASSERT_EQ(t.last, XmlTokenizer::Result::kEnd);
  const std::vector<Seen> expected = {
      {Kind::kByteOrderMark, bom, "", 1, 1},
      {Kind::kDeclaration, "<?xml version=\"1.0\"?>", "", 1, 1},
      {Kind::kText, "\n", "", 1, 2},
      {Kind::kDoctype, "<!DOCTYPE gpx [<!ENTITY a \"x>y\">]>", "", 2, 2},
      {Kind::kProcessingInstruction, "<?style a=\"b\"?>", "", 2, 2},
      {Kind::kStartTag, "<gpx a='1>2' b=\"<\"\n c=\"3\">", "gpx", 2, 3},
      {Kind::kComment, "<!-- a <b> -- c -->", "", 3, 3},
      {Kind::kStartTag, "<desc>", "desc", 3, 3},
      {Kind::kCData, "<![CDATA[x < y ]] > z]]>", "", 3, 3},
      {Kind::kEndTag, "</desc>", "desc", 3, 3},
      {Kind::kEmptyElementTag, "<pt lat=\"1\"/>", "pt", 3, 3},
      {Kind::kText, "t &amp; u", "", 3, 3},
      {Kind::kEndTag, "</gpx >", "gpx", 3, 3},
  };
  EXPECT_EQ(t.tokens, expected);
}

TEST(XmlTokenizer, TokensRunAcrossPiecesOfLongLines) {
  // A 20000-character text and a tag that crosses the 5119-character pieces.
  const std::string text(20000, 't');
  const std::string tag = "<trkpt lat=\"" + std::string(6000, '1') + "\">";
  const Tokenized t = Tokenize("<a>" + text + tag + "</a>");
  ASSERT_EQ(t.tokens.size(), 4u);
  EXPECT_EQ(t.tokens[1].text, text);
  EXPECT_EQ(t.tokens[2].text, tag);
  EXPECT_EQ(t.tokens[2].name, "trkpt");
  EXPECT_EQ(t.tokens[3].last_line, 1);
}

TEST(XmlTokenizer, ReportsMarkupThatCannotBeSplit) {
  struct Case {
    const char* input;
    int line;
    const char* text;
  } cases[] = {
      {"<a>\n<!-- open", 2, "the file ends inside a comment"},
      {"<a>\n\n<![CDATA[x]]", 3, "the file ends inside a CDATA section"},
      {"<gpx a=\"1>\n", 1, "the file ends inside the tag <gpx"},
      {"<a b=1 <c>", 1, "a '<' stands inside the tag <a>"},
      {"<a>< b", 1, "a '<' begins no tag"},
      {"<!ELEMENT a>", 1, "markup that begins with \"<!\" is neither"},
      {"</a b>", 1, "the end tag </a> holds more than its name"},
      {"</>", 1, "an end tag has no name"},
      {"<?pi", 1, "the file ends inside a processing instruction"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const Tokenized t = Tokenize(c.input);
    EXPECT_EQ(t.last, XmlTokenizer::Result::kError);
    EXPECT_EQ(t.error_line, c.line);
    EXPECT_TRUE(t.error_text.starts_with(c.text)) << t.error_text;
  }
}

}  // namespace
}  // namespace geoplait
