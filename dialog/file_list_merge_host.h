#pragma once

#include "list_box.h"
#include "merge_host.h"
#include "window.h"

namespace geoplait {

// The file list dialog's side of a merge run: the entries of its list, message boxes owned by
// its window, the save dialog and the message pump.
class FileListMergeHost final : public MergeHost {
 public:
  FileListMergeHost(toolkit::TWindow& owner, const toolkit::TListBox& list);

  int EntryCount() const override;
  std::string EntryText(int index) const override;
  void ShowMessage(std::string_view text, std::string_view caption, int style) override;
  std::optional<std::string> AskOutputPath() override;
  void PumpWaitingMessages() override;
  std::time_t Now() const override;

 private:
  toolkit::TWindow& owner_;
  const toolkit::TListBox& list_;
};

}  // namespace geoplait
