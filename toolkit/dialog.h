#pragma once

#include "dialog_template.h"
#include "dialog_units.h"
#include "module.h"
#include "window.h"

#include <QPointer>

class QEventLoop;

namespace geoplait::toolkit {

class DialogWidget;

// A dialog built from a dialog template. Modeless, it is created with Create() and lives
// until Cancel (id 2) destroys its window; modal, Execute() runs it until OK (id 1) or Cancel
// ends it. Enter runs the default push button's command unless another push button has the
// focus, and Esc runs Cancel.
class TDialog : public TWindow {
 public:
  // No module: the default module, the program's own resources.
  TDialog(TWindow* parent, int resource_id, const TModule* module = nullptr);
  ~TDialog() override;

  // Runs the dialog modally, owned by the parent's window; the result that ended it, or -1
  // when its window cannot be made.
  int Execute();
  // Ends a modal dialog with result.
  void EndDialog(int result);
  bool IsModal() const { return modal_; }

  // The control window with this id, or null.
  QWidget* GetDlgItem(int id) const;
  // The template the dialog is built from; null when the module has none with its id.
  const TDialogTemplate* Template() const { return template_; }
  // The base units of the dialog's font, while its window exists.
  TBaseUnits BaseUnits() const;

  // OK: a modal dialog copies its controls into the transfer record and ends with IDOK; a
  // modeless one is destroyed.
  void CmOk();
  // Cancel: ends a modal dialog, or destroys a modeless one at once, with IDCANCEL.
  void CmCancel();

  static const TResponseTable& Table();

 protected:
  QWidget* CreateWidget(QWidget* parent_widget) override;
  // Fills the controls from the transfer record.
  void SetupWindow() override;
  void HandleReleased() override;
  const TResponseTable& GetResponseTable() const override { return Table(); }

 private:
  const TDialogTemplate* template_;
  QPointer<DialogWidget> widget_;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = IDCANCEL;
  QEventLoop* loop_ = nullptr;
};

}  // namespace geoplait::toolkit
