#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace geoplait::toolkit {

class TWindow;

// Settings of the open and save dialogs.
inline constexpr std::uint32_t kOfnOverwritePrompt = 0x00000002;
inline constexpr std::uint32_t kOfnHideReadOnly = 0x00000004;
inline constexpr std::uint32_t kOfnNoChangeDir = 0x00000008;
inline constexpr std::uint32_t kOfnAllowMultiSelect = 0x00000200;

// What the open and save dialogs share.
class TOpenSaveDialog {
 public:
  // The settings of one dialog and, after it, the user's choice.
  struct TData {
    // filter lists "shown text|pattern|" pairs, such as "*.gpx|*.gpx|". filter_index 0 and 1
    // both mean the first pair.
    explicit TData(std::uint32_t flags = 0, std::string_view filter = {},
                   std::string_view initial_dir = {}, std::string_view default_ext = {},
                   int filter_index = 0);

    std::uint32_t Flags;
    std::vector<std::pair<std::string, std::string>> Filter;  // {shown text, pattern}
    int FilterIndex;
    std::string InitialDir;  // empty: where the dialog starts by itself
    std::string DefExt;      // added to a name typed without an extension

    // The chosen file. When several files are chosen, their folder instead, with the names
    // of the files in it in FileTitles, in the dialog's order.
    std::string FileName;
    std::vector<std::string> FileTitles;
  };

 protected:
  TOpenSaveDialog(TWindow* parent, TData& data) : parent_(parent), data_(data) {}
  ~TOpenSaveDialog() = default;
  TOpenSaveDialog(const TOpenSaveDialog&) = delete;
  TOpenSaveDialog& operator=(const TOpenSaveDialog&) = delete;

  TWindow* parent_;
  TData& data_;
};

// The system's modal open dialog, owned by the parent's window.
class TFileOpenDialog final : public TOpenSaveDialog {
 public:
  TFileOpenDialog(TWindow* parent, TData& data) : TOpenSaveDialog(parent, data) {}
  // IDOK with the choice in the record, or IDCANCEL.
  int Execute();
};

// The system's modal save dialog, owned by the parent's window.
class TFileSaveDialog final : public TOpenSaveDialog {
 public:
  TFileSaveDialog(TWindow* parent, TData& data) : TOpenSaveDialog(parent, data) {}
  // IDOK with the path in the record's FileName, or IDCANCEL.
  int Execute();
};

// Stores full paths as the open dialog reports them: one path as it is; several as their
// common folder and the rest of each path after it.
void StoreChosenFiles(TOpenSaveDialog::TData& data, const std::vector<std::string>& paths);

}  // namespace geoplait::toolkit
