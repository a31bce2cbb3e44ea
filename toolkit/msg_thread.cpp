#include "msg_thread.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace geoplait::toolkit {

void TMsgThread::PumpWaitingMessages() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace geoplait::toolkit
