#include "command_line.h"
#include "merge_engine.h"
#include "project_rc_version.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kExitUsage = 2;

// Output to stdout that could not be written (a full disk, a closed pipe) fails the command.
int FinishStdout(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("geoplait-merge: error writing to standard output\n", stderr);
    return status == 0 ? 1 : status;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = "geoplait-merge";
  const geoplait::CommandLine command = geoplait::ParseCommandLine(argc, argv);
  if (std::holds_alternative<geoplait::HelpRequest>(command)) {
    std::fputs(geoplait::UsageText(program).c_str(), stdout);
    return FinishStdout(0);
  }
  if (std::holds_alternative<geoplait::VersionRequest>(command)) {
    const geoplait::TProjectRCVersion version(geoplait::RunningExecutableFile());
    const char* name = nullptr;
    const char* number = nullptr;
    if (version.GetProductName(&name) && version.GetProductVersion(&number)) {
      std::printf("%s (%s) %s\n", program.c_str(), name, number);
    } else {
      std::printf("%s\n", program.c_str());
    }
    return FinishStdout(0);
  }
  if (const auto* error = std::get_if<geoplait::UsageError>(&command)) {
    if (!error->problem.empty()) {
      std::fprintf(stderr, "%s: %s\n", program.c_str(), error->problem.c_str());
    }
    std::fputs(geoplait::UsageText(program).c_str(), stderr);
    return kExitUsage;
  }
  const auto& request = std::get<geoplait::MergeRequest>(command);
  geoplait::ConsoleHost host(request.settings, stdout, stderr);
  geoplait::MergeOptions options;
  options.output_policy = geoplait::OutputSink::Policy::kBuffered;
  options.relayout = request.relayout;
  geoplait::MergeEngine engine(host, options);
  return FinishStdout(engine.CmMergeFiles() ? 0 : 1);
}
