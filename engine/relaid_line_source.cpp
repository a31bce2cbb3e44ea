#include "relaid_line_source.h"

#include "line_test_guard.h"
#include "relayout_rule.h"

#include <algorithm>
#include <cerrno>

namespace geoplait {
namespace {

bool IsBlankText(std::string_view text) {
  return text.find_first_not_of(" \t\n\r") == std::string_view::npos;
}

// Where a text's first character that is not blank stands.
int LineOfContent(const XmlToken& text) {
  const std::string_view blanks =
      std::string_view(text.text).substr(0, text.text.find_first_not_of(" \t\n\r"));
  return text.first_line + static_cast<int>(std::count(blanks.begin(), blanks.end(), '\n'));
}

}  // namespace

RelaidLineSource::RelaidLineSource(std::unique_ptr<LineSource> input)
    : input_(std::move(input)), tokens_(*input_) {}

bool RelaidLineSource::ReadPiece() {
  if (!current_open_) {
    if (!HaveLine()) {
      return false;
    }
    current_ = std::move(ready_.front());
    ready_.pop_front();
    current_pos_ = 0;
    current_open_ = true;
  }
  // A text or a comment may hold line feeds: each one ends a line, as in the input.
  const std::string_view rest = std::string_view(current_).substr(current_pos_);
  const std::size_t lf = rest.find('\n');
  if (lf != std::string_view::npos && lf <= kMaxPieceLength) {
    SetLine(rest.substr(0, lf), true);
    current_pos_ += lf + 1;
  } else if (rest.size() <= kMaxPieceLength) {
    SetLine(rest, true);
    current_open_ = false;
  } else {
    SetLine(rest.substr(0, kMaxPieceLength), false);
    current_pos_ += kMaxPieceLength;
  }
  return true;
}

bool RelaidLineSource::HaveLine() {
  while (ready_.empty()) {
    if (stage_ == Stage::kDone || error_ != 0) {
      return false;
    }
    Step();
  }
  return true;
}

void RelaidLineSource::Step() {
  const XmlTokenizer::Result result = tokens_.Next(token_);
  // A failed read looks like the end of the input to the tokenizer; it is told as what it is.
  if (result != XmlTokenizer::Result::kToken && input_->Error() != 0) {
    error_ = input_->Error();
    return;
  }
  if (result == XmlTokenizer::Result::kError) {
    Refuse(tokens_.ErrorLine(), tokens_.ErrorText());
    return;
  }
  if (result == XmlTokenizer::Result::kEnd) {
    TakeEnd();
    return;
  }
  switch (stage_) {
    case Stage::kProlog:
      TakeProlog(token_);
      break;
    case Stage::kBody:
      TakeBody(token_);
      break;
    case Stage::kAfterRoot:
      TakeAfterRoot(token_);
      break;
    case Stage::kDone:
      break;
  }
}

void RelaidLineSource::TakeProlog(const XmlToken& token) {
  switch (token.kind) {
    case XmlTokenKind::kByteOrderMark:
    case XmlTokenKind::kDeclaration:
    case XmlTokenKind::kProcessingInstruction:
    case XmlTokenKind::kComment:
    case XmlTokenKind::kDoctype:
      // The passes copy exactly two header lines: all that precedes the root goes on the first.
      first_line_ += OnOneLine(GuardedFromLineTests(token));
      break;
    case XmlTokenKind::kText:
      if (!IsBlankText(token.text)) {
        Refuse(LineOfContent(token), "text stands before the first element");
      }
      break;
    case XmlTokenKind::kCData:
    case XmlTokenKind::kEndTag:
      Refuse(token.first_line, "markup stands before the first element");
      break;
    case XmlTokenKind::kStartTag:
    case XmlTokenKind::kEmptyElementTag:
      Emit(std::move(first_line_));
      Emit(OnOneLine(token.text));
      // The first input's third line is never copied; an empty one loses nothing.
      Emit("");
      if (token.kind == XmlTokenKind::kStartTag) {
        open_.push_back(token.name);
        stage_ = Stage::kBody;
      } else {
        stage_ = Stage::kAfterRoot;
      }
      break;
  }
}

void RelaidLineSource::TakeBody(const XmlToken& token) {
  // A '<' in an attribute value is not XML, and would meet the passes' line tests.
  if (token.IsElementStart() && token.text.find('<', 1) != std::string::npos) {
    Refuse(token.first_line, "a '<' stands in an attribute value of <" + token.name + ">");
    return;
  }
  switch (token.kind) {
    case XmlTokenKind::kStartTag:
      OpenPendingElement();
      has_pending_ = true;
      pending_tag_ = OnOneLine(token.text);
      pending_name_ = token.name;
      pending_content_.clear();
      break;
    case XmlTokenKind::kEmptyElementTag:
      OpenPendingElement();
      Emit(Indent() + OnOneLine(token.text));
      break;
    case XmlTokenKind::kEndTag:
      if (has_pending_) {
        if (token.name != pending_name_) {
          Refuse(token.first_line,
                 "the end tag </" + token.name + "> closes <" + pending_name_ + ">");
          return;
        }
        has_pending_ = false;
        // Blanks over several lines are layout, not content.
        if (IsBlankText(pending_content_) && pending_content_.find('\n') != std::string::npos) {
          pending_content_.clear();
        }
        Emit(Indent() + pending_tag_ + pending_content_ + OnOneLine(token.text));
        return;
      }
      if (token.name != open_.back()) {
        Refuse(token.first_line, "the end tag </" + token.name + "> closes <" + open_.back() + ">");
        return;
      }
      open_.pop_back();
      if (open_.empty()) {
        // The passes know the end of the input only by a line that is exactly this.
        Emit("</" + token.name + ">");
        stage_ = Stage::kAfterRoot;
      } else {
        Emit(Indent() + OnOneLine(token.text));
      }
      break;
    case XmlTokenKind::kText:
    case XmlTokenKind::kCData:
      if (has_pending_) {
        pending_content_ += GuardedFromLineTests(token);
      } else if (token.kind == XmlTokenKind::kCData || !IsBlankText(token.text)) {
        Emit(Indent() + GuardedFromLineTests(token));
      }
      break;
    case XmlTokenKind::kComment:
    case XmlTokenKind::kProcessingInstruction:
      OpenPendingElement();
      Emit(Indent() + GuardedFromLineTests(token));
      break;
    case XmlTokenKind::kByteOrderMark:
    case XmlTokenKind::kDeclaration:
    case XmlTokenKind::kDoctype:
      Refuse(token.first_line, "a declaration stands inside the <" + open_.back() + "> element");
      break;
  }
}

void RelaidLineSource::TakeAfterRoot(const XmlToken& token) {
  // Nothing reads past the closing line; what follows it is only checked.
  const bool allowed = token.kind == XmlTokenKind::kComment ||
                       token.kind == XmlTokenKind::kProcessingInstruction ||
                       (token.kind == XmlTokenKind::kText && IsBlankText(token.text));
  if (!allowed) {
    const int line = token.kind == XmlTokenKind::kText ? LineOfContent(token) : token.first_line;
    Refuse(line, "something stands after the end of the <gpx> element");
  }
}

void RelaidLineSource::TakeEnd() {
  switch (stage_) {
    case Stage::kProlog:
      Refuse(tokens_.CurrentLine(), "the file holds no element");
      break;
    case Stage::kBody:
      Refuse(tokens_.CurrentLine(), "the file ends before the <" +
                                        (has_pending_ ? pending_name_ : open_.back()) +
                                        "> element is closed");
      break;
    case Stage::kAfterRoot:
    case Stage::kDone:
      stage_ = Stage::kDone;
      break;
  }
}

void RelaidLineSource::OpenPendingElement() {
  if (!has_pending_) {
    return;
  }
  has_pending_ = false;
  Emit(Indent() + pending_tag_);
  open_.push_back(pending_name_);
  if (!IsBlankText(pending_content_)) {
    Emit(Indent() + pending_content_);
  }
}

void RelaidLineSource::Refuse(int line, const std::string& what) {
  error_ = EBADMSG;
  error_detail_ =
      "Line " + std::to_string(line) + " of this file is not well-formed XML: " + what + ".";
}

}  // namespace geoplait
