#include "namespace_merger.h"

namespace geoplait {
namespace {

constexpr std::string_view kBlanks = " \t\n\r";
constexpr std::string_view kPrefixDeclaration = "xmlns:";

}  // namespace

std::vector<NamespaceDeclaration> PrefixDeclarations(std::string_view tag) {
  std::vector<NamespaceDeclaration> found;
  // Past the element name.
  std::size_t pos = tag.find_first_of(kBlanks);
  while (pos != std::string_view::npos) {
    pos = tag.find_first_not_of(kBlanks, pos);
    if (pos == std::string_view::npos || tag[pos] == '>' || tag[pos] == '/') {
      break;
    }
    const std::size_t name_start = pos;
    pos = tag.find_first_of(" \t\n\r=", pos);
    if (pos == std::string_view::npos) {
      break;
    }
    const std::string_view attribute_name = tag.substr(name_start, pos - name_start);
    pos = tag.find_first_not_of(kBlanks, pos);
    if (pos == std::string_view::npos || tag[pos] != '=') {
      break;
    }
    pos = tag.find_first_not_of(kBlanks, pos + 1);
    if (pos == std::string_view::npos || (tag[pos] != '"' && tag[pos] != '\'')) {
      break;
    }
    const std::size_t close = tag.find(tag[pos], pos + 1);
    if (close == std::string_view::npos) {
      break;
    }
    if (attribute_name.starts_with(kPrefixDeclaration) &&
        attribute_name.size() > kPrefixDeclaration.size()) {
      found.push_back({std::string(attribute_name.substr(kPrefixDeclaration.size())),
                       std::string(tag.substr(pos + 1, close - pos - 1)),
                       std::string(tag.substr(name_start, close + 1 - name_start))});
    }
    pos = close + 1;
  }
  return found;
}

void NamespaceMerger::Clear() {
  have_first_ = false;
  first_tag_.clear();
  bound_.clear();
  missing_.clear();
}

std::optional<std::string> NamespaceMerger::Add(const std::string& path,
                                                std::string_view gpx_start_tag) {
  const bool first = !have_first_;
  if (first) {
    have_first_ = true;
    first_tag_ = gpx_start_tag;
  }
  for (NamespaceDeclaration& declaration : PrefixDeclarations(gpx_start_tag)) {
    const auto known = bound_.find(declaration.prefix);
    if (known != bound_.end()) {
      if (known->second.name != declaration.name) {
        return path + ":\nThis file binds the namespace prefix \"" + declaration.prefix +
               "\" to\n" + declaration.name + ",\nbut " + known->second.path + "\nbinds it to\n" +
               known->second.name + ".\nOne merged file cannot hold both.";
      }
      continue;
    }
    if (!first && !first_tag_.empty()) {
      missing_ += ' ';
      missing_ += declaration.attribute;
    }
    bound_.emplace(std::move(declaration.prefix), Binding{std::move(declaration.name), path});
  }
  return std::nullopt;
}

std::string_view NamespaceMerger::Complete(std::string_view line, std::string& scratch) const {
  if (missing_.empty()) {
    return line;
  }
  const std::size_t at = line.find(first_tag_);
  if (at == std::string_view::npos) {
    return line;
  }
  // Before the tag's closing '>'.
  const std::size_t insert_at = at + first_tag_.size() - 1;
  scratch.assign(line.substr(0, insert_at));
  scratch += missing_;
  scratch += line.substr(insert_at);
  return scratch;
}

}  // namespace geoplait
