#include "program_main.h"

#include "geoplait_app.h"

namespace geoplait {

int ProgramMain(int /*argc*/, char** /*argv*/) {
  TgeoplaitApp application;
  return application.Run();
}

}  // namespace geoplait
