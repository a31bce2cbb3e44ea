#pragma once

#include "menu.h"
#include "module.h"
#include "window.h"

#include <QPointer>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QMainWindow;
class QMenu;
class QMenuBar;

namespace geoplait::toolkit {

class FrameWidget;
class TApplication;

// Window flags of a frame.
inline constexpr int wfShrinkToClient = 0x0008;

// A top-level window with a caption, a menu bar, accelerators and icons, around one client
// window that fills it. Commands from its menu and accelerators go to the window with the
// focus, then to its parents up to the frame, then to the application; an item whose command
// none of them answers is gray.
class TFrameWindow : public TWindow {
 public:
  // No client: the frame has an empty client area. No module: the default module.
  // The frame owns its client and becomes its parent.
  TFrameWindow(TWindow* parent, std::string_view title, std::unique_ptr<TWindow> client = nullptr,
               bool shrink_to_client = false, const TModule* module = nullptr);
  ~TFrameWindow() override;

  TWindow* GetClientWindow() const { return client_.get(); }
  void SetFlag(int flag) { flags_ |= flag; }
  bool IsFlagSet(int flag) const { return (flags_ & flag) != 0; }

  // The big and the small icon, from an icon group of module.
  void SetIcon(const TModule* module, int icon_group);
  void SetIconSm(const TModule* module, int icon_group);
  // The menu bar from a menu resource; a menu descriptor, when given, replaces it once the
  // frame is the main window.
  void AssignMenu(int menu_id);
  void SetMenuDescr(const TMenuDescr& descriptor);
  // The keys that send commands, from an accelerator table.
  void SetAcceleratorTable(int table_id) { accelerator_table_ = table_id; }

  // Asks the application (when this is the main window) or the frame itself whether it may
  // close; if so, destroys the window together with its client.
  void CloseWindow();
  // Whether every child window agrees to close.
  virtual bool CanClose();

  // Sends a command from the menu or an accelerator along the routing chain; false when no
  // window and not the application answers it.
  bool RouteCommandFromMenu(int id);
  // Whether a command would find a receiver now: its menu item is enabled exactly then.
  bool CommandEnabled(int id);

  // The application whose main window this is.
  void MarkAsMainWindow(TApplication& application) { application_ = &application; }

  // The menu bar, the popup with this text (mnemonic included), and the accelerator keys:
  // for tests that look at the frame.
  QMenuBar* MenuBar() const;
  QMenu* FindPopup(std::string_view text) const;

 protected:
  QWidget* CreateWidget(QWidget* parent_widget) override;
  void SetupWindow() override;
  void ChildDestroyed(TWindow& child) override;
  void HandleReleased() override;

 private:
  friend class FrameWidget;

  const TModule& Module() const;
  void BuildMenuBar();
  void AddItems(QMenu& menu, const std::vector<TMenuItem>& items);
  void BuildAccelerators();
  void ApplyIcons();
  void RestyleClient();
  void ShrinkToClient();
  TWindow* FocusWindow();
  void UpdateEnabling(QMenu& menu);

  std::unique_ptr<TWindow> client_;
  const TModule* module_;
  int flags_ = 0;
  std::optional<int> big_icon_;
  std::optional<int> small_icon_;
  const TModule* icon_module_ = nullptr;
  std::optional<int> menu_;
  std::optional<TMenuDescr> menu_descriptor_;
  std::optional<int> accelerator_table_;
  TApplication* application_ = nullptr;
  QPointer<FrameWidget> widget_;
};

}  // namespace geoplait::toolkit
