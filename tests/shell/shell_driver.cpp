// Runs the desktop program's entry function and, once its window is up, takes one way out:
//   shell_driver ACTION [ARGUMENT...]
// ACTION is menu-exit, close-box, alt-f4, exit-button, escape, throw or throw-unknown; the
// arguments after it go to the entry function as the program's own. It prints the number of
// list entries at start and every message box, and exits with the program's status.
#include "application.h"
#include "geoplait_dlg_client.h"
#include "program_main.h"
#include "program_start.h"
#include "sdi_dec_frame.h"
#include "system_dialogs.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

class PrintingDialogs final : public geoplait::toolkit::TSystemDialogs {
 public:
  int MessageBox(QWidget*, std::string_view text, std::string_view caption, int style) override {
    std::printf("message: %.*s: %.*s (%d)\n", static_cast<int>(caption.size()), caption.data(),
                static_cast<int>(text.size()), text.data(), style);
    return geoplait::toolkit::IDOK;
  }
  bool GetOpenFileName(QWidget*, geoplait::toolkit::TOpenSaveDialog::TData&) override {
    return false;
  }
  bool GetSaveFileName(QWidget*, geoplait::toolkit::TOpenSaveDialog::TData&) override {
    return false;
  }
};

std::string action;

void TakeTheWayOut() {
  auto* frame = dynamic_cast<geoplait::TSDIDecFrame*>(
      geoplait::toolkit::TApplication::Current()->GetMainWindow());
  auto& client = dynamic_cast<geoplait::TgeoplaitDlgClient&>(*frame->GetClientWindow());
  std::printf("entries: %d\n", client.GetFileList()->GetCount());
  std::fflush(stdout);
  QWidget* window = frame->GetHandle();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) {
    std::puts("the window did not become active");
  }
  if (action == "menu-exit") {
    QMenu* file = frame->FindPopup("&File");
    file->popup(window->mapToGlobal(QPoint(0, 0)));
    QTest::keyClick(file, Qt::Key_X);
  } else if (action == "close-box") {
    window->close();
  } else if (action == "alt-f4") {
    QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
  } else if (action == "exit-button") {
    QTest::mouseClick(client.GetDlgItem(geoplait::kIdExit), Qt::LeftButton);
  } else if (action == "escape") {
    QTest::keyClick(client.GetDlgItem(geoplait::kIdFileList), Qt::Key_Escape);
  } else if (action == "throw") {
    throw std::runtime_error("the handler failed");
  } else if (action == "throw-unknown") {
    throw 42;
  }
}

int Entry(int argc, char** argv) {
  QTimer::singleShot(0, &TakeTheWayOut);
  // A way out that does not end the program fails with a status of its own.
  QTimer::singleShot(15000, [] { std::_Exit(3); });
  return geoplait::ProgramMain(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: shell_driver ACTION [ARGUMENT...]\n", stderr);
    return 2;
  }
  action = argv[1];
  PrintingDialogs dialogs;
  const geoplait::toolkit::TScopedSystemDialogs in_force(dialogs);
  argv[1] = argv[0];
  const int status = geoplait::toolkit::RunProgram(argc - 1, argv + 1, &Entry);
  std::fflush(stdout);
  return status;
}
