#include "program_main.h"
#include "program_start.h"

int main(int argc, char** argv) {
  return geoplait::toolkit::RunProgram(argc, argv, &geoplait::ProgramMain);
}
