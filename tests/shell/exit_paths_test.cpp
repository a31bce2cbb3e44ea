#include <QProcess>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Outcome {
  int status;
  std::string output;
};

// Runs the program in a child process, with file names as its arguments, and leaves it by
// action.
Outcome RunProgram(const char* action) {
  QProcess child;
  child.start(SHELL_DRIVER, {action, "/tmp/first.gpx", "/tmp/second.gpx"});
  EXPECT_TRUE(child.waitForFinished(30000)) << action;
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << action;
  return {child.exitCode(), child.readAllStandardOutput().toStdString()};
}

TEST(ExitPathsTest, EveryWayOutEndsTheProcessWithStatusZero) {
  for (const char* action : {"menu-exit", "close-box", "alt-f4", "exit-button", "escape"}) {
    SCOPED_TRACE(action);
    const Outcome outcome = RunProgram(action);
    EXPECT_EQ(outcome.status, 0);
    // The file names given to the program are not looked at.
    EXPECT_EQ(outcome.output, "entries: 0\n");
  }
}

TEST(ExitPathsTest, AnEscapedExceptionIsShownAndEndsTheProcessWithStatusMinusOne) {
  const struct {
    const char* action;
    const char* message;
  } cases[] = {
      {"throw", "message: Unhandled Exception: the handler failed (16)\n"},
      {"throw-unknown", "message: Unhandled Exception: Unknown Exception (16)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    const Outcome outcome = RunProgram(c.action);
    EXPECT_EQ(outcome.status, 255);
    EXPECT_EQ(outcome.output, std::string("entries: 0\n") + c.message);
  }
}

}  // namespace
