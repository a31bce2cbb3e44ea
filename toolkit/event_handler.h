#pragma once

#include "window_styles.h"

#include <span>

namespace geoplait::toolkit {

class TEventHandler;

using THandlerThunk = void (*)(TEventHandler&);

// One binding of a response table: a command id and notification code to a member handler.
struct TResponseEntry {
  int id;
  int notify_code;
  THandlerThunk handler;
};

// The bindings of one class. A lookup that finds nothing here goes on to the table of the
// base class, so a derived class answers only what it changes.
struct TResponseTable {
  const TResponseTable* base;
  std::span<const TResponseEntry> entries;

  // The first entry for id and code in this table, else in its bases; null when none has one.
  const TResponseEntry* Find(int id, int notify_code) const;
};

namespace internal {
template <class Member>
struct HandlerClass;
template <class T>
struct HandlerClass<void (T::*)()> {
  using type = T;
};
}  // namespace internal

// The entry that runs Handler, a member function without arguments, on the receiving object.
template <auto Handler>
constexpr TResponseEntry Command(int id, int notify_code = kBnClicked) {
  using Class = typename internal::HandlerClass<decltype(Handler)>::type;
  // A dynamic cast, because the receiver may reach its handlers' class through virtual bases.
  return {id, notify_code,
          [](TEventHandler& receiver) { (dynamic_cast<Class&>(receiver).*Handler)(); }};
}

// An object that receives commands and answers them from its class's response table.
class TEventHandler {
 public:
  TEventHandler() = default;
  virtual ~TEventHandler() = default;
  TEventHandler(const TEventHandler&) = delete;
  TEventHandler& operator=(const TEventHandler&) = delete;

  // Runs the handler bound to id and code. False when no table of the class chain has one.
  bool Dispatch(int id, int notify_code = kBnClicked);

  // Whether Dispatch would find a handler; a menu grays the commands for which this is false.
  bool Handles(int id, int notify_code = kBnClicked) const;

  // The table of this class: empty, the end of every chain.
  static const TResponseTable& Table();

 protected:
  // The table of the object's own class. Every class with a table of its own overrides it.
  virtual const TResponseTable& GetResponseTable() const { return Table(); }
};

}  // namespace geoplait::toolkit
