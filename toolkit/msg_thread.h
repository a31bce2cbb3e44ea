#pragma once

namespace geoplait::toolkit {

// The thread's queue of waiting messages.
class TMsgThread {
 public:
  // Handles, once, the events that are waiting, but not user input: a click or key press
  // waits until the running command has ended, so it cannot start another command or change
  // what the running one reads.
  static void PumpWaitingMessages();
};

}  // namespace geoplait::toolkit
