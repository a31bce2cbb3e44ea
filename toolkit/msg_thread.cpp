#include "msg_thread.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace geoplait::toolkit {

void TMsgThread::PumpWaitingMessages() {
  // A quit requested meanwhile is not lost: it ends the outer event loop once the running
  // command has returned to it.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace geoplait::toolkit
