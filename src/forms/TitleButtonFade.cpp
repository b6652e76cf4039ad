#include "forms/TitleButtonFade.h"

#include <algorithm>

#include "graphics/BlockCopy.h"

namespace {
constexpr int32_t kFadeInterval = 12;
}  // namespace

TacTitleButtonFade::TacTitleButtonFade(std::function<void(int32_t State)> Paint, std::function<void()> OnFullyShown)
    : FPaint(std::move(Paint)), FOnFullyShown(std::move(OnFullyShown)) {
  FTimer.SetEnabled(false);
  FTimer.SetInterval(kFadeInterval);
  FTimer.SetOnTimer([this](TObject*) { Tick(); });
}

void TacTitleButtonFade::FadeIn(const TacWorkBitmap& Image, int32_t Steps, int32_t State) {
  if (Image.Empty()) return Stop();
  FImage.SetSize(Image.Width(), Image.Height());
  CopyPixels(FImage, {0, 0}, Image, Image.BoundsRect());
  FState = State;
  FRising = true;
  FStep = 255.0 / std::max(Steps, 1);
  Arm();
}

void TacTitleButtonFade::FadeOut(int32_t Steps) {
  if (FState == -1) return;
  FState = 0;
  FRising = false;
  FStep = FOpacity / std::max(Steps, 1);
  Arm();
}

void TacTitleButtonFade::Stop() {
  FTimer.SetEnabled(false);
  FImage.SetSize(0, 0);
  FOpacity = 0;
  FState = -1;
}

// The first step is shown at once, the rest on the timer.
void TacTitleButtonFade::Arm() {
  FTicks = 0;
  FTimer.SetEnabled(true);
  Tick();
}

void TacTitleButtonFade::Tick() {
  if (FState == -1) return;
  FOpacity = std::clamp(FRising ? FOpacity + FStep : FOpacity - FStep, 0.0, 255.0);
  // Rounding must not leave the last step short of its end.
  if (FRising && 255 - FOpacity < 0.5) FOpacity = 255;
  if (!FRising && FOpacity < 0.5) FOpacity = 0;
  ++FTicks;
  const int32_t state = FState;
  const bool shown = FRising && FOpacity >= 255, gone = !FRising && FOpacity <= 0;
  if (shown || gone) FTimer.SetEnabled(false);
  if (gone) {
    FState = -1;
    FImage.SetSize(0, 0);
  }
  if (FPaint) FPaint(state);
  if (shown && FOnFullyShown) FOnFullyShown();
}
