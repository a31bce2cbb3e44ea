#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace geoplait {

// One xmlns:prefix="name" attribute of a start tag.
struct NamespaceDeclaration {
  std::string prefix;
  std::string name;
  std::string attribute;  // as written, quotes included
};

// The prefixed namespace declarations among the attributes of a start tag.
std::vector<NamespaceDeclaration> PrefixDeclarations(std::string_view start_tag);

// The merged file takes the first input's gpx start tag, but the sections of the later inputs
// may use prefixes that only their own gpx start tag declares. This collects the declarations
// of every input's gpx start tag and completes the first one with those it lacks.
class NamespaceMerger {
 public:
  void Clear();

  // Notes one input's gpx start tag (empty when unknown), inputs in merge order. A message
  // naming both files when a prefix is already bound to another name.
  std::optional<std::string> Add(const std::string& path, std::string_view gpx_start_tag);

  // line itself, or, when it holds the first input's gpx start tag and later inputs declare
  // prefixes that the tag lacks, the line with those declarations added to the tag (in
  // scratch).
  std::string_view Complete(std::string_view line, std::string& scratch) const;

 private:
  struct Binding {
    std::string name;
    std::string path;
  };

  bool have_first_ = false;
  std::string first_tag_;
  std::map<std::string, Binding, std::less<>> bound_;
  std::string missing_;  // the attributes to add, each after a blank
};

}  // namespace geoplait
