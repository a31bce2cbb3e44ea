#include "running_app.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace geoplait::testing {

int RunApplication(
    const std::function<void(TSDIDecFrame& frame, TgeoplaitDlgClient& client)>& step) {
  TgeoplaitApp application;
  QTimer::singleShot(0, [&] {
    auto* frame = dynamic_cast<TSDIDecFrame*>(application.GetMainWindow());
    auto* client =
        frame != nullptr ? dynamic_cast<TgeoplaitDlgClient*>(frame->GetClientWindow()) : nullptr;
    if (client == nullptr) {
      ADD_FAILURE() << "the main window is no TSDIDecFrame around the file list dialog";
    } else {
      step(*frame, *client);
    }
    application.CmExit();
  });
  // A step that leaves the loop waiting for input would hang the test.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    ADD_FAILURE() << "the application did not end";
    QCoreApplication::exit(99);
  });
  guard.start(20000);
  return application.Run();
}

void WhenModal(std::function<void()> step) {
  QTimer::singleShot(0, std::move(step));
}

}  // namespace geoplait::testing
