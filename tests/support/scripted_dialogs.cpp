#include "scripted_dialogs.h"

#include "window_styles.h"

#include <gtest/gtest.h>

namespace geoplait::testing {

ScriptedDialogs::ScriptedDialogs() : in_force_(*this) {}

int ScriptedDialogs::MessageBox(QWidget* owner, std::string_view text, std::string_view caption,
                                int style) {
  messages.push_back({std::string(text), std::string(caption), style});
  message_owners.push_back(owner);
  log.push_back("message: " + std::string(text));
  return toolkit::IDOK;
}

bool ScriptedDialogs::GetOpenFileName(QWidget* owner, toolkit::TOpenSaveDialog::TData& data) {
  open_requests.push_back(data);
  dialog_owners.push_back(owner);
  log.emplace_back("open");
  if (open_answers.empty()) {
    ADD_FAILURE() << "an open dialog that the test did not expect";
    return false;
  }
  const std::optional<OpenAnswer> answer = open_answers.front();
  open_answers.pop_front();
  if (!answer) {
    return false;
  }
  data.FileName = answer->file_name;
  data.FileTitles = answer->file_titles;
  return true;
}

bool ScriptedDialogs::GetSaveFileName(QWidget* owner, toolkit::TOpenSaveDialog::TData& data) {
  save_requests.push_back(data);
  dialog_owners.push_back(owner);
  log.emplace_back("save");
  if (save_answers.empty()) {
    ADD_FAILURE() << "a save dialog that the test did not expect";
    return false;
  }
  const std::optional<std::string> answer = save_answers.front();
  save_answers.pop_front();
  if (!answer) {
    return false;
  }
  data.FileName = *answer;
  return true;
}

}  // namespace geoplait::testing
