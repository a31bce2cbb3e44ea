#include "event_handler.h"
#include "window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait::toolkit {
namespace {

constexpr int kNotifyOther = 5;

// A base class and a derived one that overrides one binding of it and adds another.
class Base : public TEventHandler {
 public:
  std::vector<std::string> calls;
  void One() { calls.push_back("Base::One"); }
  void Two() { calls.push_back("Base::Two"); }
  void TwoOther() { calls.push_back("Base::TwoOther"); }

  static const TResponseTable& Table() {
    static constexpr TResponseEntry kEntries[] = {
        Command<&Base::One>(1),
        Command<&Base::Two>(2),
        Command<&Base::TwoOther>(2, kNotifyOther),
    };
    static const TResponseTable table{&TEventHandler::Table(), kEntries};
    return table;
  }

 protected:
  const TResponseTable& GetResponseTable() const override { return Table(); }
};

class Derived : public Base {
 public:
  void Two() { calls.push_back("Derived::Two"); }
  void Three() { calls.push_back("Derived::Three"); }
  void ThreeAgain() { calls.push_back("Derived::ThreeAgain"); }

  static const TResponseTable& Table() {
    // The second binding of 3 is never reached: the first in table order wins.
    static constexpr TResponseEntry kEntries[] = {
        Command<&Derived::Two>(2),
        Command<&Derived::Three>(3),
        Command<&Derived::ThreeAgain>(3),
    };
    static const TResponseTable table{&Base::Table(), kEntries};
    return table;
  }

 protected:
  const TResponseTable& GetResponseTable() const override { return Table(); }
};

TEST(ResponseTable, DerivedBindingsComeFirstAndTheRestFallThroughToTheBase) {
  struct Case {
    int id;
    int notify_code;
    bool handled;
    std::string call;
  };
  const Case cases[] = {
      {1, kBnClicked, true, "Base::One"},         // only in the base table
      {2, kBnClicked, true, "Derived::Two"},      // overridden
      {2, kNotifyOther, true, "Base::TwoOther"},  // the code is part of the key
      {3, kBnClicked, true, "Derived::Three"},    // first binding of the pair
      {3, kNotifyOther, false, ""},
      {4, kBnClicked, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "id " << c.id << ", code " << c.notify_code);
    Derived handler;
    EXPECT_EQ(handler.Handles(c.id, c.notify_code), c.handled);
    EXPECT_EQ(handler.Dispatch(c.id, c.notify_code), c.handled);
    EXPECT_EQ(handler.calls,
              c.handled ? std::vector<std::string>{c.call} : std::vector<std::string>{});
  }
}

TEST(ResponseTable, BaseObjectDoesNotSeeTheDerivedBindings) {
  Base handler;
  EXPECT_TRUE(handler.Dispatch(2));
  EXPECT_FALSE(handler.Dispatch(3));
  EXPECT_EQ(handler.calls, std::vector<std::string>{"Base::Two"});
}

// Windows that answer one command each, linked as child and parent, without any widget.
class CommandWindow : public TWindow {
 public:
  CommandWindow(TWindow* parent, int answers) : TWindow(parent), answers_(answers) {}
  int received = 0;
  void Answer() { ++received; }

  const TResponseTable& GetResponseTable() const override {
    static constexpr TResponseEntry kEntries10[] = {Command<&CommandWindow::Answer>(10)};
    static constexpr TResponseEntry kEntries20[] = {Command<&CommandWindow::Answer>(20)};
    static const TResponseTable table10{&TWindow::Table(), kEntries10};
    static const TResponseTable table20{&TWindow::Table(), kEntries20};
    return answers_ == 10 ? table10 : table20;
  }

 private:
  int answers_;
};

class Application : public TEventHandler {
 public:
  int received = 0;
  void Answer() { ++received; }
  const TResponseTable& GetResponseTable() const override {
    static constexpr TResponseEntry kEntries[] = {Command<&Application::Answer>(30)};
    static const TResponseTable table{&TEventHandler::Table(), kEntries};
    return table;
  }
};

TEST(CommandRouting, GoesFromTheStartWindowUpItsParentsAndThenToTheLastReceiver) {
  CommandWindow frame(nullptr, 20);
  CommandWindow* client = frame.MakeChild<CommandWindow>(10);
  Application application;

  EXPECT_EQ(FindCommandReceiver(client, 10, &application), client);
  EXPECT_EQ(FindCommandReceiver(client, 20, &application), &frame);
  EXPECT_EQ(FindCommandReceiver(client, 30, &application), &application);
  EXPECT_EQ(FindCommandReceiver(&frame, 10, &application), nullptr);
  EXPECT_FALSE(RouteCommand(client, 40, &application));

  EXPECT_TRUE(RouteCommand(client, 20, &application));
  EXPECT_TRUE(RouteCommand(client, 30, &application));
  EXPECT_EQ(client->received, 0);
  EXPECT_EQ(frame.received, 1);
  EXPECT_EQ(application.received, 1);
}

}  // namespace
}  // namespace geoplait::toolkit
