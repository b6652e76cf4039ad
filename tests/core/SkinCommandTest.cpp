#include <gtest/gtest.h>

#include "base/Exception.h"
#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "messages/SkinCommand.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

// Counts the messages that pass through the system's SendMessageW on this thread.
class SentMessageCounter {
 public:
  SentMessageCounter() {
    Count = 0;
    FHook.Reset(SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId()));
  }
  static inline int Count = 0;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == SM_SKINCOMMAND) ++Count;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  TacScopedHook FHook;
};

// A panel whose window procedure answers sub-command 9 with 5 and records
// what reached it.
class SkinCommand : public testing::Test {
 protected:
  void SetUp() override {
    panel = new TPanel(&form);
    panel->SetParent(&form);
    form.HandleNeeded();
    const TWndMethod original = panel->WindowProc;
    panel->WindowProc = [this, original](TMessage& message) {
      if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_GET_DEFAULT_INDEX) {
        received.push_back(message.LParam);
        message.Result = 5;
        return;
      }
      original(message);
    };
  }
  void TearDown() override {
    if (panel->HandleAllocated()) RemovePropW(panel->Handle(), kAcsDataProperty);
  }

  TForm form{nullptr};
  TPanel* panel = nullptr;
  TsCommonData data;
  std::vector<LPARAM> received;
};

TEST_F(SkinCommand, WithoutSkinDataTheCommandTravelsThroughSendMessage) {
  SentMessageCounter sent;
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_DEFAULT_INDEX, 77), 5);
  EXPECT_EQ(sent.Count, 1);
  EXPECT_EQ(received, std::vector<LPARAM>{77});
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_PROVIDER), 0);
}

TEST_F(SkinCommand, WithSkinDataAndASavedProcedureItIsAnsweredDirectly) {
  data.WndProc = [](TMessage& message) {
    EXPECT_EQ(message.Msg, SM_SKINCOMMAND);
    EXPECT_EQ(message.WParam, MakeSkinCommand(SK_GET_DEFAULT_INDEX));
    message.Result = message.LParam + 1;
  };
  data.SetPropertyWindow(panel->Handle());
  SentMessageCounter sent;
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_DEFAULT_INDEX, 41), 42);
  EXPECT_EQ(sent.Count, 0);
  EXPECT_TRUE(received.empty());
}

// Another process, or a freed control, may have left a value under the
// property name: only a live target that put it on this very window is called.
TEST_F(SkinCommand, APropertyValueThatIsNotALiveTargetOfThisWindowIsNotFollowed) {
  data.WndProc = [](TMessage& message) { message.Result = 99; };
  int32_t foreign = 0;
  SetPropW(panel->Handle(), kAcsDataProperty, &foreign);
  SentMessageCounter sent;
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_DEFAULT_INDEX), 5);
  auto* other = new TPanel(&form);
  other->SetParent(&form);
  data.SetPropertyWindow(other->Handle());
  SetPropW(panel->Handle(), kAcsDataProperty, &data);
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_DEFAULT_INDEX), 5);
  EXPECT_EQ(sent.Count, 2);
  EXPECT_EQ(SendSkinCommand(other->Handle(), SK_GET_DEFAULT_INDEX), 99);
  data.SetPropertyWindow(nullptr);
  EXPECT_EQ(GetPropW(other->Handle(), kAcsDataProperty), nullptr);
}

TEST_F(SkinCommand, AnExceptionOnTheDirectPathAnswersZero) {
  data.WndProc = [](TMessage&) { throw Exception("receiver failed"); };
  data.SetPropertyWindow(panel->Handle());
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_DEFAULT_INDEX), 0);
}

TEST_F(SkinCommand, SkinDataWithoutAProcedureFallsBackToSendMessage) {
  data.SetPropertyWindow(panel->Handle());
  SentMessageCounter sent;
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_DEFAULT_INDEX), 5);
  EXPECT_EQ(sent.Count, 1);
}

TEST_F(SkinCommand, ToAControlTheOwnersProcedureIsAdoptedAndCalledDirectly) {
  data.FOwnerControl = panel;
  data.SetPropertyWindow(panel->Handle());
  SentMessageCounter sent;
  EXPECT_EQ(SendSkinCommandToControl(panel, SK_GET_DEFAULT_INDEX, 3), 5);
  EXPECT_EQ(sent.Count, 0);
  ASSERT_TRUE(data.WndProc);
  EXPECT_EQ(SendSkinCommand(panel->Handle(), SK_GET_DEFAULT_INDEX, 4), 5);
  EXPECT_EQ(received, (std::vector<LPARAM>{3, 4}));
}

TEST_F(SkinCommand, ToAControlWithoutSkinDataItIsSent) {
  SentMessageCounter sent;
  EXPECT_EQ(SendSkinCommandToControl(panel, SK_GET_DEFAULT_INDEX), 5);
  EXPECT_EQ(sent.Count, 1);
}

TEST_F(SkinCommand, ControlsBeingDestroyedOrWithoutWindowGetNothing) {
  auto* unborn = new TPanel(&form);
  EXPECT_EQ(SendSkinCommandToControl(unborn, SK_GET_DEFAULT_INDEX), 0);
  EXPECT_FALSE(unborn->HandleAllocated());
  panel->Destroying();
  EXPECT_EQ(SendSkinCommandToControl(panel, SK_GET_DEFAULT_INDEX), 0);
  EXPECT_TRUE(received.empty());
}

TEST_F(SkinCommand, AGraphicControlIsAskedThroughPerform) {
  auto* label = new TLabel(&form);
  label->WindowProc = [](TMessage& message) {
    if (message.Msg == SM_SKINCOMMAND) message.Result = SkinCommandOf(message.WParam) * 10 + SkinArgumentOf(message.WParam);
  };
  EXPECT_EQ(SendSkinCommandToControl(label, SK_GET_DEFAULT_KIND), 880);
  EXPECT_EQ(SendSkinCommandToControl(label, SM_SKINCOMMAND, MakeSkinCommand(SK_SET_UPDATING, 1), 0), 81);
}

TEST_F(SkinCommand, SkinAwarenessComesFromThePropertiesOrTheAnswer) {
  EXPECT_FALSE(IsSkinAwareWindow(panel->Handle()));
  EXPECT_FALSE(IsSkinAwareWindow(nullptr));
  SetPropW(panel->Handle(), kAcsAdapterProperty, &data);
  EXPECT_TRUE(IsSkinAwareWindow(panel->Handle()));
  RemovePropW(panel->Handle(), kAcsAdapterProperty);
  SetPropW(panel->Handle(), kAcsDataProperty, &data);
  EXPECT_TRUE(IsSkinAwareWindow(panel->Handle()));
  RemovePropW(panel->Handle(), kAcsDataProperty);

  const TWndMethod plain = panel->WindowProc;
  LRESULT answer = 2;
  panel->WindowProc = [&](TMessage& message) {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_IS_SKINNED) {
      message.Result = answer;
      return;
    }
    plain(message);
  };
  EXPECT_FALSE(IsSkinAwareWindow(panel->Handle()));
  answer = 1;
  EXPECT_TRUE(IsSkinAwareWindow(panel->Handle()));
}

}  // namespace
