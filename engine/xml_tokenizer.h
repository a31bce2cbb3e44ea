#pragma once

#include "line_source.h"

#include <string>
#include <string_view>

namespace geoplait {

enum class XmlTokenKind {
  kByteOrderMark,
  kDeclaration,  // <?xml ...?>
  kProcessingInstruction,
  kComment,
  kCData,
  kDoctype,
  kStartTag,
  kEmptyElementTag,
  kEndTag,
  kText,
};

// One piece of markup or one run of text, byte for byte as the input holds it (as text mode
// reads it: CRs dropped, line feeds where physical lines end).
struct XmlToken {
  XmlTokenKind kind = XmlTokenKind::kText;
  std::string text;
  std::string name;    // the element name of a tag
  int first_line = 0;  // 1-based lines of the input on which the token begins and ends
  int last_line = 0;

  bool IsTag() const {
    return kind == XmlTokenKind::kStartTag || kind == XmlTokenKind::kEmptyElementTag ||
           kind == XmlTokenKind::kEndTag;
  }
  bool IsElementStart() const {
    return kind == XmlTokenKind::kStartTag || kind == XmlTokenKind::kEmptyElementTag;
  }
};

// Splits the lines of an input into XML tokens, one at a time. It holds no more than the token
// in hand, so a file of any size goes through in the memory of its largest token. It checks
// only what it needs to find where each token ends; nesting is for its users.
class XmlTokenizer {
 public:
  enum class Result { kToken, kEnd, kError };

  explicit XmlTokenizer(LineSource& lines);
  XmlTokenizer(const XmlTokenizer&) = delete;
  XmlTokenizer& operator=(const XmlTokenizer&) = delete;

  // The next token into token. kEnd at the end of the input, kError when the markup cannot be
  // split (see ErrorLine() and ErrorText()); every later call gives the same.
  Result Next(XmlToken& token);

  int ErrorLine() const { return error_line_; }
  const std::string& ErrorText() const { return error_text_; }
  // The line that the next character belongs to.
  int CurrentLine() const { return line_; }

 private:
  static constexpr int kEndOfInput = -1;

  int Get();
  int Peek();
  // Moves the characters of the piece in hand up to the first of stops into out.
  void TakeUntilAny(std::string& out, std::string_view stops);
  Result Fail(std::string text);
  Result ReadMarkup(XmlToken& token);
  Result ReadUntil(XmlToken& token, std::string_view terminator, std::size_t opener_length,
                   const char* what);
  Result ReadDoctype(XmlToken& token);
  Result ReadStartTag(XmlToken& token);
  Result ReadEndTag(XmlToken& token);
  void ReadText(XmlToken& token);

  LineSource& lines_;
  std::string_view rest_;         // what is left of the piece in hand
  bool line_feed_first_ = false;  // a line feed comes before rest_
  bool line_feed_due_ = false;    // the piece in hand ends its line
  bool started_ = false;
  bool at_end_ = false;
  int line_ = 1;
  Result final_ = Result::kToken;  // kEnd or kError once reached
  int error_line_ = 0;
  std::string error_text_;
};

}  // namespace geoplait
