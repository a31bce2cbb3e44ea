#include "resources.h"

namespace geoplait::resources {
namespace {

using toolkit::TControlTemplate;

// In template order, which is the tab order. Style words:
//   0x50020081 child, visible, group, no prefix, centred text
//   0x50020082 child, visible, group, no prefix, right-aligned text
//   0x50000003 child, visible, icon
//   0x50010001 child, visible, tab stop, default push button
// The line above the version line has no id, so nothing ever writes it.
constexpr TControlTemplate kControls[] = {
    {22001, "static", "Version", 0x50020081, 0, {2, 14, 200, 8}},
    {-1, "static", "", 0x50020081, 0, {2, 4, 200, 8}},
    {22002, "static", "", 0x50020081, 0, {2, 27, 200, 17}},
    {22003, "static", "", 0x50020082, 0, {136, 55, 66, 8}},
    {-1, "static", "#1", 0x50000003, 0, {2, 2, 21, 20}},
    {1, "button", "OK", 0x50010001, 0, {82, 48, 40, 14}},
};

// Popup with caption, system menu, modal frame and its own font.
constexpr toolkit::TDialogTemplate kDialog{
    kAboutDialogId,  0x80C800C0, 0, {12, 17, 204, 65}, "About geoplait", 8,
    "MS Sans Serif", kControls,
};

}  // namespace

const toolkit::TDialogTemplate& AboutDialog() {
  return kDialog;
}

}  // namespace geoplait::resources
