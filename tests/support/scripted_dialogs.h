#pragma once

#include "open_save_dialog.h"
#include "recording_host.h"
#include "system_dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace geoplait::testing {

// What the user chooses in one open dialog: a path, or a folder and the names in it.
struct OpenAnswer {
  std::string file_name;
  std::vector<std::string> file_titles;
};

// Stands in for the system's dialogs while it lives: answers the open and save dialogs from
// queues (nothing: the user cancels) and records every message box, in order.
class ScriptedDialogs final : public toolkit::TSystemDialogs {
 public:
  ScriptedDialogs();

  std::deque<std::optional<OpenAnswer>> open_answers;
  std::deque<std::optional<std::string>> save_answers;

  std::vector<RecordedMessage> messages;
  std::vector<QWidget*> message_owners;
  std::vector<toolkit::TOpenSaveDialog::TData> open_requests;
  std::vector<toolkit::TOpenSaveDialog::TData> save_requests;
  std::vector<QWidget*> dialog_owners;
  // "open", "save" and "message: <text>", in the order they were shown.
  std::vector<std::string> log;

  int MessageBox(QWidget* owner, std::string_view text, std::string_view caption,
                 int style) override;
  bool GetOpenFileName(QWidget* owner, toolkit::TOpenSaveDialog::TData& data) override;
  bool GetSaveFileName(QWidget* owner, toolkit::TOpenSaveDialog::TData& data) override;

 private:
  toolkit::TScopedSystemDialogs in_force_;
};

}  // namespace geoplait::testing
