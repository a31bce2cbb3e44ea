#pragma once

#include <string>
#include <vector>

namespace geoplait::testing {

struct CliResult {
  int exit_status = -1;
  std::string out;
  std::string err;
};

// Runs geoplait-merge with arguments, and environment settings ("NAME=value") before it.
// Standard output and error are kept in files of scratch_dir.
CliResult RunMerge(const std::vector<std::string>& arguments, const std::string& scratch_dir,
                   const std::vector<std::string>& environment = {});

}  // namespace geoplait::testing
