#include <gtest/gtest.h>

#include "core/CommonData.h"
#include "messages/SkinCommand.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

// A panel with three children: windowed A (holding A1), graphic B, and
// windowed C (holding C1). Every control logs the skin commands it receives.
class Broadcast : public testing::Test {
 protected:
  void SetUp() override {
    parent = Add<TPanel>("Parent", &form);
    a = Add<TPanel>("A", parent);
    Add<TPanel>("A1", a);
    b = Add<TLabel>("B", parent);
    c = Add<TPanel>("C", parent);
    Add<TPanel>("C1", c);
    form.HandleNeeded();
  }
  void TearDown() override {
    SetBroadcastFilter(nullptr);
    if (a->HandleAllocated()) RemovePropW(a->Handle(), kAcsDataProperty);
  }

  template <class T>
  T* Add(const std::string& name, TWinControl* container) {
    auto* control = new T(&form);
    control->SetName(name);
    control->SetParent(container);
    const TWndMethod original = control->WindowProc;
    control->WindowProc = [this, control, original](TMessage& message) {
      if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_REFRESH)
        log.push_back(control->Name());
      original(message);
    };
    return control;
  }
  void Send() {
    TMessage message{SM_SKINCOMMAND, MakeSkinCommand(SK_REFRESH), 0, 0};
    BroadcastToChildControls(parent, message);
  }

  TForm form{nullptr};
  TPanel* parent = nullptr;
  TPanel* a = nullptr;
  TLabel* b = nullptr;
  TPanel* c = nullptr;
  TsCommonData data;
  std::vector<std::string> log;
};

TEST_F(Broadcast, ReachesEveryChildAndTheChildrenOfWindowsThatAreNotSkinAware) {
  Send();
  EXPECT_EQ(log, (std::vector<std::string>{"A", "A1", "B", "C", "C1"}));
}

TEST_F(Broadcast, StopsAtTheFirstChildBeingDestroyed) {
  b->Destroying();
  Send();
  EXPECT_EQ(log, (std::vector<std::string>{"A", "A1"}));
}

TEST_F(Broadcast, ASkinAwareChildPassesItOnItselfAndIsNotEnteredAgain) {
  data.WndProc = [this](TMessage& message) {
    log.push_back("A direct");
    BroadcastToChildControls(a, message);
  };
  data.SetPropertyWindow(a->Handle());
  Send();
  EXPECT_EQ(log, (std::vector<std::string>{"A direct", "A1", "B", "C", "C1"}));
}

TEST_F(Broadcast, AWindowedChildWithoutWindowIsPerformedButNotEntered) {
  c->DestroyHandle();
  Send();
  EXPECT_EQ(log, (std::vector<std::string>{"A", "A1", "B", "C"}));
  EXPECT_FALSE(c->HandleAllocated());
}

TEST_F(Broadcast, TheFilterKeepsTheBroadcastOutOfAChildsChildren) {
  SetBroadcastFilter([this](TWinControl* child) { return child == a; });
  Send();
  EXPECT_EQ(log, (std::vector<std::string>{"A", "B", "C", "C1"}));
}

TEST_F(Broadcast, ChildrenRemovedDuringTheWalkEndItEarly) {
  const TWndMethod logging = a->WindowProc;
  a->WindowProc = [this, logging](TMessage& message) {
    logging(message);
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_REFRESH) c->SetParent(nullptr);
  };
  Send();
  EXPECT_EQ(log, (std::vector<std::string>{"A", "A1", "B"}));
}

TEST_F(Broadcast, ToChildWindowsReachesOnlyDirectChildWindows) {
  TMessage message{SM_SKINCOMMAND, MakeSkinCommand(SK_REFRESH), 0, 0};
  BroadcastToChildWindows(parent->Handle(), message);
  std::sort(log.begin(), log.end());
  EXPECT_EQ(log, (std::vector<std::string>{"A", "C"}));
}

}  // namespace
