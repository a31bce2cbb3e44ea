#pragma once

#include "event_handler.h"
#include "module.h"

#include <exception>
#include <memory>
#include <string>
#include <string_view>

namespace geoplait::toolkit {

class TFrameWindow;

// The show command with which the process was started: the main window's first show state.
inline constexpr int SW_SHOWDEFAULT = 10;

// The application: its name, the resource module of its windows, its main window and the
// message loop. It answers the commands that no window answers, after them.
class TApplication : public virtual TEventHandler {
 public:
  // The program's resources become the default module of its windows.
  TApplication(std::string_view name, const TModule& resources);
  ~TApplication() override;

  const std::string& GetName() const { return name_; }
  const TModule& GetModule() const { return resources_; }
  int GetShowCommand() const { return show_command_; }
  void SetShowCommand(int show_command) { show_command_ = show_command; }

  // Takes ownership of frame and makes it the main window: the window whose end ends the
  // message loop. It gets a task-bar button of its own.
  void SetMainWindow(std::unique_ptr<TFrameWindow> frame);
  TFrameWindow* GetMainWindow() const { return main_window_.get(); }

  // Builds, creates and shows the main window, then runs the message loop until the main
  // window has been destroyed. Returns the exit status, 0 after a normal close. An exception
  // that escapes a handler ends the loop and leaves this function.
  int Run();

  // Whether the application may close: the main window and its children are asked.
  virtual bool CanClose();

  // Exit: asks the main window to close, as its close box does.
  void CmExit();

  // The main window's window has been destroyed: ends the message loop with status 0.
  void MainWindowDestroyed();

  // The application that is running, or null.
  static TApplication* Current();
  // An exception escaped a handler while the loop ran: kept, and the loop ends.
  void HandlerFailed(std::exception_ptr failure);

  static const TResponseTable& Table();

 protected:
  // Called once by Run() before any window exists; registers the main window.
  virtual void BuildMainWindow() {}
  const TResponseTable& GetResponseTable() const override { return Table(); }

 private:
  void InitInstance();

  std::string name_;
  const TModule& resources_;
  int show_command_;
  std::unique_ptr<TFrameWindow> main_window_;
  std::exception_ptr failure_;
};

}  // namespace geoplait::toolkit
