#pragma once

namespace geoplait::toolkit {

// The program's entry function: the argument count and vector; the exit status.
using TEntryFunction = int (*)(int argc, char** argv);

// The process start-up: makes the Qt application and runs entry with the arguments. An
// exception that leaves entry is shown in a stop message box with the caption "Unhandled
// Exception", and the status is then -1.
int RunProgram(int argc, char** argv, TEntryFunction entry);

// The show command that the start-up hands to the application: SW_SHOWDEFAULT.
int StartupShowCommand();

}  // namespace geoplait::toolkit
