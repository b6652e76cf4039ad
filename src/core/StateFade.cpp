#include "core/StateFade.h"

#include <algorithm>
#include <cmath>

#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "core/LayeredEffects.h"
#include "framework/WinControl.h"
#include "framework/WindowGeometry.h"
#include "graphics/BitmapCopy.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

const TIdentTable<TacAnimatEvent> kAnimatEventIdents{
    {"aeMouseEnter", TacAnimatEvent::aeMouseEnter}, {"aeMouseLeave", TacAnimatEvent::aeMouseLeave},
    {"aeMouseDown", TacAnimatEvent::aeMouseDown},   {"aeMouseUp", TacAnimatEvent::aeMouseUp},
    {"aeClick", TacAnimatEvent::aeClick},           {"aeLighting", TacAnimatEvent::aeLighting},
    {"aeGlobalDef", TacAnimatEvent::aeGlobalDef}};

namespace {

TacAnimFrameObserver& FrameObserver() {
  static TacAnimFrameObserver observer;
  return observer;
}

int32_t RoundEven(double Value) { return static_cast<int32_t>(std::nearbyint(Value)); }

TacBtnEvent ButtonEventOf(TacAnimatEvent Event) {
  switch (Event) {
    case TacAnimatEvent::aeMouseEnter: return TacBtnEvent::beMouseEnter;
    case TacAnimatEvent::aeMouseLeave: return TacBtnEvent::beMouseLeave;
    case TacAnimatEvent::aeMouseDown: return TacBtnEvent::beMouseDown;
    case TacAnimatEvent::aeMouseUp: return TacBtnEvent::beMouseUp;
    case TacAnimatEvent::aeClick: return TacBtnEvent::beClick;
    default: return TacBtnEvent::beLighting;
  }
}

bool AnimationsOn(TsCommonData* Data) {
  TsSkinManager* manager = Data->GetSkinManager();
  return !manager || manager->Effects().AllowAnimation;
}

void ShowGlowHidden(TsCommonData* Data) {
  TsSkinManager* manager = Data->GetSkinManager();
  const TsGeneralData* section = Data->Section();
  const HWND window = Data->OwnerHandle();
  if (!manager || !manager->Effects().AllowGlowing || !section || section->GlowCount < 1 || !window) return;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  Data->GlowID = ShowGlow({bounds.left, bounds.top, bounds.right, bounds.bottom}, "", "GLOW", Data,
                          GetAncestor(window, GA_ROOT), 0, section->GlowMargin);
}

void SetGlowOpacity(TsCommonData* Data, uint8_t Alpha) {
  auto* glow = dynamic_cast<TacGlowEffect*>(EffectOf(Data->GlowID));
  if (!glow || glow->FAlpha == Alpha) return;
  glow->FAlpha = Alpha;
  glow->Repaint();
}

// Puts the frame on the control's window. A focused control whose client
// the system paints (the edit with its caret) keeps its client area.
void PutFrameOnWindow(TsCommonData* Data, const TacWorkBitmap& Frame, const TacThreadedTimer& Timer) {
  const HWND window = Data->OwnerHandle();
  if (!window) return;
  const TacWindowDC dc(window, true);
  if (Data->FadeSparesFocusedClient && GetFocus() == window) {
    const RECT client = ClientRectInWindow(window);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
  }
  GdiFlush();
  BitBlt(dc.Get(), 0, 0, Frame.Width(), Frame.Height(), WorkBitmapDC(Frame), 0, 0, SRCCOPY);
  NotifyAnimFrame(window, Timer.State, Timer.Iteration);
}

// After its last frame a fade keeps nothing but its progress.
void EndFade(TsCommonData* Data, TacThreadedTimer& Timer) {
  const int32_t state = Timer.State;
  if (state != 1) HideGlow(Data->GlowID);
  Timer.BmpTo.reset();
  Timer.BmpFrom.reset();
  Timer.BmpOut.reset();
  if (state == 0) Data->StopAnimation();
}

bool FadeReady(TsCommonData* Data) {
  TacThreadedTimer* timer = Data ? Data->AnimTimer.get() : nullptr;
  return timer && timer->Iterations > 0 && Data->OwnerHandle() && timer->BmpFrom && timer->BmpTo && Data->FCacheBmp &&
         !Data->FCacheBmp->Empty();
}

// Moves Glow one step toward the fade's end; the last step lands on it.
uint8_t AdvanceGlow(TacThreadedTimer& Timer) {
  const bool last = Timer.Iteration >= Timer.Iterations;
  switch (Timer.State) {
    case 1: Timer.Glow = last ? 255 : Timer.Glow + Timer.GlowStep; break;
    case 0:
    case 2: Timer.Glow = last ? 0 : Timer.Glow - Timer.GlowStep; break;
    default: Timer.Glow = 255.0 - 255.0 * Timer.Iteration / Timer.Iterations; break;
  }
  return static_cast<uint8_t>(std::clamp(RoundEven(Timer.Glow), 0, 255));
}

}  // namespace

void SetAnimFrameObserver(TacAnimFrameObserver Observer) { FrameObserver() = std::move(Observer); }

void NotifyAnimFrame(HWND Window, int32_t State, int32_t Iteration) {
  if (FrameObserver()) FrameObserver()(Window, State, Iteration);
}

bool AnimationAllowed(TacAnimatEvent Event, const TacAnimatEvents& Events, TsSkinManager* Manager) {
  if (!Manager) return Event != TacAnimatEvent::aeClick;
  if (!Manager->Effects().AllowAnimation) return false;
  if (!Events.Contains(TacAnimatEvent::aeGlobalDef)) return Events.Contains(Event);
  return Manager->AnimEffects().Buttons.Events.Contains(ButtonEventOf(Event));
}

void ChangeState(TsCommonData* Data, int32_t NewState, const TacAnimProc& Paint, bool ShowGlow, bool AFast,
                 bool Animate) {
  if (!Data) return;
  const HWND window = Data->OwnerHandle();
  if (!Data->Skinned() || (window && !IsWindowVisible(window))) {
    Data->Invalidate(false);
    return;
  }
  TsSkinManager* manager = Data->GetSkinManager();
  const bool skinChanging = manager && manager->ManagerState.Contains(TacManagerStateValue::msSkinChanging);
  if (Animate && window && !skinChanging && Data->FCacheBmp && !Data->FCacheBmp->Empty() && !Data->BGChanged &&
      AnimationsOn(Data)) {
    if (ShowGlow && NewState < 100 && Data->GlowID < 0) ShowGlowHidden(Data);
    Data->BGChanged = true;
    StartFade(Data, NewState, Paint, AFast);
    return;
  }
  Data->StopAnimation();
  Data->Invalidate(true);
  if (!Data->FMouseAbove) {
    HideGlow(Data->GlowID);
    if (Data->AnimTimer) Data->AnimTimer->Glow = 0;
  } else if (ShowGlow) {
    if (Data->GlowID < 0) {
      ShowGlowHidden(Data);
      SetGlowOpacity(Data, 255);
    }
    if (Data->AnimTimer) Data->AnimTimer->Glow = 255;
  }
}

void StartFade(TsCommonData* Data, int32_t NewState, const TacAnimProc& Paint, bool AFast) {
  int32_t iteration = 0;
  if (!Data->AnimTimer) {
    Data->AnimTimer = TacThreadedTimer::CreateOwned(dynamic_cast<TComponent*>(Data->FOwnerObject), true);
    Data->AnimTimer->Glow = NewState == 0 ? 255 : 0;
  } else {
    iteration = std::max(0, (Data->AnimTimer->State == 0 ? 12 : 0) - Data->AnimTimer->Iteration + 6);
  }
  TacThreadedTimer& timer = *Data->AnimTimer;
  if (timer.State != -1 && timer.State == NewState) return;
  const TacWorkBitmap& cache = *Data->FCacheBmp;
  const bool running = timer.Enabled() && timer.State != -1 && timer.BmpOut;
  if (timer.BmpOut && (timer.BmpOut->Width() != cache.Width() || timer.BmpOut->Height() != cache.Height()))
    timer.BmpOut.reset();
  // What is on screen now: the running fade's frame, else the cache.
  const TacWorkBitmap& shown = running && timer.BmpOut ? *timer.BmpOut : cache;
  TacThreadedTimer::CopyFrom(timer.BmpFrom, shown, shown.BoundsRect());
  if (Data->BGChanged && Data->FOwnerControl &&
      Data->FOwnerControl->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_PREPARE_CACHE), 0) != 0) {
    timer.DisableTimer();
    timer.State = -1;
    Data->Invalidate(false);
    return;
  }
  TacThreadedTimer::CopyFrom(timer.BmpTo, cache, cache.BoundsRect());
  if (!running) timer.State = -1;
  timer.InitData(Data, iteration, AFast, NewState, Paint);
  timer.TimeHandler();
}

bool FadeStep(TsCommonData* Data, int32_t) {
  if (!FadeReady(Data)) return false;
  TacThreadedTimer& timer = *Data->AnimTimer;
  const TacWorkBitmap& cache = *Data->FCacheBmp;
  TacThreadedTimer::CopyFrom(timer.BmpOut, *timer.BmpFrom, cache.BoundsRect());
  const uint8_t b = AdvanceGlow(timer);
  const int32_t oldShare = timer.State == 1 ? 255 - b : b;
  TacWorkBitmap& out = *timer.BmpOut;
  BlendBitmap(out, *timer.BmpTo, oldShare, {0, 0}, {0, 0, out.Width() - 1, out.Height() - 1});
  PutFrameOnWindow(Data, out, timer);
  if (timer.Iteration < timer.Iterations) {
    SetGlowOpacity(Data, b);
    if (timer.State == 0 && b < 10 && Data->GlowID >= 0) {
      HideGlow(Data->GlowID);
      timer.Glow = 0;
    }
    return true;
  }
  EndFade(Data, timer);
  return false;
}

void FinishAnimation(TsCommonData* Data) {
  TacThreadedTimer* timer = Data ? Data->AnimTimer.get() : nullptr;
  if (!timer || !timer->Enabled() || !timer->AnimProc) return;
  timer->Iteration = timer->Iterations;
  timer->Glow = timer->State <= 0 ? 0 : 255;
  timer->DisableTimer();
  const TacAnimProc paint = timer->AnimProc;
  paint(Data, timer->Iteration);
  timer->State = -1;
  timer->BmpOut.reset();
}
