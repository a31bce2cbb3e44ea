#include "open_save_dialog.h"

#include "system_dialogs.h"
#include "window.h"

#include <algorithm>

namespace geoplait::toolkit {
namespace {

QWidget* OwnerOf(TWindow* parent) {
  return parent != nullptr ? parent->GetHandle() : nullptr;
}

// The folder part of path: everything before its last "/", or "/" for a file in the root.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return {};
  }
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The longest folder that holds both: compared a whole path component at a time.
std::string CommonFolder(const std::string& a, const std::string& b) {
  std::size_t common = 0;
  const std::size_t limit = std::min(a.size(), b.size());
  for (std::size_t i = 0; i <= limit; ++i) {
    const bool a_ends = i == a.size() || a[i] == '/';
    const bool b_ends = i == b.size() || b[i] == '/';
    if (a_ends && b_ends) {
      common = i;
    }
    if (i == limit || a[i] != b[i]) {
      break;
    }
  }
  if (common == 0) {
    return (!a.empty() && a[0] == '/') ? std::string("/") : std::string();
  }
  return a.substr(0, common);
}

}  // namespace

TOpenSaveDialog::TData::TData(std::uint32_t flags, std::string_view filter,
                              std::string_view initial_dir, std::string_view default_ext,
                              int filter_index)
    : Flags(flags), FilterIndex(filter_index), InitialDir(initial_dir), DefExt(default_ext) {
  while (!filter.empty()) {
    const std::size_t bar = filter.find('|');
    const std::string_view shown = filter.substr(0, bar);
    filter = bar == std::string_view::npos ? std::string_view() : filter.substr(bar + 1);
    const std::size_t end = filter.find('|');
    const std::string_view pattern = filter.substr(0, end);
    filter = end == std::string_view::npos ? std::string_view() : filter.substr(end + 1);
    Filter.emplace_back(shown, pattern);
  }
}

int TFileOpenDialog::Execute() {
  return SystemDialogs().GetOpenFileName(OwnerOf(parent_), data_) ? IDOK : IDCANCEL;
}

int TFileSaveDialog::Execute() {
  return SystemDialogs().GetSaveFileName(OwnerOf(parent_), data_) ? IDOK : IDCANCEL;
}

void StoreChosenFiles(TOpenSaveDialog::TData& data, const std::vector<std::string>& paths) {
  data.FileName.clear();
  data.FileTitles.clear();
  if (paths.size() == 1) {
    data.FileName = paths.front();
    return;
  }
  if (paths.empty()) {
    return;
  }
  std::string folder = FolderOf(paths.front());
  for (const std::string& path : paths) {
    folder = CommonFolder(folder, FolderOf(path));
  }
  const std::size_t skip = folder.empty() ? 0 : (folder == "/" ? 1 : folder.size() + 1);
  data.FileName = folder;
  for (const std::string& path : paths) {
    data.FileTitles.push_back(path.substr(skip));
  }
}

}  // namespace geoplait::toolkit
