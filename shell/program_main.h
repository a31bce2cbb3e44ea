#pragma once

namespace geoplait {

// The program's entry function. The arguments are not looked at: the file list starts empty
// at every start. Returns the exit status, 0 after a normal close.
int ProgramMain(int argc, char** argv);

}  // namespace geoplait
