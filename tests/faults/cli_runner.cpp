#include "cli_runner.h"

#include "temp_dir.h"

#include <cstdlib>
#include <sys/wait.h>

namespace geoplait::testing {
namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

}  // namespace

CliResult RunMerge(const std::vector<std::string>& arguments, const std::string& scratch_dir,
                   const std::vector<std::string>& environment) {
  const std::string out_file = scratch_dir + "/cli.stdout";
  const std::string err_file = scratch_dir + "/cli.stderr";
  std::string command = "env";
  for (const std::string& setting : environment) {
    command += " " + Quoted(setting);
  }
  command += " " + Quoted(GEOPLAIT_MERGE_PROGRAM);
  for (const std::string& argument : arguments) {
    command += " " + Quoted(argument);
  }
  command += " >" + Quoted(out_file) + " 2>" + Quoted(err_file);
  const int status = std::system(command.c_str());
  CliResult result;
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFileBytes(out_file);
  result.err = ReadFileBytes(err_file);
  return result;
}

}  // namespace geoplait::testing
