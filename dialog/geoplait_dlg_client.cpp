#include "geoplait_dlg_client.h"

#include "file_list_merge_host.h"
#include "merge_engine.h"
#include "message_box.h"
#include "open_save_dialog.h"

#include <vector>

namespace geoplait {
namespace {

// The dialog's one transfer record. It fills the list when the window is set up, so the list
// starts empty; as the dialog never closes modally, nothing is ever copied back into it.
TgeoplaitDlgClientXfer TgeoplaitDlgClientData;

}  // namespace

TgeoplaitDlgClient::TgeoplaitDlgClient(toolkit::TWindow* parent, int resource_id,
                                       const toolkit::TModule* module)
    : TDialog(parent, resource_id, module),
      FileList(MakeChild<toolkit::TListBox>(kIdFileList)),
      MergeButton(MakeChild<toolkit::TButton>(kIdMergeFiles)) {
  SetTransferBuffer({&TgeoplaitDlgClientData.FileList});
}

// The window goes now, not once the event loop runs again: the object it would call is gone.
TgeoplaitDlgClient::~TgeoplaitDlgClient() {
  DestroyNow();
}

const toolkit::TResponseTable& TgeoplaitDlgClient::Table() {
  // Id 1 is answered here, so the dialog's own OK never closes it; id 2 reaches Cancel.
  static constexpr toolkit::TResponseEntry kEntries[] = {
      toolkit::Command<&TgeoplaitDlgClient::CmAddMoreFiles>(kIdAddMoreFiles),
      toolkit::Command<&TgeoplaitDlgClient::CmMergeFiles>(kIdMergeFiles),
      toolkit::Command<&TgeoplaitDlgClient::CmDeleteSelectedFiles>(kIdDeleteSelectedFiles),
  };
  static const toolkit::TResponseTable table{&TDialog::Table(), kEntries};
  return table;
}

void TgeoplaitDlgClient::SetupWindow() {
  TDialog::SetupWindow();
}

void TgeoplaitDlgClient::CmAddMoreFiles() {
  using toolkit::TOpenSaveDialog;
  TOpenSaveDialog::TData data(
      toolkit::kOfnAllowMultiSelect | toolkit::kOfnNoChangeDir | toolkit::kOfnHideReadOnly,
      "*.gpx|*.gpx|", {}, "gpx");
  if (toolkit::TFileOpenDialog(this, data).Execute() != toolkit::IDOK) {
    return;
  }
  if (data.FileTitles.empty()) {
    FileList->AddString(data.FileName);
    return;
  }
  // Several files: the folder comes first, then the name of each file in it.
  std::string folder = data.FileName;
  if (folder.empty() || folder.back() != '/') {
    folder += '/';
  }
  for (const std::string& name : data.FileTitles) {
    FileList->AddString(folder + name);
  }
}

void TgeoplaitDlgClient::CmDeleteSelectedFiles() {
  const int n_sel = FileList->GetSelCount();
  if (n_sel <= 0) {
    MessageBox("You must select some files from the list\nbefore they can be deleted.", "Error",
               toolkit::MB_ICONSTOP | toolkit::MB_OK);
    return;
  }
  std::vector<int> indexes(static_cast<std::size_t>(n_sel));
  if (FileList->GetSelIndexes(indexes) != n_sel) {
    MessageBox("GetSelIndexes != n_sel -- impossible!", kMessageCaption,
               toolkit::MB_ICONSTOP | toolkit::MB_OK);
    return;
  }
  // From the highest index down, so that no deletion moves an entry still to be deleted.
  for (auto index = indexes.rbegin(); index != indexes.rend(); ++index) {
    FileList->DeleteString(*index);
  }
}

void TgeoplaitDlgClient::CmMergeFiles() {
  FileListMergeHost host(*this, *FileList);
  MergeEngine(host).CmMergeFiles();
}

}  // namespace geoplait
