#include "resource_ids.h"
#include "shell_resources.h"

namespace geoplait::resources {

namespace {

using toolkit::TAcceleratorEntry;
using namespace toolkit::accel_flag;
namespace vk = toolkit::vk;

// There is none for Delete, and none for Exit: Alt+F4 is the window system's own close key.
constexpr TAcceleratorEntry kEntries[] = {
    {kVirtKey | kShift, vk::kDelete, kCmEditCut},
    {kVirtKey | kControl, vk::kInsert, kCmEditCopy},
    {kVirtKey | kShift, vk::kInsert, kCmEditPaste},
    {kVirtKey | kControl, vk::kDelete, kCmEditClear},
    {kVirtKey | kAlt, vk::kBack, kCmEditUndo},
    {kVirtKey | kLast, vk::kF3, kCmSearchNext},
};

}  // namespace

const toolkit::TAcceleratorTable kAccelerators100{kMainAccelerators, kEntries};

}  // namespace geoplait::resources
