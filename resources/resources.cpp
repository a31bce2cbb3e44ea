#include "resources.h"

namespace geoplait::resources {

const toolkit::TModule& ProgramModule() {
  static const toolkit::TDialogTemplate* const kDialogs[] = {&FileListDialog()};
  static const toolkit::TModule module(kDialogs);
  return module;
}

}  // namespace geoplait::resources
