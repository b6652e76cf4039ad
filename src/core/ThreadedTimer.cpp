#include "core/ThreadedTimer.h"

#include <algorithm>
#include <cmath>

#include "framework/Application.h"
#include "graphics/BlockCopy.h"

namespace {

int32_t RoundEven(double Value) { return static_cast<int32_t>(std::nearbyint(Value)); }

constexpr int32_t kFadeInterval = 12;

}  // namespace

const TClassInfo& TacThreadedTimer::StaticClassInfo() {
  static const TClassInfo info("TacThreadedTimer", &TComponent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TacThreadedTimer::TacThreadedTimer(TComponent* Owner) : TacThreadedTimer(Owner, !Application().Terminated()) {}

TacThreadedTimer::TacThreadedTimer(TComponent* Owner, bool Enabled) : TComponent(nullptr), FOwner(Owner) {
  FEnabled = Enabled;
  FTimerThread = std::make_unique<TTimer>(nullptr);
  FTimerThread->SetEnabled(false);
  FTimerThread->SetOnTimer([this](TObject*) { Tick(); });
  Arm();
}

std::unique_ptr<TacThreadedTimer> TacThreadedTimer::CreateOwned(TComponent* Owner, bool ChangeEvent) {
  std::unique_ptr<TacThreadedTimer> timer(new TacThreadedTimer(Owner, false));
  if (ChangeEvent) timer->FOnTimer = [t = timer.get()](TObject*) { t->TimeHandler(); };
  return timer;
}

TacThreadedTimer::~TacThreadedTimer() {
  FEnabled = false;
  if (!Destroyed) {
    Destroyed = true;
    FTimerThread.reset();
    BmpTo.reset();
    BmpOut.reset();
    BmpFrom.reset();
  }
}

// The message-loop timer runs only while something would happen on its tick.
void TacThreadedTimer::Arm() {
  if (!FTimerThread) return;
  FTimerThread->SetEnabled(false);
  if (FInterval > 0 && FEnabled && (FOnTimer || AnimProc)) {
    FTimerThread->SetInterval(FInterval);
    FTimerThread->SetEnabled(true);
  }
}

void TacThreadedTimer::SetEnabled(bool On) {
  FEnabled = On;
  Arm();
  if (!On) ClearBitmaps();
}

void TacThreadedTimer::SetInterval(int32_t Milliseconds) {
  FInterval = std::max(Milliseconds, 0);
  Arm();
}

void TacThreadedTimer::SetOnTimer(TNotifyEvent Handler) {
  FOnTimer = std::move(Handler);
  Arm();
}

void TacThreadedTimer::Reset() {
  FTimerThread = std::make_unique<TTimer>(nullptr);
  FTimerThread->SetEnabled(false);
  FTimerThread->SetOnTimer([this](TObject*) { Tick(); });
  Arm();
}

void TacThreadedTimer::Tick() {
  if (InHandler || Executing || Destroyed) return;
  InHandler = true;
  Executing = true;
  try {
    if (AnimProc)
      TimeHandler();
    else if (FOnTimer)
      FOnTimer(this);
  } catch (...) {
    // A broken step leaves the control with its cache, which the next paint shows.
    DisableTimer();
    State = -1;
  }
  Executing = false;
  InHandler = false;
}

void TacThreadedTimer::TimeHandler() {
  if (!FEnabled || Destroyed || !AnimProc) return;
  ++Iteration;
  if (Iteration > Iterations || !AnimProc(AnimData, Iteration)) {
    DisableTimer();
    State = -1;
  }
}

// Every fade runs a whole number of steps from where it starts to its end
// image, so that it both ends on that image and ends at all; a fade that
// replaces a running one starts from the frame on screen with the progress
// it had reached.
void TacThreadedTimer::InitData(TsCommonData* Data, int32_t AIteration, bool AFast, int32_t ANewState,
                                TacAnimProc Proc) {
  SetEnabled(false);
  AnimData = Data;
  Value = 0;
  Glow = std::clamp(Glow, 0.0, 255.0);
  const bool running = State != -1;
  Iterations = AFast ? 3 : 6;
  int32_t start = running ? 0 : AIteration;
  double target = 0;
  switch (ANewState) {
    case 0:
      Iterations *= 3;
      if (State == 1) start = Glow != 0 ? RoundEven((255 - Glow) * Iterations / 255) : 0;
      break;
    case 2:
      if (AIteration >= Iterations || AIteration == 0) Glow = 255;
      break;
    case 1:
      Iterations = 6;
      target = 255;
      if (State <= 0) start = RoundEven(Glow * Iterations / 255);
      break;
    default:
      break;
  }
  start = std::clamp(start, 0, Iterations - 1);
  const int32_t steps = Iterations - start;
  GlowStep = std::abs(target - Glow) / steps;
  ValueStep = (255 - Value) / steps;
  Iteration = start;
  if (FInterval == 1000) FInterval = kFadeInterval;
  AnimProc = std::move(Proc);
  OldState = State;
  State = ANewState;
  SetEnabled(true);
}

void TacThreadedTimer::CopyFrom(std::unique_ptr<TacWorkBitmap>& Dest, const TacWorkBitmap& Source, const TRect& Rect) {
  if (!Dest) Dest = std::make_unique<TacWorkBitmap>();
  Dest->EnsureSize(Rect.Width(), Rect.Height());
  CopyPixels(*Dest, {0, 0}, Source, Rect);
}
