#pragma once

#include "geoplait_app.h"
#include "geoplait_dlg_client.h"
#include "sdi_dec_frame.h"

#include <functional>

namespace geoplait::testing {

// The program's application, run in the test: step runs once the main window is shown, then
// File, Exit closes it (unless step has). The exit status of the run.
int RunApplication(
    const std::function<void(TSDIDecFrame& frame, TgeoplaitDlgClient& client)>& step);

// Runs step once the next modal loop is running.
void WhenModal(std::function<void()> step);

}  // namespace geoplait::testing
