#pragma once

#include "event_handler.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace geoplait::toolkit {

struct TListBoxData;

// Where a window is created and how, before it exists. Dialogs take theirs from the template.
struct TWindowAttr {
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  int X = 0;
  int Y = 0;
  int W = 0;
  int H = 0;
};

// One field of a transfer record, for the control that takes part in the transfer at the
// same position among the window's children.
using TTransferField = std::variant<TListBoxData*, std::string*>;

enum class TTransferDirection { kSetData, kGetData };

// A window object. It exists before and after its window: Create() makes the widget, and
// Destroy() removes it while the object stays. Children given a parent at construction are
// set up with it and, when made with MakeChild(), deleted with it.
class TWindow : public virtual TEventHandler {
 public:
  explicit TWindow(TWindow* parent, std::string_view title = {});
  ~TWindow() override;

  TWindow* Parent() const { return parent_; }
  // Moves the object under another parent (or none). Only before the window exists.
  void SetParent(TWindow* parent);
  const std::vector<TWindow*>& Children() const { return children_; }

  // Constructs a T with this window as its parent; this window owns and deletes it.
  template <class T, class... Args>
  T* MakeChild(Args&&... args) {
    auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
    T* raw = child.get();
    owned_.push_back(std::move(child));
    return raw;
  }

  // Creates the window, inside the parent's window when there is one, and sets it up.
  bool Create();
  // Removes the window at once; the object stays, without a window. The parent is told.
  void Destroy(int result = IDCANCEL);
  QWidget* GetHandle() const { return handle_; }
  bool IsWindow() const { return handle_ != nullptr; }
  // SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED or SW_SHOWMINNOACTIVE.
  void Show(int show_command);

  TWindowAttr& Attr() { return attr_; }
  const TWindowAttr& Attr() const { return attr_; }
  const std::string& Title() const { return title_; }

  // The record whose fields the children that take part in transfers read and fill.
  void SetTransferBuffer(std::vector<TTransferField> fields) { transfer_ = std::move(fields); }
  void TransferData(TTransferDirection direction);

  // A modal message box owned by this window; the button that closed it (IDOK).
  int MessageBox(std::string_view text, std::string_view caption, int style) const;

  // A command from a control, menu or accelerator. False when this window does not answer it.
  virtual bool EvCommand(int id, int notify_code);

  static const TResponseTable& Table() { return TEventHandler::Table(); }

 protected:
  // Makes the widget of this window; null when it cannot be made.
  virtual QWidget* CreateWidget(QWidget* parent_widget);
  // Runs once the widget exists: creates the children that have no window yet.
  virtual void SetupWindow();
  // A child's window has been destroyed.
  virtual void ChildDestroyed(TWindow& child);
  // The window is going away; drop what refers to it.
  virtual void HandleReleased() {}

  virtual bool TakesPartInTransfer() const { return false; }
  virtual void Transfer(TTransferField field, TTransferDirection direction);

  // Takes widget, made elsewhere, as this object's window.
  void AttachHandle(QWidget* widget) { handle_ = widget; }
  // Removes the window now; only where no handler of it can be running.
  void DestroyNow();

 private:
  void ReleaseHandles();

  TWindow* parent_;
  std::string title_;
  std::vector<TWindow*> children_;
  std::vector<std::unique_ptr<TWindow>> owned_;
  QPointer<QWidget> handle_;
  TWindowAttr attr_;
  std::vector<TTransferField> transfer_;
};

// The first of start, its parents in turn and then last that answers id; null when none does.
// Commands from menus and accelerators go this way, and a menu grays the ids that find nobody.
TEventHandler* FindCommandReceiver(TWindow* start, int id, TEventHandler* last = nullptr);
// Sends id to its receiver. False when nobody answers it.
bool RouteCommand(TWindow* start, int id, TEventHandler* last = nullptr);

}  // namespace geoplait::toolkit
