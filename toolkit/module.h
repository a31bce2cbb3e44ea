#pragma once

#include "dialog_template.h"
#include "frame_resources.h"

#include <span>
#include <string>
#include <utility>

namespace geoplait::toolkit {

// A set of resources addressed by number. Windows built with "no module" take theirs from the
// default module, the program's own resources.
class TModule {
 public:
  explicit TModule(std::span<const TDialogTemplate* const> dialogs, TFrameResources frame = {});
  TModule(const TModule&) = delete;
  TModule& operator=(const TModule&) = delete;

  // The dialog template with this id, or null.
  const TDialogTemplate* FindDialog(int id) const;

  // The menus, accelerator tables, icons and strings of frame windows.
  const TFrameResources& FrameResources() const { return frame_; }
  // The executable file that holds the module's version data: the running program's.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string file_name) { file_name_ = std::move(file_name); }

  // The module that "no module" stands for; null until the program sets one.
  static const TModule* Default();
  static void SetDefault(const TModule* module);

 private:
  std::span<const TDialogTemplate* const> dialogs_;
  TFrameResources frame_;
  std::string file_name_ = "/proc/self/exe";
};

}  // namespace geoplait::toolkit
