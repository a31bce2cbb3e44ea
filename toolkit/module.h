#pragma once

#include "dialog_template.h"

#include <span>

namespace geoplait::toolkit {

// A set of resources addressed by number. Windows built with "no module" take theirs from the
// default module, the program's own resources.
class TModule {
 public:
  explicit TModule(std::span<const TDialogTemplate* const> dialogs);
  TModule(const TModule&) = delete;
  TModule& operator=(const TModule&) = delete;

  // The dialog template with this id, or null.
  const TDialogTemplate* FindDialog(int id) const;

  // The module that "no module" stands for; null until the program sets one.
  static const TModule* Default();
  static void SetDefault(const TModule* module);

 private:
  std::span<const TDialogTemplate* const> dialogs_;
};

}  // namespace geoplait::toolkit
