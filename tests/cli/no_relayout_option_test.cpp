#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace geoplait {
namespace {

CommandLine Parse(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  return ParseCommandLine(static_cast<int>(args.size()), argv.data());
}

TEST(NoRelayoutOption, TurnsTheRelayoutOff) {
  const CommandLine plain = Parse({"geoplait-merge", "-o", "out.gpx", "a.gpx"});
  ASSERT_TRUE(std::holds_alternative<MergeRequest>(plain));
  EXPECT_TRUE(std::get<MergeRequest>(plain).relayout);

  const CommandLine off = Parse({"geoplait-merge", "--no-relayout", "-o", "out.gpx", "a.gpx"});
  ASSERT_TRUE(std::holds_alternative<MergeRequest>(off));
  EXPECT_FALSE(std::get<MergeRequest>(off).relayout);
  EXPECT_EQ(std::get<MergeRequest>(off).settings.inputs, std::vector<std::string>{"a.gpx"});
}

TEST(NoRelayoutOption, IsInTheHelp) {
  EXPECT_NE(UsageText("geoplait-merge").find("      --no-relayout    "), std::string::npos);
}

}  // namespace
}  // namespace geoplait
