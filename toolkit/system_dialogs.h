#pragma once

#include "open_save_dialog.h"

#include <string_view>

class QWidget;

namespace geoplait::toolkit {

// The modal dialogs that the system shows for the toolkit. The program uses the Qt ones;
// tests put their own in place, so that nobody has to answer them.
class TSystemDialogs {
 public:
  virtual ~TSystemDialogs() = default;

  // One OK button; the button pressed (IDOK).
  virtual int MessageBox(QWidget* owner, std::string_view text, std::string_view caption,
                         int style) = 0;
  // True when the user chose a file, which the record then holds.
  virtual bool GetOpenFileName(QWidget* owner, TOpenSaveDialog::TData& data) = 0;
  virtual bool GetSaveFileName(QWidget* owner, TOpenSaveDialog::TData& data) = 0;
};

// The dialogs in force.
TSystemDialogs& SystemDialogs();

// Puts other dialogs in force for its lifetime.
class TScopedSystemDialogs {
 public:
  explicit TScopedSystemDialogs(TSystemDialogs& dialogs);
  ~TScopedSystemDialogs();
  TScopedSystemDialogs(const TScopedSystemDialogs&) = delete;
  TScopedSystemDialogs& operator=(const TScopedSystemDialogs&) = delete;

 private:
  TSystemDialogs* previous_;
};

}  // namespace geoplait::toolkit
