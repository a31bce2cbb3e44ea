#pragma once

#include "line_source.h"
#include "xml_tokenizer.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace geoplait {

// An input's lines laid out again as the passes expect them: the XML declaration (after the
// BOM, and with any other markup before the gpx element) on line 1, the gpx start tag on
// line 2, an empty line 3, then every element start tag on a line of its own, indented two
// blanks per depth. A leaf element that holds only text stays on one line with its end tag;
// every other end tag has a line of its own, "</gpx>" the last. Tokens keep their bytes, but
// a line feed inside a tag (or in the markup of line 1) becomes a blank; only the whitespace
// between markup changes. What is not well-formed XML ends the lines with an error that
// names the input's line.
class RelaidLineSource final : public LineSource {
 public:
  // The input from its start.
  explicit RelaidLineSource(std::unique_ptr<LineSource> input);
  RelaidLineSource(const RelaidLineSource&) = delete;
  RelaidLineSource& operator=(const RelaidLineSource&) = delete;

  int Error() const override { return error_; }
  std::string ErrorDetail() const override { return error_detail_; }

 private:
  enum class Stage { kProlog, kBody, kAfterRoot, kDone };

  bool ReadPiece() override;
  bool HaveLine();
  void Step();
  void TakeProlog(const XmlToken& token);
  void TakeBody(const XmlToken& token);
  void TakeAfterRoot(const XmlToken& token);
  void TakeEnd();
  void OpenPendingElement();
  void Emit(std::string line) { ready_.push_back(std::move(line)); }
  std::string Indent() const { return std::string(2 * open_.size(), ' '); }
  void Refuse(int line, const std::string& what);

  std::unique_ptr<LineSource> input_;
  XmlTokenizer tokens_;
  XmlToken token_;
  Stage stage_ = Stage::kProlog;
  std::string first_line_;
  std::vector<std::string> open_;  // the names of the open elements, the root first
  // A start tag waits until the next tag shows whether its element is a leaf.
  bool has_pending_ = false;
  std::string pending_tag_;
  std::string pending_name_;
  std::string pending_content_;

  std::deque<std::string> ready_;  // lines made but not yet delivered
  std::string current_;            // the line being delivered, in pieces
  std::size_t current_pos_ = 0;
  bool current_open_ = false;
  int error_ = 0;
  std::string error_detail_;
};

}  // namespace geoplait
