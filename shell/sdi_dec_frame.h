#pragma once

#include "decorated_frame.h"

#include <memory>
#include <string_view>

namespace geoplait {

// The main window: a decorated frame whose client is the file list dialog.
class TSDIDecFrame final : public toolkit::TDecoratedFrame {
 public:
  // No client: the frame makes the file list dialog from dialog 2000 its client.
  TSDIDecFrame(toolkit::TWindow* parent, std::string_view caption,
               std::unique_ptr<toolkit::TWindow> client, bool track_menu_selection,
               const toolkit::TModule* module);
  ~TSDIDecFrame() override;
};

}  // namespace geoplait
