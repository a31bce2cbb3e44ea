#pragma once

#include "console_host.h"

#include <string>
#include <variant>

namespace geoplait {

// What the arguments of geoplait-merge ask for.
struct MergeRequest {
  ConsoleHost::Settings settings;
  bool relayout = true;  // off: every input is merged line by line as it stands
};
struct HelpRequest {};
struct VersionRequest {};
struct UsageError {
  std::string problem;  // empty when getopt has already said it
};

using CommandLine = std::variant<MergeRequest, HelpRequest, VersionRequest, UsageError>;

CommandLine ParseCommandLine(int argc, char** argv);

// The usage text that --help prints and that follows every usage error.
std::string UsageText(const std::string& program);

}  // namespace geoplait
