#pragma once

#include "application.h"

namespace geoplait {

// The application: its name, the main window it builds, and the About command.
class TgeoplaitApp final : public toolkit::TApplication {
 public:
  TgeoplaitApp();
  ~TgeoplaitApp() override;

  // Help, About...: the About box, modal over the main window.
  void CmAbout();

  // The show command of the main window for the one the process started with: hidden and
  // minimised-without-activation stay, every other opens the frame in its normal state.
  static int MainWindowShowCommand(int start_show_command);

  static const toolkit::TResponseTable& Table();

 protected:
  void BuildMainWindow() override;
  const toolkit::TResponseTable& GetResponseTable() const override { return Table(); }
};

}  // namespace geoplait
