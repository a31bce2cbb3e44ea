#include "xml_tokenizer.h"

#include <algorithm>

namespace geoplait {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

XmlTokenizer::XmlTokenizer(LineSource& lines) : lines_(lines) {}

int XmlTokenizer::Get() {
  if (Peek() == kEndOfInput) {
    return kEndOfInput;
  }
  if (line_feed_first_) {
    line_feed_first_ = false;
    ++line_;
    return '\n';
  }
  const unsigned char c = static_cast<unsigned char>(rest_.front());
  rest_.remove_prefix(1);
  return c;
}

int XmlTokenizer::Peek() {
  while (!line_feed_first_ && rest_.empty()) {
    // The line feed of the last line is not read: the input might end without one, and
    // nothing after the root element depends on it.
    if (at_end_ || !lines_.ReadLine()) {
      at_end_ = true;
      return kEndOfInput;
    }
    line_feed_first_ = line_feed_due_;
    line_feed_due_ = lines_.EndsPhysicalLine();
    rest_ = lines_.Line();
  }
  return line_feed_first_ ? '\n' : static_cast<unsigned char>(rest_.front());
}

void XmlTokenizer::TakeUntilAny(std::string& out, std::string_view stops) {
  if (line_feed_first_) {
    return;
  }
  const std::size_t stop = std::min(rest_.find_first_of(stops), rest_.size());
  out.append(rest_.substr(0, stop));
  rest_.remove_prefix(stop);
}

XmlTokenizer::Result XmlTokenizer::Fail(std::string text) {
  final_ = Result::kError;
  error_line_ = line_;
  error_text_ = std::move(text);
  return final_;
}

XmlTokenizer::Result XmlTokenizer::Next(XmlToken& token) {
  if (final_ != Result::kToken) {
    return final_;
  }
  token.text.clear();
  token.name.clear();
  token.first_line = line_;
  const int next = Peek();
  Result result = Result::kToken;
  if (next == kEndOfInput) {
    final_ = Result::kEnd;
    return final_;
  }
  if (!started_ && !line_feed_first_ && rest_.starts_with(kByteOrderMark)) {
    token.kind = XmlTokenKind::kByteOrderMark;
    token.text = kByteOrderMark;
    rest_.remove_prefix(kByteOrderMark.size());
  } else if (next == '<') {
    result = ReadMarkup(token);
  } else {
    ReadText(token);
  }
  started_ = true;
  token.last_line = line_;
  return result;
}

void XmlTokenizer::ReadText(XmlToken& token) {
  token.kind = XmlTokenKind::kText;
  // Text is most of a large file's bytes: take it in runs up to the next '<'.
  while (Peek() != kEndOfInput) {
    if (line_feed_first_) {
      token.text += static_cast<char>(Get());
      continue;
    }
    const std::size_t lt = rest_.find('<');
    token.text.append(rest_.substr(0, lt));
    if (lt != std::string_view::npos) {
      rest_.remove_prefix(lt);
      return;
    }
    rest_ = {};
  }
}

XmlTokenizer::Result XmlTokenizer::ReadMarkup(XmlToken& token) {
  token.text = static_cast<char>(Get());  // '<'
  const int c = Get();
  if (c == kEndOfInput) {
    return Fail("the file ends after a '<'");
  }
  token.text += static_cast<char>(c);
  if (c == '?') {
    const Result result = ReadUntil(token, "?>", 2, "processing instruction");
    std::string_view target = std::string_view(token.text).substr(2);
    target = target.substr(0, target.find_first_of(" \t\n\r?"));
    token.kind =
        target == "xml" ? XmlTokenKind::kDeclaration : XmlTokenKind::kProcessingInstruction;
    return result;
  }
  if (c == '!') {
    static constexpr std::string_view kComment = "<!--";
    static constexpr std::string_view kCData = "<![CDATA[";
    static constexpr std::string_view kDoctype = "<!DOCTYPE";
    for (;;) {
      if (token.text == kComment) {
        token.kind = XmlTokenKind::kComment;
        return ReadUntil(token, "-->", kComment.size(), "comment");
      }
      if (token.text == kCData) {
        token.kind = XmlTokenKind::kCData;
        return ReadUntil(token, "]]>", kCData.size(), "CDATA section");
      }
      if (token.text == kDoctype) {
        token.kind = XmlTokenKind::kDoctype;
        return ReadDoctype(token);
      }
      if (!kComment.starts_with(token.text) && !kCData.starts_with(token.text) &&
          !kDoctype.starts_with(token.text)) {
        return Fail(
            "markup that begins with \"<!\" is neither a comment, a CDATA section nor "
            "a document type");
      }
      const int more = Get();
      if (more == kEndOfInput) {
        return Fail("the file ends inside markup");
      }
      token.text += static_cast<char>(more);
    }
  }
  if (c == '/') {
    return ReadEndTag(token);
  }
  if (IsBlank(c) || c == '>' || c == '<' || c == '=' || c == '"' || c == '\'') {
    return Fail("a '<' begins no tag");
  }
  token.name = static_cast<char>(c);  // the tag's text already holds it
  return ReadStartTag(token);
}

XmlTokenizer::Result XmlTokenizer::ReadUntil(XmlToken& token, std::string_view terminator,
                                             std::size_t opener_length, const char* what) {
  for (;;) {
    const int c = Get();
    if (c == kEndOfInput) {
      return Fail(std::string("the file ends inside a ") + what);
    }
    token.text += static_cast<char>(c);
    if (token.text.size() >= opener_length + terminator.size() &&
        token.text.ends_with(terminator)) {
      return Result::kToken;
    }
  }
}

XmlTokenizer::Result XmlTokenizer::ReadDoctype(XmlToken& token) {
  // The internal subset may hold '>' in its declarations and in quoted strings.
  char quote = 0;
  int brackets = 0;
  for (;;) {
    const int c = Get();
    if (c == kEndOfInput) {
      return Fail("the file ends inside the document type");
    }
    token.text += static_cast<char>(c);
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      }
    } else if (c == '"' || c == '\'') {
      quote = static_cast<char>(c);
    } else if (c == '[') {
      ++brackets;
    } else if (c == ']') {
      --brackets;
    } else if (c == '>' && brackets <= 0) {
      return Result::kToken;
    }
  }
}

XmlTokenizer::Result XmlTokenizer::ReadStartTag(XmlToken& token) {
  bool in_name = true;
  // A quoted attribute value may hold '>' and '<'; only a '>' outside quotes ends the tag.
  char quote = 0;
  for (;;) {
    if (!in_name) {
      // Most of a tag is attribute text that asks for nothing: take it in runs.
      TakeUntilAny(token.text, quote == '"' ? "\"" : quote == '\'' ? "'" : "\"'<>");
    }
    const int c = Get();
    if (c == kEndOfInput) {
      return Fail("the file ends inside the tag <" + token.name);
    }
    token.text += static_cast<char>(c);
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      }
      continue;
    }
    if (in_name) {
      if (!IsBlank(c) && c != '/' && c != '>') {
        token.name += static_cast<char>(c);
        continue;
      }
      in_name = false;
    }
    if (c == '"' || c == '\'') {
      quote = static_cast<char>(c);
    } else if (c == '<') {
      return Fail("a '<' stands inside the tag <" + token.name + ">");
    } else if (c == '>') {
      token.kind =
          token.text.ends_with("/>") ? XmlTokenKind::kEmptyElementTag : XmlTokenKind::kStartTag;
      return Result::kToken;
    }
  }
}

XmlTokenizer::Result XmlTokenizer::ReadEndTag(XmlToken& token) {
  token.kind = XmlTokenKind::kEndTag;
  bool in_name = true;
  for (;;) {
    const int c = Get();
    if (c == kEndOfInput) {
      return Fail("the file ends inside the end tag </" + token.name);
    }
    token.text += static_cast<char>(c);
    if (c == '>') {
      if (token.name.empty()) {
        return Fail("an end tag has no name");
      }
      return Result::kToken;
    }
    if (IsBlank(c)) {
      in_name = false;
    } else if (in_name && c != '<') {
      token.name += static_cast<char>(c);
    } else {
      return Fail("the end tag </" + token.name + "> holds more than its name");
    }
  }
}

}  // namespace geoplait
