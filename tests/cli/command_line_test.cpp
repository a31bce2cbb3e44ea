#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait {
namespace {

CommandLine Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "geoplait-merge");
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  return ParseCommandLine(static_cast<int>(args.size()), argv.data());
}

TEST(ParseCommandLine, MergeRequestKeepsTheInputsInOrder) {
  const CommandLine command =
      Parse({"b.gpx", "-q", "-o", "out.gpx", "a.gpx", "--force", "--", "-c.gpx"});
  const auto* request = std::get_if<MergeRequest>(&command);
  ASSERT_NE(request, nullptr);
  EXPECT_EQ(request->settings.output, "out.gpx");
  EXPECT_EQ(request->settings.inputs, (std::vector<std::string>{"b.gpx", "a.gpx", "-c.gpx"}));
  EXPECT_TRUE(request->settings.force);
  EXPECT_TRUE(request->settings.quiet);
}

TEST(ParseCommandLine, LongOutputOption) {
  const CommandLine command = Parse({"--output=out.gpx", "a.gpx"});
  ASSERT_TRUE(std::holds_alternative<MergeRequest>(command));
  EXPECT_EQ(std::get<MergeRequest>(command).settings.output, "out.gpx");
  EXPECT_FALSE(std::get<MergeRequest>(command).settings.force);
}

TEST(ParseCommandLine, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                {"a.gpx"},
                                                                {"-o", "out.gpx"},
                                                                {"-o"},
                                                                {"-x", "-o", "o", "a"},
                                                                {"--bogus", "-o", "o", "a"},
                                                                {"-o", "", "a.gpx"}}) {
    SCOPED_TRACE(::testing::PrintToString(args));
    EXPECT_TRUE(std::holds_alternative<UsageError>(Parse(args)));
  }
}

TEST(ParseCommandLine, HelpAndVersion) {
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"--help"})));
  EXPECT_TRUE(std::holds_alternative<VersionRequest>(Parse({"-o", "x", "--version"})));
}

TEST(NoRelayoutOption, TurnsTheRelayoutOff) {
  const CommandLine plain = Parse({"-o", "out.gpx", "a.gpx"});
  ASSERT_TRUE(std::holds_alternative<MergeRequest>(plain));
  EXPECT_TRUE(std::get<MergeRequest>(plain).relayout);

  const CommandLine off = Parse({"--no-relayout", "-o", "out.gpx", "a.gpx"});
  ASSERT_TRUE(std::holds_alternative<MergeRequest>(off));
  EXPECT_FALSE(std::get<MergeRequest>(off).relayout);
  EXPECT_EQ(std::get<MergeRequest>(off).settings.inputs, std::vector<std::string>{"a.gpx"});
}

TEST(NoRelayoutOption, IsInTheHelp) {
  EXPECT_NE(UsageText("geoplait-merge").find("      --no-relayout    "), std::string::npos);
}

TEST(ParseSourceDateEpoch, AcceptsDecimalSecondsOnly) {
  EXPECT_EQ(ParseSourceDateEpoch("1204880702"), std::optional<std::time_t>(1204880702));
  EXPECT_EQ(ParseSourceDateEpoch("0"), std::optional<std::time_t>(0));
  for (const char* bad :
       {"", "-1", "12a", " 12", "1e9", "253402300800", "99999999999999999999999"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(ParseSourceDateEpoch(bad), std::nullopt);
  }
  EXPECT_EQ(ParseSourceDateEpoch(nullptr), std::nullopt);
}

}  // namespace
}  // namespace geoplait
