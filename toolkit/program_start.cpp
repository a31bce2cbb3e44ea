#include "program_start.h"

#include "application.h"
#include "message_box.h"

#include <QApplication>

#include <exception>

namespace geoplait::toolkit {

namespace {

// Qt must not unwind through its own event loop: an exception that escapes a handler is
// caught where Qt hands over the event, kept by the application, and rethrown once the loop
// has ended.
class CatchingApplication final : public QApplication {
 public:
  CatchingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (...) {
      if (TApplication* application = TApplication::Current(); application != nullptr) {
        application->HandlerFailed(std::current_exception());
        return true;
      }
      throw;
    }
  }
};

}  // namespace

int StartupShowCommand() {
  return SW_SHOWDEFAULT;
}

int RunProgram(int argc, char** argv, TEntryFunction entry) {
  CatchingApplication qt(argc, argv);
  try {
    return entry(argc, argv);
  } catch (const std::exception& failure) {
    MessageBox(nullptr, failure.what(), "Unhandled Exception", MB_ICONSTOP);
  } catch (...) {
    MessageBox(nullptr, "Unknown Exception", "Unhandled Exception", MB_ICONSTOP);
  }
  return -1;
}

}  // namespace geoplait::toolkit
