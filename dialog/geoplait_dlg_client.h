#pragma once

#include "button.h"
#include "dialog.h"
#include "list_box.h"

namespace geoplait {

// Control ids of the file list dialog.
inline constexpr int kIdMergeFiles = 1;
inline constexpr int kIdExit = 2;
inline constexpr int kIdFileList = 101;
inline constexpr int kIdFilesGroup = 102;
inline constexpr int kIdAddMoreFiles = 103;
inline constexpr int kIdDeleteSelectedFiles = 104;

// The transfer record of the file list dialog.
struct TgeoplaitDlgClientXfer {
  toolkit::TListBoxData FileList;
};

// The file list dialog: the ordered list of input files, the buttons that edit it, and the
// merge over it. The list lives only in the list box.
class TgeoplaitDlgClient : public toolkit::TDialog {
 public:
  TgeoplaitDlgClient(toolkit::TWindow* parent, int resource_id,
                     const toolkit::TModule* module = nullptr);
  ~TgeoplaitDlgClient() override;

  // "Add More Files": appends the files chosen in the open dialog.
  void CmAddMoreFiles();
  // "Delete Selected Files": removes the selected entries.
  void CmDeleteSelectedFiles();
  // "Merge Files": merges the listed files into one chosen in the save dialog.
  void CmMergeFiles();

  toolkit::TListBox* GetFileList() const { return FileList; }

  static const toolkit::TResponseTable& Table();

 protected:
  void SetupWindow() override;
  const toolkit::TResponseTable& GetResponseTable() const override { return Table(); }

 private:
  toolkit::TListBox* FileList;
  toolkit::TButton* MergeButton;
};

}  // namespace geoplait
