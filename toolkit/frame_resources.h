#pragma once

#include "accelerator_template.h"
#include "icon_template.h"
#include "menu_template.h"
#include "string_table.h"

#include <span>

namespace geoplait::toolkit {

class TModule;

// The resources of frame windows that a module holds besides its dialogs.
struct TFrameResources {
  std::span<const TMenuTemplate* const> menus;
  std::span<const TAcceleratorTable* const> accelerators;
  std::span<const TIconGroup* const> icons;
  std::span<const TStringTable> strings;
};

// The resource of module with this id, or null.
const TMenuTemplate* FindMenu(const TModule& module, int id);
const TAcceleratorTable* FindAccelerators(const TModule& module, int id);
const TIconGroup* FindIconGroup(const TModule& module, int id);
// The string with this id, or null.
const std::string_view* FindString(const TModule& module, int id);

}  // namespace geoplait::toolkit
