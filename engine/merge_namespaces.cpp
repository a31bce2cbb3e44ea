#include "merge_engine.h"

#include <optional>
#include <string>

namespace geoplait {

bool MergeEngine::CollectNamespaces(const LineSource& input, const std::string& path) {
  const std::optional<std::string> conflict = namespaces_.Add(path, input.GpxStartTag());
  if (conflict) {
    Tell(*conflict, kStyleStop);
  }
  return !conflict;
}

}  // namespace geoplait
