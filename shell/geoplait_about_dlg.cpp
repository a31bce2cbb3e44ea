#include "geoplait_about_dlg.h"

#include "project_rc_version.h"
#include "resource_ids.h"

#include <cstdio>
#include <string>

namespace geoplait {

namespace {

// The middle word of the version line is read from the template into a buffer this large.
constexpr std::size_t kVersionWordLimit = 127;

}  // namespace

TgeoplaitAboutDlg::TgeoplaitAboutDlg(toolkit::TWindow* parent, int resource_id,
                                     const toolkit::TModule* module)
    : TDialog(parent, resource_id, module),
      module_(module),
      Version(MakeChild<toolkit::TStatic>(resources::kAboutVersion)),
      Copyright(MakeChild<toolkit::TStatic>(resources::kAboutCopyright)),
      SpecialBuild(MakeChild<toolkit::TStatic>(resources::kAboutSpecialBuild)) {}

TgeoplaitAboutDlg::~TgeoplaitAboutDlg() {
  if (IsWindow()) {
    Destroy(toolkit::IDCANCEL);
  }
}

std::string TgeoplaitAboutDlg::ModuleFileName() const {
  const toolkit::TModule* module = module_ != nullptr ? module_ : toolkit::TModule::Default();
  return module != nullptr ? module->FileName() : RunningExecutableFile();
}

void TgeoplaitAboutDlg::SetupWindow() {
  TDialog::SetupWindow();
  const TProjectRCVersion version(ModuleFileName());

  const char* name = nullptr;
  const char* number = nullptr;
  if (version.GetProductName(&name) && version.GetProductVersion(&number)) {
    const std::string word = Version->GetText().substr(0, kVersionWordLimit);
    Version->SetText(std::string(name) + " " + word + " " + number);
  }
  const char* copyright = nullptr;
  if (version.GetLegalCopyright(&copyright)) {
    Copyright->SetText(copyright);
  }
  const char* special_build = nullptr;
  if (version.GetSpecialBuild(&special_build)) {
    SpecialBuild->SetText(special_build);
  }
}

}  // namespace geoplait
