#include "list_box.h"

#include <QListWidget>

namespace geoplait::toolkit {

void TListBoxData::AddString(std::string_view text, bool selected) {
  Strings.emplace_back(text);
  ItemDatas.push_back(0);
  if (selected) {
    SelIndices.push_back(static_cast<int>(Strings.size()) - 1);
  }
}

void TListBoxData::Clear() {
  Strings.clear();
  ItemDatas.clear();
  SelIndices.clear();
}

TListBox::TListBox(TWindow* parent, int id) : TControl(parent, id) {}

bool TListBox::CanBindTo(const QWidget& widget) const {
  return qobject_cast<const QListWidget*>(&widget) != nullptr;
}

QListWidget* TListBox::List() const {
  return qobject_cast<QListWidget*>(GetHandle());
}

int TListBox::AddString(std::string_view text) {
  QListWidget* list = List();
  if (list == nullptr) {
    return -1;
  }
  auto* item =
      new QListWidgetItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  list->addItem(item);
  return list->row(item);
}

int TListBox::DeleteString(int index) {
  QListWidget* list = List();
  if (list == nullptr || index < 0 || index >= list->count()) {
    return -1;
  }
  delete list->takeItem(index);
  return list->count();
}

void TListBox::ClearList() {
  if (QListWidget* list = List()) {
    list->clear();
  }
}

int TListBox::GetCount() const {
  const QListWidget* list = List();
  return list != nullptr ? list->count() : -1;
}

std::string TListBox::GetString(int index) const {
  const QListWidget* list = List();
  if (list == nullptr || index < 0 || index >= list->count()) {
    return {};
  }
  return list->item(index)->text().toStdString();
}

int TListBox::GetSelCount() const {
  const QListWidget* list = List();
  if (list == nullptr) {
    return -1;
  }
  int count = 0;
  for (int row = 0; row < list->count(); ++row) {
    count += list->item(row)->isSelected() ? 1 : 0;
  }
  return count;
}

int TListBox::GetSelIndexes(std::span<int> indexes) const {
  const QListWidget* list = List();
  if (list == nullptr) {
    return -1;
  }
  std::size_t stored = 0;
  for (int row = 0; row < list->count() && stored < indexes.size(); ++row) {
    if (list->item(row)->isSelected()) {
      indexes[stored++] = row;
    }
  }
  return static_cast<int>(stored);
}

bool TListBox::GetSel(int index) const {
  const QListWidget* list = List();
  return list != nullptr && index >= 0 && index < list->count() && list->item(index)->isSelected();
}

bool TListBox::SetSel(int index, bool select) {
  QListWidget* list = List();
  if (list == nullptr || index < 0 || index >= list->count()) {
    return false;
  }
  list->item(index)->setSelected(select);
  return true;
}

void TListBox::Transfer(TTransferField field, TTransferDirection direction) {
  auto* const* record = std::get_if<TListBoxData*>(&field);
  if (record == nullptr || *record == nullptr) {
    return;
  }
  TListBoxData& data = **record;
  if (direction == TTransferDirection::kSetData) {
    ClearList();
    for (const std::string& text : data.Strings) {
      AddString(text);
    }
    for (int index : data.SelIndices) {
      SetSel(index, true);
    }
    return;
  }
  data.Clear();
  for (int row = 0; row < GetCount(); ++row) {
    data.AddString(GetString(row), GetSel(row));
  }
}

}  // namespace geoplait::toolkit
