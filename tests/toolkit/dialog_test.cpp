#include "dialog.h"

#include "list_box.h"
#include "scripted_dialogs.h"
#include "static_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace geoplait::toolkit {
namespace {

// A small dialog of its own: OK (default), Cancel, a list and a text.
constexpr TControlTemplate kControls[] = {
    {IDOK, "BUTTON", "OK", 0x50010001, 0, {10, 80, 40, 14}},
    {IDCANCEL, "button", "Cancel", 0x50010000, 0, {60, 80, 40, 14}},
    {7, "listbox", "", 0x50A10801, 0, {10, 10, 100, 61}},
    {8, "static", "Pick some", 0x50000000, 0, {10, 72, 100, 8}},
};
constexpr TDialogTemplate kPicker{
    300, 0x80C000C0, 0, {10, 10, 120, 100}, "Picker", 8, "Sans", kControls,
};
constexpr TControlTemplate kOddControl[] = {{5, "combobox", "", 0x50010000, 0, {0, 0, 9, 9}}};
constexpr TDialogTemplate kOdd{301, 0x80C000C0, 0, {0, 0, 50, 50}, "Odd", 8, "Sans", kOddControl};
constexpr const TDialogTemplate* kDialogs[] = {&kPicker, &kOdd};
const TModule kModule(kDialogs);

class Picker : public TDialog {
 public:
  explicit Picker(TListBoxData& record)
      : TDialog(nullptr, 300, &kModule), list(MakeChild<TListBox>(7)), text(MakeChild<TStatic>(8)) {
    SetTransferBuffer({&record});
  }
  TListBox* list;
  TStatic* text;
};

// Runs step once the modal loop is running.
void WhenRunning(std::function<void()> step) {
  QTimer::singleShot(0, std::move(step));
}

TEST(ModalDialog, EnterEndsWithOkAndCopiesTheControlsBackIntoTheRecord) {
  TListBoxData record;
  record.AddString("first");
  record.AddString("second", true);
  record.AddString("third");
  Picker picker(record);
  std::string text_seen;
  WhenRunning([&] {
    EXPECT_EQ(picker.list->GetCount(), 3);
    EXPECT_TRUE(picker.list->GetSel(1));
    text_seen = picker.text->GetText();
    picker.list->SetSel(2, true);
    picker.list->AddString("fourth");
    QTest::keyClick(picker.GetDlgItem(7), Qt::Key_Return);
  });
  EXPECT_EQ(picker.Execute(), IDOK);
  EXPECT_EQ(text_seen, "Pick some");
  EXPECT_FALSE(picker.IsWindow());
  EXPECT_EQ(record.Strings, (std::vector<std::string>{"first", "second", "third", "fourth"}));
  EXPECT_EQ(record.SelIndices, (std::vector<int>{1, 2}));
}

TEST(ModalDialog, EscapeAndTheCancelButtonEndWithCancelAndLeaveTheRecord) {
  const std::function<void(Picker&)> cancels[] = {
      [](Picker& p) { QTest::keyClick(p.GetDlgItem(7), Qt::Key_Escape); },
      [](Picker& p) { QTest::mouseClick(p.GetDlgItem(IDCANCEL), Qt::LeftButton); },
      [](Picker& p) { p.GetHandle()->close(); },
  };
  for (const auto& cancel : cancels) {
    TListBoxData record;
    record.AddString("kept");
    Picker picker(record);
    WhenRunning([&] {
      picker.list->AddString("dropped");
      cancel(picker);
    });
    EXPECT_EQ(picker.Execute(), IDCANCEL);
    EXPECT_EQ(record.Strings, std::vector<std::string>{"kept"});
  }
}

TEST(ModalDialog, OwnMessageBoxesAreOwnedByItsWindow) {
  testing::ScriptedDialogs dialogs;
  TListBoxData record;
  Picker picker(record);
  QWidget* window = nullptr;
  WhenRunning([&] {
    window = picker.GetHandle();
    picker.MessageBox("Hello", "Caption", 64);
    picker.EndDialog(IDOK);
  });
  picker.Execute();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], (testing::RecordedMessage{"Hello", "Caption", 64}));
  EXPECT_EQ(dialogs.message_owners[0], window);
}

TEST(DialogTemplate, ControlsGetTheirClassTextFlagsAndPixelRectangles) {
  TListBoxData record;
  Picker picker(record);
  ASSERT_TRUE(picker.Create());
  const TBaseUnits base = picker.BaseUnits();
  ASSERT_GT(base.x, 0);
  EXPECT_EQ(picker.GetHandle()->windowTitle(), "Picker");
  EXPECT_EQ(picker.GetHandle()->size(), ToPixels(kPicker.rect, base).size());

  auto* ok = qobject_cast<QPushButton*>(picker.GetDlgItem(IDOK));
  auto* cancel = qobject_cast<QPushButton*>(picker.GetDlgItem(IDCANCEL));
  auto* list = qobject_cast<QListWidget*>(picker.GetDlgItem(7));
  auto* label = qobject_cast<QLabel*>(picker.GetDlgItem(8));
  ASSERT_TRUE(ok && cancel && list && label);
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(cancel->isDefault());
  EXPECT_EQ(ok->geometry(), ToPixels(kControls[0].rect, base));
  EXPECT_EQ(label->geometry(), ToPixels(kControls[3].rect, base));
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);

  // The list shows whole entries only: its height is cut to a multiple of the entry height.
  const QRect list_rect = ToPixels(kControls[2].rect, base);
  const int entry = QFontMetrics(picker.GetHandle()->font()).height();
  const int frame = 2 * list->frameWidth();
  EXPECT_EQ(list->geometry().topLeft(), list_rect.topLeft());
  EXPECT_EQ((list->height() - frame) % entry, 0);
  EXPECT_LE(list->height(), list_rect.height());
  EXPECT_GT(list->height() + entry, list_rect.height());
  picker.list->AddString("one");
  EXPECT_EQ(list->visualItemRect(list->item(0)).height(), entry);
}

TEST(DialogTemplate, AMissingTemplateOrAControlOfUnknownKindMakesNoWindow) {
  TDialog missing(nullptr, 999, &kModule);
  EXPECT_FALSE(missing.Create());
  EXPECT_EQ(missing.Execute(), -1);

  TDialog odd(nullptr, 301, &kModule);
  EXPECT_FALSE(odd.Create());

  // A bound object whose control is not in the template.
  TDialog unbound(nullptr, 300, &kModule);
  unbound.MakeChild<TListBox>(IDOK);
  EXPECT_FALSE(unbound.Create());
}

TEST(ModelessDialog, CancelDestroysTheWindowAtOnceAndTellsTheParent) {
  class Parent : public TWindow {
   public:
    Parent() : TWindow(nullptr) {}
    TWindow* destroyed = nullptr;
    void ChildDestroyed(TWindow& child) override { destroyed = &child; }
  };
  Parent parent;
  TDialog dialog(&parent, 300, &kModule);
  ASSERT_TRUE(dialog.Create());
  QPointer<QWidget> window = dialog.GetHandle();
  window->show();
  QTest::keyClick(dialog.GetDlgItem(IDOK), Qt::Key_Escape);
  EXPECT_FALSE(dialog.IsWindow());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(parent.destroyed, &dialog);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

TEST(ModelessDialog, RestyledAsAChildItIsCreatedInsideItsParentsWindowWithinABorder) {
  TWindow frame(nullptr);
  TDialog client(&frame, 300, &kModule);
  TWindowAttr& attr = client.Attr();
  attr.Style &= ~(style::kPopup | style::kCaption | style::kDsModalFrame);
  attr.Style |= style::kChild | style::kVisible | style::kBorder;
  ASSERT_TRUE(frame.Create());
  ASSERT_TRUE(client.IsWindow());
  frame.Show(SW_SHOWNORMAL);

  QWidget* window = client.GetHandle();
  EXPECT_EQ(window->parentWidget(), frame.GetHandle());
  EXPECT_FALSE(window->isWindow());
  EXPECT_TRUE(window->isVisible());
  const TBaseUnits base = client.BaseUnits();
  EXPECT_EQ(window->size(), ToPixels(kPicker.rect, base).size() + QSize(2, 2));
  EXPECT_EQ(client.GetDlgItem(IDOK)->geometry(),
            ToPixels(kControls[0].rect, base).translated(1, 1));
}

}  // namespace
}  // namespace geoplait::toolkit
