#include "application.h"

#include "commands.h"
#include "frame_styles.h"
#include "frame_window.h"
#include "program_start.h"

#include <QCoreApplication>
#include <QEvent>

#include <stdexcept>

namespace geoplait::toolkit {

namespace {
TApplication* current = nullptr;
}  // namespace

TApplication::TApplication(std::string_view name, const TModule& resources)
    : name_(name), resources_(resources), show_command_(StartupShowCommand()) {
  TModule::SetDefault(&resources_);
  current = this;
}

TApplication::~TApplication() {
  // The main window goes first: its windows may still refer to the application.
  main_window_.reset();
  if (current == this) {
    current = nullptr;
  }
}

const TResponseTable& TApplication::Table() {
  static constexpr TResponseEntry kEntries[] = {
      Command<&TApplication::CmExit>(kCmExit),
  };
  static const TResponseTable table{&TEventHandler::Table(), kEntries};
  return table;
}

TApplication* TApplication::Current() {
  return current;
}

void TApplication::SetMainWindow(std::unique_ptr<TFrameWindow> frame) {
  main_window_ = std::move(frame);
  if (main_window_ != nullptr) {
    main_window_->Attr().ExStyle |= style::kExAppWindow;
    main_window_->MarkAsMainWindow(*this);
  }
}

void TApplication::InitInstance() {
  BuildMainWindow();
  if (main_window_ == nullptr) {
    throw std::runtime_error("Invalid MainWindow");
  }
  if (!main_window_->Create()) {
    throw std::runtime_error("Invalid MainWindow");
  }
  main_window_->Show(show_command_);
}

int TApplication::Run() {
  failure_ = nullptr;
  if (main_window_ == nullptr) {
    InitInstance();
  }
  const int status = main_window_->IsWindow() ? QCoreApplication::exec() : 0;
  // Windows destroyed during the last command wait for the loop to delete them.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (failure_ != nullptr) {
    std::rethrow_exception(std::exchange(failure_, nullptr));
  }
  return status;
}

bool TApplication::CanClose() {
  return main_window_ == nullptr || main_window_->CanClose();
}

void TApplication::CmExit() {
  if (main_window_ != nullptr) {
    main_window_->CloseWindow();
  }
}

void TApplication::MainWindowDestroyed() {
  QCoreApplication::exit(0);
}

void TApplication::HandlerFailed(std::exception_ptr failure) {
  if (failure_ == nullptr) {
    failure_ = failure;
  }
  // Every loop ends, the nested loops of modal dialogs too.
  QCoreApplication::exit(-1);
}

}  // namespace geoplait::toolkit
