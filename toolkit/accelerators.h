#pragma once

#include "accelerator_template.h"

#include <QKeySequence>

#include <vector>

namespace geoplait::toolkit {

// One key of an accelerator table, as the window system names it.
struct TAccelerator {
  QKeySequence keys;
  int command;
};

// The entries of table up to the one marked as the last, with keys that Qt knows.
std::vector<TAccelerator> LoadAccelerators(const TAcceleratorTable& table);

// The key combination of one entry; empty for a virtual key that has no Qt key.
QKeySequence KeySequenceOf(const TAcceleratorEntry& entry);

}  // namespace geoplait::toolkit
