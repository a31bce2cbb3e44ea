#pragma once

#include "frame_window.h"

#include <memory>
#include <string_view>

namespace geoplait::toolkit {

// A frame that lays its client out to fill the client area less the room of its decorations,
// bars at its edges, also when the user resizes it. With no decoration added, the client
// fills the whole client area.
class TDecoratedFrame : public TFrameWindow {
 public:
  // With menu-selection tracking, a status line would show the hint of the item under the
  // mouse; without a status line there is nowhere to show one.
  TDecoratedFrame(TWindow* parent, std::string_view title, std::unique_ptr<TWindow> client,
                  bool track_menu_selection = false, const TModule* module = nullptr);
  ~TDecoratedFrame() override;

  bool TracksMenuSelection() const { return track_menu_selection_; }

 private:
  bool track_menu_selection_;
};

}  // namespace geoplait::toolkit
