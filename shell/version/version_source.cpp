#include "version_source.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

namespace geoplait::version {

namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string_view::npos) {
    return {};
  }
  const std::size_t end = text.find_last_not_of(" \t\r");
  return text.substr(begin, end - begin + 1);
}

// A number in decimal, or in hex after "0x".
bool ParseNumber(std::string_view text, std::uint32_t max, std::uint32_t& value) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint64_t parsed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed, base);
  if (ec != std::errc() || end != text.data() + text.size() || parsed > max) {
    return false;
  }
  value = static_cast<std::uint32_t>(parsed);
  return true;
}

bool ParseFourPartVersion(std::string_view text, std::uint16_t (&parts)[4]) {
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = i < 3 ? text.find('.') : text.size();
    if (dot == std::string_view::npos) {
      return false;
    }
    std::uint32_t part = 0;
    if (!ParseNumber(text.substr(0, dot), 0xFFFF, part)) {
      return false;
    }
    parts[i] = static_cast<std::uint16_t>(part);
    text = i < 3 ? text.substr(dot + 1) : std::string_view();
  }
  return true;
}

class SourceReader {
 public:
  bool Statement(std::string_view line, std::string& problem) {
    const std::size_t space = line.find_first_of(" \t");
    const std::string_view word = line.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view() : Trim(line.substr(space));
    if (word == "file-version") {
      return ParseFourPartVersion(rest, fixed_.file_version) || Fail(problem, "bad file version");
    }
    if (word == "product-version") {
      return ParseFourPartVersion(rest, fixed_.product_version) ||
             Fail(problem, "bad product version");
    }
    if (word == "file-type") {
      if (rest != "application") {
        return Fail(problem, "the only file type is application");
      }
      fixed_.file_type = kApplication;
      return true;
    }
    if (word == "translation") {
      return Translation(rest, problem);
    }
    if (word == "block") {
      if (rest.empty() || rest.find_first_of(" \t\\") != std::string_view::npos) {
        return Fail(problem, "a block needs one name without blanks or backslashes");
      }
      blocks_.push_back(VersionNode{std::string(rest), kBinaryValue, {}, {}});
      return true;
    }
    return Text(line, problem);
  }

  VersionNode Root() const {
    VersionNode root{std::string(kRootKey), kBinaryValue, {}, {}};
    root.value.resize(sizeof fixed_);
    std::memcpy(root.value.data(), &fixed_, sizeof fixed_);
    root.children.push_back(VersionNode{"StringFileInfo", kBinaryValue, {}, blocks_});
    VersionNode var_file_info{"VarFileInfo", kBinaryValue, {}, {}};
    if (!translations_.empty()) {
      var_file_info.children.push_back(VersionNode::Words("Translation", translations_));
    }
    root.children.push_back(std::move(var_file_info));
    return root;
  }

 private:
  static bool Fail(std::string& problem, std::string text) {
    problem = std::move(text);
    return false;
  }

  bool Translation(std::string_view rest, std::string& problem) {
    const std::size_t space = rest.find_first_of(" \t");
    std::uint32_t language = 0;
    std::uint32_t code_page = 0;
    if (space == std::string_view::npos || !ParseNumber(rest.substr(0, space), 0xFFFF, language) ||
        !ParseNumber(Trim(rest.substr(space)), 0xFFFF, code_page)) {
      return Fail(problem, "a translation is a language and a code page");
    }
    translations_.push_back(language | code_page << 16);
    return true;
  }

  bool Text(std::string_view line, std::string& problem) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return Fail(problem, "unknown statement");
    }
    if (blocks_.empty()) {
      return Fail(problem, "a text stands outside any block");
    }
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty() || key.find('\\') != std::string_view::npos) {
      return Fail(problem, "a text needs a name without backslashes");
    }
    for (const VersionNode& text : blocks_.back().children) {
      if (text.key == key) {
        return Fail(problem, "the text " + std::string(key) + " is given twice");
      }
    }
    blocks_.back().children.push_back(
        VersionNode::Text(std::string(key), Trim(line.substr(equals + 1))));
    return true;
  }

  FixedPart fixed_{};
  std::vector<std::uint32_t> translations_;
  std::vector<VersionNode> blocks_;
};

}  // namespace

bool ParseVersionSource(std::string_view source, VersionNode& root, std::string& error) {
  SourceReader reader;
  int line_number = 0;
  while (!source.empty()) {
    const std::size_t newline = source.find('\n');
    const std::string_view line = Trim(source.substr(0, newline));
    source = newline == std::string_view::npos ? std::string_view() : source.substr(newline + 1);
    ++line_number;
    if (line.empty() || line.front() == '#') {
      continue;
    }
    std::string problem;
    if (!reader.Statement(line, problem)) {
      error = "line " + std::to_string(line_number) + ": " + problem;
      return false;
    }
  }
  root = reader.Root();
  return true;
}

}  // namespace geoplait::version
