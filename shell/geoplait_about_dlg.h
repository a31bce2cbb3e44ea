#pragma once

#include "dialog.h"
#include "static_text.h"

#include <string>

namespace geoplait {

// The About box: product name and version, the copyright line and the special-build note,
// read from the running program's version data each time the box opens.
class TgeoplaitAboutDlg final : public toolkit::TDialog {
 public:
  // No module: the program's own resources and version data.
  TgeoplaitAboutDlg(toolkit::TWindow* parent, int resource_id,
                    const toolkit::TModule* module = nullptr);
  ~TgeoplaitAboutDlg() override;

 protected:
  void SetupWindow() override;

 private:
  // The executable whose version data the box shows: its module's.
  std::string ModuleFileName() const;

  const toolkit::TModule* module_;
  toolkit::TStatic* Version;
  toolkit::TStatic* Copyright;
  toolkit::TStatic* SpecialBuild;
};

}  // namespace geoplait
