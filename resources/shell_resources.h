#pragma once

#include "accelerator_template.h"
#include "icon_template.h"
#include "menu_template.h"
#include "string_table.h"

// The resources of the main window and the About box.
namespace geoplait::resources {

extern const toolkit::TMenuTemplate kMenu100;
extern const toolkit::TAcceleratorTable kAccelerators100;
// A one-line hint for each menu command and popup. Nothing shows them: the frame tracks no
// menu selection and has no status line.
extern const toolkit::TStringTable kHintStrings;
extern const toolkit::TIconGroup kIconGroup1;
extern const toolkit::TIconGroup kIconGroup1001;

}  // namespace geoplait::resources
