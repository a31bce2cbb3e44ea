#include "accelerators.h"

namespace geoplait::toolkit {

namespace {

int QtKeyOf(std::uint16_t virtual_key) {
  if ((virtual_key >= '0' && virtual_key <= '9') || (virtual_key >= 'A' && virtual_key <= 'Z')) {
    return virtual_key;
  }
  if (virtual_key >= vk::kF1 && virtual_key <= vk::kF12) {
    return Qt::Key_F1 + (virtual_key - vk::kF1);
  }
  switch (virtual_key) {
    case vk::kBack:
      return Qt::Key_Backspace;
    case 0x09:
      return Qt::Key_Tab;
    case 0x0D:
      return Qt::Key_Return;
    case 0x1B:
      return Qt::Key_Escape;
    case 0x20:
      return Qt::Key_Space;
    case 0x21:
      return Qt::Key_PageUp;
    case 0x22:
      return Qt::Key_PageDown;
    case 0x23:
      return Qt::Key_End;
    case 0x24:
      return Qt::Key_Home;
    case 0x25:
      return Qt::Key_Left;
    case 0x26:
      return Qt::Key_Up;
    case 0x27:
      return Qt::Key_Right;
    case 0x28:
      return Qt::Key_Down;
    case vk::kInsert:
      return Qt::Key_Insert;
    case vk::kDelete:
      return Qt::Key_Delete;
    default:
      return 0;
  }
}

}  // namespace

QKeySequence KeySequenceOf(const TAcceleratorEntry& entry) {
  // An entry without kVirtKey names a character, which is its own key.
  const int key = (entry.flags & accel_flag::kVirtKey) != 0 ? QtKeyOf(entry.key) : entry.key;
  if (key == 0) {
    return {};
  }
  int modifiers = 0;
  if ((entry.flags & accel_flag::kShift) != 0) {
    modifiers |= Qt::SHIFT;
  }
  if ((entry.flags & accel_flag::kControl) != 0) {
    modifiers |= Qt::CTRL;
  }
  if ((entry.flags & accel_flag::kAlt) != 0) {
    modifiers |= Qt::ALT;
  }
  return QKeySequence(key | modifiers);
}

std::vector<TAccelerator> LoadAccelerators(const TAcceleratorTable& table) {
  std::vector<TAccelerator> accelerators;
  for (const TAcceleratorEntry& entry : table.entries) {
    const QKeySequence keys = KeySequenceOf(entry);
    if (!keys.isEmpty()) {
      accelerators.push_back({keys, entry.command});
    }
    if ((entry.flags & accel_flag::kLast) != 0) {
      break;
    }
  }
  return accelerators;
}

}  // namespace geoplait::toolkit
