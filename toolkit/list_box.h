#pragma once

#include "control.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QListWidget;

namespace geoplait::toolkit {

// The transfer record of a list box: its strings, a data value for each, and the indexes of
// the selected strings.
struct TListBoxData {
  std::vector<std::string> Strings;
  std::vector<std::uint32_t> ItemDatas;
  std::vector<int> SelIndices;

  void AddString(std::string_view text, bool selected = false);
  void Clear();
};

// A list box control. Every operation answers -1 (or nothing) while there is no window.
class TListBox : public TControl {
 public:
  TListBox(TWindow* parent, int id);

  // Adds text, at the end unless the list sorts; its index.
  int AddString(std::string_view text);
  // Removes the entry at index; the number of entries left.
  int DeleteString(int index);
  void ClearList();
  int GetCount() const;
  // The entry at index, whatever its length; empty when there is none.
  std::string GetString(int index) const;

  int GetSelCount() const;
  // Stores the indexes of the selected entries, in ascending order, as far as indexes has
  // room; the number stored.
  int GetSelIndexes(std::span<int> indexes) const;
  bool GetSel(int index) const;
  bool SetSel(int index, bool select);

 protected:
  bool CanBindTo(const QWidget& widget) const override;
  bool TakesPartInTransfer() const override { return true; }
  void Transfer(TTransferField field, TTransferDirection direction) override;

 private:
  QListWidget* List() const;
};

}  // namespace geoplait::toolkit
