#include "resources.h"

#include "shell_resources.h"

namespace geoplait::resources {

const toolkit::TModule& ProgramModule() {
  static const toolkit::TDialogTemplate* const kDialogs[] = {&FileListDialog(), &AboutDialog()};
  static const toolkit::TMenuTemplate* const kMenus[] = {&kMenu100};
  static const toolkit::TAcceleratorTable* const kAccelerators[] = {&kAccelerators100};
  // Group 1 first: the desktop takes the first group as the program's icon.
  static const toolkit::TIconGroup* const kIcons[] = {&kIconGroup1, &kIconGroup1001};
  static const toolkit::TStringTable kStrings[] = {kHintStrings};
  static const toolkit::TModule module(kDialogs, {kMenus, kAccelerators, kIcons, kStrings});
  return module;
}

}  // namespace geoplait::resources
