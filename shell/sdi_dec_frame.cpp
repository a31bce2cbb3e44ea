#include "sdi_dec_frame.h"

#include "geoplait_dlg_client.h"
#include "resources.h"

#include <utility>

namespace geoplait {

namespace {

std::unique_ptr<toolkit::TWindow> ClientOrFileList(std::unique_ptr<toolkit::TWindow> client) {
  if (client != nullptr) {
    return client;
  }
  return std::make_unique<TgeoplaitDlgClient>(nullptr, resources::kFileListDialogId, nullptr);
}

}  // namespace

TSDIDecFrame::TSDIDecFrame(toolkit::TWindow* parent, std::string_view caption,
                           std::unique_ptr<toolkit::TWindow> client, bool track_menu_selection,
                           const toolkit::TModule* module)
    : TDecoratedFrame(parent, caption, ClientOrFileList(std::move(client)), track_menu_selection,
                      module) {}

TSDIDecFrame::~TSDIDecFrame() = default;

}  // namespace geoplait
