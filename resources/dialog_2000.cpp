#include "resources.h"

namespace geoplait::resources {
namespace {

using toolkit::TControlTemplate;

// In template order, which is the tab order. Style words:
//   0x50010001 child, visible, tab stop, default push button
//   0x50010000 child, visible, tab stop, push button
//   0x50020007 child, visible, group, group box
//   0x50B10801 child, visible, border, both scroll bars, tab stop, extended selection, notify
//   0x50010300 child, visible, tab stop, centred push button
constexpr TControlTemplate kControls[] = {
    {1, "button", "Merge Files", 0x50010001, 0, {70, 168, 50, 14}},
    {2, "button", "Exit", 0x50010000, 0, {160, 168, 52, 14}},
    {102, "button", "Files to be merged", 0x50020007, 0, {8, 8, 264, 152}},
    {101, "listbox", "ListBox1", 0x50B10801, 0, {16, 20, 248, 120}},
    {103, "button", "Add More Files", 0x50010300, 0, {40, 136, 80, 14}},
    {104, "button", "Delete Selected Files", 0x50010300, 0, {160, 136, 80, 14}},
};

// Popup with caption, modal frame and its own font.
constexpr toolkit::TDialogTemplate kDialog{
    kFileListDialogId, 0x80C000C0, 0, {21, 15, 280, 190}, "Geoplait Files", 8,
    "MS Sans Serif",   kControls,
};

}  // namespace

const toolkit::TDialogTemplate& FileListDialog() {
  return kDialog;
}

}  // namespace geoplait::resources
