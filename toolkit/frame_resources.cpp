#include "frame_resources.h"

#include "module.h"

namespace geoplait::toolkit {

namespace {

template <typename T>
const T* FindById(std::span<const T* const> resources, int id) {
  for (const T* resource : resources) {
    if (resource->id == id) {
      return resource;
    }
  }
  return nullptr;
}

}  // namespace

const TMenuTemplate* FindMenu(const TModule& module, int id) {
  return FindById(module.FrameResources().menus, id);
}

const TAcceleratorTable* FindAccelerators(const TModule& module, int id) {
  return FindById(module.FrameResources().accelerators, id);
}

const TIconGroup* FindIconGroup(const TModule& module, int id) {
  return FindById(module.FrameResources().icons, id);
}

const std::string_view* FindString(const TModule& module, int id) {
  for (const TStringTable& table : module.FrameResources().strings) {
    for (const TStringEntry& entry : table) {
      if (entry.id == id) {
        return &entry.text;
      }
    }
  }
  return nullptr;
}

}  // namespace geoplait::toolkit
