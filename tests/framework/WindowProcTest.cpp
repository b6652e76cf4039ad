#include <gtest/gtest.h>

#include "framework/Application.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "framework/WindowHost.h"

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

namespace {

TEST_F(WindowProc, InvalidationAndChildListChangesAreNotified) {
  std::vector<std::pair<UINT, LPARAM>> seen;
  const TWndMethod saved = panel->WindowProc;
  panel->WindowProc = [&](TMessage& message) {
    if (message.Msg == CM_INVALIDATE || message.Msg == CM_CONTROLLISTCHANGE) seen.emplace_back(message.Msg, message.LParam);
    saved(message);
  };
  panel->Invalidate();
  auto* child = new TEdit(&form);
  child->SetParent(panel);
  delete child;
  panel->WindowProc = saved;
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].first, CM_INVALIDATE);
  EXPECT_EQ(seen[1], std::make_pair(CM_CONTROLLISTCHANGE, LPARAM{1}));
  EXPECT_EQ(seen[2], std::make_pair(CM_CONTROLLISTCHANGE, LPARAM{0}));
}

// Hears about the other components of its owner.
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<std::pair<TComponent*, TOperation>> Heard;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    Heard.emplace_back(component, operation);
    TComponent::Notification(component, operation);
  }
};

TEST(Components, EveryComponentOfAnOwnerHearsAboutItsSiblings) {
  TComponent owner(nullptr);
  auto* watcher = new TWatcher(&owner);
  auto* other = new TComponent(&owner);
  delete other;
  ASSERT_EQ(watcher->Heard.size(), 2u);
  EXPECT_EQ(watcher->Heard[0], std::make_pair(other, TOperation::opInsert));
  EXPECT_EQ(watcher->Heard[1], std::make_pair(other, TOperation::opRemove));
}

// Whether a message came from this thread is known only for what this
// thread delivered itself.
TEST_F(WindowProc, OnlyMessagesThisThreadDeliveredCountAsItsOwn) {
  std::vector<bool> own;
  const TWndMethod saved = panel->WindowProc;
  panel->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_QUESTION) own.push_back(DeliveredByOwnThread());
    saved(message);
  };
  panel->Perform(WM_QUESTION);
  SendFromOwnThread(panel->Handle(), WM_QUESTION, 0, 0);
  SendMessageW(panel->Handle(), WM_QUESTION, 0, 0);
  PostMessageW(panel->Handle(), WM_QUESTION, 0, 0);
  Application().ProcessMessages();
  panel->WindowProc = saved;
  EXPECT_EQ(own, (std::vector<bool>{true, true, false, false}));
}

}  // namespace
