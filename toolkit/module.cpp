#include "module.h"

namespace geoplait::toolkit {
namespace {
const TModule* default_module = nullptr;
}  // namespace

TModule::TModule(std::span<const TDialogTemplate* const> dialogs, TFrameResources frame)
    : dialogs_(dialogs), frame_(frame) {}

const TDialogTemplate* TModule::FindDialog(int id) const {
  for (const TDialogTemplate* dialog : dialogs_) {
    if (dialog->id == id) {
      return dialog;
    }
  }
  return nullptr;
}

const TModule* TModule::Default() {
  return default_module;
}

void TModule::SetDefault(const TModule* module) {
  default_module = module;
}

}  // namespace geoplait::toolkit
