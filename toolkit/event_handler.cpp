#include "event_handler.h"

namespace geoplait::toolkit {

const TResponseEntry* TResponseTable::Find(int id, int notify_code) const {
  for (const TResponseTable* table = this; table != nullptr; table = table->base) {
    // Entries are searched in table order, so the first binding of a pair wins.
    for (const TResponseEntry& entry : table->entries) {
      if (entry.id == id && entry.notify_code == notify_code) {
        return &entry;
      }
    }
  }
  return nullptr;
}

bool TEventHandler::Dispatch(int id, int notify_code) {
  const TResponseEntry* entry = GetResponseTable().Find(id, notify_code);
  if (entry == nullptr) {
    return false;
  }
  entry->handler(*this);
  return true;
}

bool TEventHandler::Handles(int id, int notify_code) const {
  return GetResponseTable().Find(id, notify_code) != nullptr;
}

const TResponseTable& TEventHandler::Table() {
  static const TResponseTable table{nullptr, {}};
  return table;
}

}  // namespace geoplait::toolkit
