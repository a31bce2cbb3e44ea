#include "decorated_frame.h"

#include <utility>

namespace geoplait::toolkit {

TDecoratedFrame::TDecoratedFrame(TWindow* parent, std::string_view title,
                                 std::unique_ptr<TWindow> client, bool track_menu_selection,
                                 const TModule* module)
    : TFrameWindow(parent, title, std::move(client), false, module),
      track_menu_selection_(track_menu_selection) {}

TDecoratedFrame::~TDecoratedFrame() = default;

}  // namespace geoplait::toolkit
