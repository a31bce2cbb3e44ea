#include "geoplait_app.h"

#include "frame_resources.h"
#include "geoplait_about_dlg.h"
#include "resource_ids.h"
#include "resources.h"
#include "sdi_dec_frame.h"

#include <memory>

namespace geoplait {

TgeoplaitApp::TgeoplaitApp() : TApplication("Geoplait", resources::ProgramModule()) {}

TgeoplaitApp::~TgeoplaitApp() = default;

const toolkit::TResponseTable& TgeoplaitApp::Table() {
  static constexpr toolkit::TResponseEntry kEntries[] = {
      toolkit::Command<&TgeoplaitApp::CmAbout>(resources::kCmHelpAbout),
  };
  static const toolkit::TResponseTable table{&TApplication::Table(), kEntries};
  return table;
}

int TgeoplaitApp::MainWindowShowCommand(int start_show_command) {
  if (start_show_command == toolkit::SW_HIDE || start_show_command == toolkit::SW_SHOWMINNOACTIVE) {
    return start_show_command;
  }
  return toolkit::SW_SHOWNORMAL;
}

void TgeoplaitApp::BuildMainWindow() {
  SetShowCommand(MainWindowShowCommand(GetShowCommand()));
  auto frame = std::make_unique<TSDIDecFrame>(nullptr, GetName(), nullptr, false, nullptr);
  frame->SetFlag(toolkit::wfShrinkToClient);
  frame->SetIcon(&GetModule(), resources::kMainIcon);
  frame->SetIconSm(&GetModule(), resources::kMainIcon);
  frame->AssignMenu(resources::kMainMenu);
  frame->SetAcceleratorTable(resources::kMainAccelerators);
  TSDIDecFrame& registered = *frame;
  SetMainWindow(std::move(frame));
  if (const toolkit::TMenuTemplate* menu = toolkit::FindMenu(GetModule(), resources::kMainMenu)) {
    registered.SetMenuDescr(toolkit::TMenuDescr(*menu));
  }
}

void TgeoplaitApp::CmAbout() {
  TgeoplaitAboutDlg about(GetMainWindow(), resources::kAboutDialogId);
  about.Execute();
}

}  // namespace geoplait
