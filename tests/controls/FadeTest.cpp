// State changes of the skinned controls cross-fade on the message-loop
// timer: how many frames each fade puts on the window, which images they
// start and end on, and that nothing is left ticking afterwards.
#include <gtest/gtest.h>

#include <vector>

#include "ControlsFixture.h"
#include "controls/SkinnedButton.h"
#include "controls/SkinnedEdit.h"
#include "controls/SkinnedPanel.h"
#include "core/StateFade.h"

namespace {

struct Frame {
  int32_t State, Iteration;
  TacPixel Center;
};

// White normal, green hot, red pressed: a frame's centre pixel tells how far it is.
constexpr TacPixel kWhite = 0xFFFFFFFFu, kGreen = 0xFF00FF00u, kRed = 0xFFFF0000u;

class Fade : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    panel = Place<TsPanel>(form.get(), {0, 0, 300, 100});
    button = Place<TsButton>(panel, {10, 10, 262, 33});
    button->SkinData().SetSkinSection(kFourStates);
    edit = Place<TsEdit>(panel, {10, 50, 262, 71});
    form->Show();
    PumpAll();
    SetAnimFrameObserver([this](HWND window, int32_t state, int32_t iteration) {
      TsCommonData& data = window == edit->Handle() ? edit->SkinData() : button->SkinData();
      const TacWorkBitmap& out = *data.AnimTimer->BmpOut;
      frames.push_back({state, iteration, out.Pixel(out.Width() / 2, out.Height() / 2)});
    });
  }
  void TearDown() override {
    SetAnimFrameObserver(nullptr);
    ControlsFixture::TearDown();
  }

  static void PumpAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Runs the message loop until the control's fade has ended.
  static void RunFade(TsCommonData& data) {
    for (int guard = 0; guard < 2000 && data.AnimTimer && data.AnimTimer->Enabled(); ++guard) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      PumpAll();
    }
    ASSERT_FALSE(data.AnimTimer && data.AnimTimer->Enabled()) << "the fade never ended";
  }
  void Enter(TControl* control) { control->Perform(CM_MOUSEENTER, 0, 0); }
  void Leave(TControl* control) { control->Perform(CM_MOUSELEAVE, 0, 0); }
  TacPixel CacheCenter(TsCommonData& data) {
    const TacWorkBitmap& cache = *data.FCacheBmp;
    return cache.Pixel(cache.Width() / 2, cache.Height() / 2);
  }

  TsPanel* panel = nullptr;
  TsButton* button = nullptr;
  TsEdit* edit = nullptr;
  std::vector<Frame> frames;
};

TEST_F(Fade, EnteringTakesSixFramesFromTheNormalToTheHotImageAndLeavingEighteenBack) {
  TsCommonData& data = button->SkinData();
  Enter(button);
  RunFade(data);
  ASSERT_EQ(frames.size(), 6u);
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i].State, 1);
    EXPECT_EQ(frames[i].Iteration, static_cast<int32_t>(i) + 1);
  }
  EXPECT_NE(frames.front().Center, kWhite);
  EXPECT_NE(frames.front().Center, kGreen);
  EXPECT_EQ(frames.back().Center, kGreen);
  EXPECT_EQ(CacheCenter(data), kGreen);

  frames.clear();
  Leave(button);
  RunFade(data);
  ASSERT_EQ(frames.size(), 18u);
  EXPECT_EQ(frames.back().Center, kWhite);
  EXPECT_EQ(CacheCenter(data), kWhite);
  EXPECT_FALSE(data.AnimTimer->Ticking()) << "a finished fade leaves its timer running";
  EXPECT_FALSE(data.AnimTimer->BmpOut || data.AnimTimer->BmpFrom || data.AnimTimer->BmpTo);
}

TEST_F(Fade, LeavingHalfWayReversesFromTheFrameOnScreen) {
  TsCommonData& data = button->SkinData();
  Enter(button);  // the first of six steps runs at once
  data.AnimTimer->TimeHandler();
  data.AnimTimer->TimeHandler();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_NEAR(data.AnimTimer->Glow, 127.5, 0.01);
  const TacPixel halfWay = frames.back().Center;

  frames.clear();
  Leave(button);
  RunFade(data);
  ASSERT_EQ(frames.size(), 9u) << "18 steps scaled by what was left of the enter fade";
  EXPECT_EQ(frames.front().Iteration, 10);
  EXPECT_EQ(frames.back().Iteration, 18);
  // The first frame is already on its way from the half-faded one to white.
  const auto green = [](TacPixel p) { return (p >> 8) & 0xFF; };
  const auto red = [](TacPixel p) { return (p >> 16) & 0xFF; };
  EXPECT_EQ(green(frames.front().Center), 0xFF);
  EXPECT_GT(red(frames.front().Center), red(halfWay));
  EXPECT_EQ(frames.back().Center, kWhite);
}

TEST_F(Fade, APressIsAFastFadeOfThreeFrames) {
  TsCommonData& data = button->SkinData();
  Enter(button);
  RunFade(data);
  frames.clear();
  const LPARAM center = MAKELPARAM(button->Width() / 2, button->Height() / 2);
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, center);
  RunFade(data);
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_NE(frames.front().Center, kRed) << "the press starts from the hot image";
  EXPECT_EQ(frames.back().State, 2);
  EXPECT_EQ(frames.back().Center, kRed);

  frames.clear();
  button->Perform(WM_LBUTTONUP, 0, center);
  RunFade(data);
  EXPECT_EQ(frames.size(), 6u);
  EXPECT_EQ(frames.back().Center, kGreen);
}

TEST_F(Fade, WithoutAnimationsAStateChangeRepaintsAtOnce) {
  manager->Effects().AllowAnimation = false;
  Enter(button);
  PumpAll();
  EXPECT_TRUE(frames.empty());
  EXPECT_FALSE(button->SkinData().IsAnimating());
  EXPECT_EQ(button->PaintedState(), 1);
}

TEST_F(Fade, TheClickCircleSpreadsThePressedImageFromTheClickAndEndsOnTheHotOne) {
  TsCommonData& data = button->SkinData();
  manager->AnimEffects().Buttons.Events.Include(TacBtnEvent::beClick);
  Enter(button);
  RunFade(data);
  frames.clear();
  POINT click{20, button->Height() / 2};
  POINT screen = click;
  ClientToScreen(button->Handle(), &screen);
  SetCursorPos(screen.x, screen.y);
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
  ASSERT_EQ(data.AnimTimer->ThreadType, 2u);
  const TacWorkBitmap& first = *data.AnimTimer->BmpOut;
  EXPECT_EQ(first.Pixel(click.x, click.y), kRed) << "the circle starts at the click";
  EXPECT_EQ(first.Pixel(first.Width() - 1, 0), kGreen) << "far from it the old image still shows";
  RunFade(data);
  EXPECT_EQ(frames.back().Center, kRed) << "held, the circle ends covering the button";

  frames.clear();
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(click.x, click.y));
  RunFade(data);
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.back().Center, kGreen);
  EXPECT_FALSE(data.AnimTimer->Ticking());
}

TEST_F(Fade, AClickSendsAWaveOutOfTheButtonOnlyWhenTheManagerAsksForIt) {
  button->Click();
  EXPECT_LT(button->SkinData().CircleID, 0) << "the manager's events leave clicks out";
  manager->AnimEffects().Buttons.Events.Include(TacBtnEvent::beClick);
  manager->AnimEffects().Buttons.ClickEffect = TacClickEffect::ceWaveOut;
  button->Click();
  EXPECT_GE(button->SkinData().CircleID, 0);
}

TEST_F(Fade, TheEditsFrameFadesWithItsFocus) {
  TsCommonData& data = edit->SkinData();
  edit->SetFocus();
  RunFade(data);
  EXPECT_EQ(frames.size(), 6u);
  EXPECT_EQ(frames.back().State, 1);
  frames.clear();
  button->SetFocus();
  RunFade(data);
  size_t editFrames = 0;
  for (const Frame& f : frames) editFrames += f.State == 0 ? 1 : 0;
  EXPECT_EQ(editFrames, 18u);
}

struct GateCase {
  const char* Name;
  bool WithManager, AllowAnimation;
  TacAnimatEvents Events;
  TacAnimatEvent Event;
  bool Allowed;
};

class FadeGate : public ControlsFixture, public testing::WithParamInterface<GateCase> {};

TEST_P(FadeGate, DecidesWhichEventsAnimate) {
  const GateCase& c = GetParam();
  manager->Effects().AllowAnimation = c.AllowAnimation;
  EXPECT_EQ(AnimationAllowed(c.Event, c.Events, c.WithManager ? manager.get() : nullptr), c.Allowed);
}

using E = TacAnimatEvent;
const TacAnimatEvents kGlobal{E::aeGlobalDef};
INSTANTIATE_TEST_SUITE_P(
    Cases, FadeGate,
    testing::Values(GateCase{"NoManagerEnter", false, true, kGlobal, E::aeMouseEnter, true},
                    GateCase{"NoManagerClick", false, true, kGlobal, E::aeClick, false},
                    GateCase{"AnimationsOff", true, false, {E::aeMouseEnter}, E::aeMouseEnter, false},
                    GateCase{"OwnSetEnter", true, true, {E::aeMouseEnter}, E::aeMouseEnter, true},
                    GateCase{"OwnSetLeave", true, true, {E::aeMouseEnter}, E::aeMouseLeave, false},
                    GateCase{"ManagersLeave", true, true, kGlobal, E::aeMouseLeave, true},
                    GateCase{"ManagersClick", true, true, kGlobal, E::aeClick, false}),
    [](const testing::TestParamInfo<GateCase>& c) { return std::string(c.param.Name); });

}  // namespace
