#include <gtest/gtest.h>

#include "framework/Application.h"
#include "framework/Button.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

// A form at (300, 200) holding a panel with a label and a button; every
// control logs its mouse notifications.
class Mouse : public testing::Test {
 protected:
  void SetUp() override {
    form.SetName("Form");
    form.SetBounds(300, 200, 300, 200);
    panel = Add<TPanel>("Panel", &form, {10, 10, 200, 100});
    label = Add<TLabel>("Label", panel, {20, 20, 50, 15});
    button = Add<TButton>("Button", panel, {100, 20, 60, 25});
    form.HandleNeeded();
    SetCursorPos(5, 5);
  }
  void TearDown() override { Application().SetMouseControl(nullptr); }

  template <class T>
  T* Add(const std::string& name, TWinControl* parent, RECT bounds) {
    auto* control = new T(&form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    Watch(control);
    return control;
  }
  void Watch(TControl* control) {
    control->OnMouseEnter = [this](TObject* sender) { log.push_back("enter " + Name(sender)); };
    control->OnMouseLeave = [this](TObject* sender) { log.push_back("leave " + Name(sender)); };
  }
  static std::string Name(TObject* sender) { return dynamic_cast<TComponent*>(sender)->Name(); }
  static void Move(TWinControl* control, int x, int y) {
    SendMessageW(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }

  TForm form{nullptr};
  TPanel* panel = nullptr;
  TLabel* label = nullptr;
  TButton* button = nullptr;
  std::vector<std::string> log;
};

TEST_F(Mouse, EnterAndLeaveFollowThePointerThroughWindowedAndGraphicControls) {
  Watch(&form);
  Move(panel, 5, 5);
  EXPECT_EQ(log, (std::vector<std::string>{"enter Form", "enter Panel"}));
  Move(panel, 25, 25);
  Move(panel, 30, 25);
  Move(panel, 5, 5);
  Move(button, 3, 3);
  EXPECT_EQ(Application().MouseControl(), button);
  SendMessageW(button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"enter Form", "enter Panel", "enter Label", "leave Label", "enter Button",
                                           "leave Button", "leave Panel", "leave Form"}));
  EXPECT_EQ(Application().MouseControl(), nullptr);
}

TEST_F(Mouse, MovingStraightFromAGraphicControlToASiblingWindowLeavesOnlyTheLabel) {
  Move(panel, 25, 25);
  log.clear();
  Move(button, 3, 3);
  EXPECT_EQ(log, (std::vector<std::string>{"leave Label", "enter Button"}));
}

TEST_F(Mouse, ALeaveForAnotherWindowDoesNotDropTheCurrentControl) {
  Move(button, 3, 3);
  log.clear();
  SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(Application().MouseControl(), button);
}

TEST_F(Mouse, DestroyingTheControlUnderTheMouseHandsItToTheParentSilently) {
  Move(panel, 25, 25);
  log.clear();
  delete label;
  EXPECT_EQ(Application().MouseControl(), panel);
  Move(panel, 5, 5);
  EXPECT_TRUE(log.empty());
}

TEST_F(Mouse, AGraphicControlIsClickedOnlyWhenTheButtonIsReleasedOverIt) {
  int clicks = 0;
  label->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
  EXPECT_EQ(Application().CaptureControl(), label);
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Application().CaptureControl(), nullptr);
  // Pressed on the label, released elsewhere: the capture still routes the
  // release to the label, which sees it outside itself.
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 80));
  EXPECT_EQ(clicks, 1);
  label->SetEnabled(false);
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(25, 25));
  EXPECT_EQ(clicks, 1);
}

TEST_F(Mouse, TheCursorOfAGraphicControlIsShownOverIt) {
  label->SetCursor(crHandPoint);
  const POINT over = label->ClientToScreen({2, 2});
  SetCursorPos(over.x, over.y);
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(SendMessageW(panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel->Handle()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  SetCursorPos(5, 5);
}

}  // namespace
