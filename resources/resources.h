#pragma once

#include "dialog_template.h"
#include "module.h"

namespace geoplait::resources {

// Dialog 2000: the file list dialog.
inline constexpr int kFileListDialogId = 2000;
const toolkit::TDialogTemplate& FileListDialog();

// Dialog 22000: the About box.
inline constexpr int kAboutDialogId = 22000;
const toolkit::TDialogTemplate& AboutDialog();

// Every resource of the program; the default module of its windows.
const toolkit::TModule& ProgramModule();

}  // namespace geoplait::resources
