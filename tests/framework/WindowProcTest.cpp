#include <gtest/gtest.h>

#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/Panel.h"

namespace {

constexpr UINT WM_QUESTION = WM_APP + 1;

class WindowProc : public testing::Test {
 protected:
  void SetUp() override {
    panel = new TPanel(&form);
    panel->SetParent(&form);
    edit = new TEdit(&form);
    edit->SetParent(panel);
    form.HandleNeeded();
  }
  TForm form{nullptr};
  TPanel* panel = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(WindowProc, TakeoverSeesMessagesFirstAndPassesOnTheRest) {
  std::vector<UINT> seen;
  const TWndMethod saved = panel->WindowProc;
  panel->WindowProc = [&](TMessage& message) {
    seen.push_back(message.Msg);
    if (message.Msg == WM_QUESTION) {
      message.Result = 42;
      return;
    }
    saved(message);
  };
  EXPECT_EQ(SendMessageW(panel->Handle(), WM_QUESTION, 0, 0), 42);
  EXPECT_EQ(panel->Perform(WM_QUESTION), 42);
  SendMessageW(panel->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"passed on"));
  EXPECT_EQ(panel->Caption(), "passed on");
  EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_QUESTION), 2);
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());

  panel->WindowProc = saved;
  seen.clear();
  EXPECT_EQ(SendMessageW(panel->Handle(), WM_QUESTION, 0, 0), 0);
  EXPECT_TRUE(seen.empty());
}

TEST_F(WindowProc, TakeoverOfASystemControlCanChangeWhatItPassesOn) {
  const TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_CHAR && message.WParam >= L'a' && message.WParam <= L'z') message.WParam -= L'a' - L'A';
    saved(message);
  };
  for (wchar_t ch : std::wstring(L"abé")) SendMessageW(edit->Handle(), WM_CHAR, ch, 0);
  EXPECT_EQ(edit->Text(), "ABé");
  edit->WindowProc = saved;
  SendMessageW(edit->Handle(), WM_CHAR, L'x', 0);
  EXPECT_EQ(edit->Text(), "ABéx");
}

TEST_F(WindowProc, NestedTakeoversUnwindInReverseOrder) {
  std::vector<std::string> order;
  const TWndMethod original = panel->WindowProc;
  panel->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_QUESTION) order.push_back("first");
    original(message);
  };
  const TWndMethod first = panel->WindowProc;
  panel->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_QUESTION) order.push_back("second");
    first(message);
  };
  SendMessageW(panel->Handle(), WM_QUESTION, 0, 0);
  panel->WindowProc = first;
  SendMessageW(panel->Handle(), WM_QUESTION, 0, 0);
  panel->WindowProc = original;
  SendMessageW(panel->Handle(), WM_QUESTION, 0, 0);
  EXPECT_EQ(order, (std::vector<std::string>{"second", "first", "first"}));
}

TEST_F(WindowProc, RecreatingTheWindowKeepsTypedTextAndBinding) {
  const HWND old = edit->Handle();
  SendMessageW(old, WM_CHAR, L'k', 0);
  edit->RecreateWnd();
  EXPECT_FALSE(IsWindow(old));
  ASSERT_TRUE(edit->HandleAllocated());
  EXPECT_EQ(TWinControl::FindControl(edit->Handle()), edit);
  EXPECT_EQ(edit->Text(), "k");
}

}  // namespace
