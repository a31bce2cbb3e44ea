#include "file_list_merge_host.h"

#include "msg_thread.h"
#include "open_save_dialog.h"

namespace geoplait {

FileListMergeHost::FileListMergeHost(toolkit::TWindow& owner, const toolkit::TListBox& list)
    : owner_(owner), list_(list) {}

int FileListMergeHost::EntryCount() const {
  return list_.GetCount();
}

std::string FileListMergeHost::EntryText(int index) const {
  return list_.GetString(index);
}

void FileListMergeHost::ShowMessage(std::string_view text, std::string_view caption, int style) {
  owner_.MessageBox(text, caption, style);
}

std::optional<std::string> FileListMergeHost::AskOutputPath() {
  using toolkit::TOpenSaveDialog;
  TOpenSaveDialog::TData data(
      toolkit::kOfnOverwritePrompt | toolkit::kOfnHideReadOnly | toolkit::kOfnNoChangeDir,
      "*.gpx|*.gpx|", {}, "gpx");
  if (toolkit::TFileSaveDialog(&owner_, data).Execute() != toolkit::IDOK) {
    return std::nullopt;
  }
  return data.FileName;
}

void FileListMergeHost::PumpWaitingMessages() {
  toolkit::TMsgThread::PumpWaitingMessages();
}

std::time_t FileListMergeHost::Now() const {
  return std::time(nullptr);
}

}  // namespace geoplait
