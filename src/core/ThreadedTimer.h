#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/Classes.h"
#include "framework/Timer.h"
#include "graphics/Geometry.h"
#include "graphics/WorkBitmap.h"

class TsCommonData;

// Paints one frame of an animation; false ends it.
using TacAnimProc = std::function<bool(TsCommonData* Data, int32_t Iteration)>;

// The ticks of a state animation: a message-loop timer, the progress of the
// running fade and the three images it blends. Every tick runs on the main
// thread between messages, so nothing here is locked.
class TacThreadedTimer : public TComponent {
  DECLARE_CLASS_INFO

 public:
  // Enabled, at 1000 ms, ticking into OnTimer (unless the application is terminating).
  explicit TacThreadedTimer(TComponent* Owner);
  // Disabled; with ChangeEvent the ticks run TimeHandler.
  static std::unique_ptr<TacThreadedTimer> CreateOwned(TComponent* Owner, bool ChangeEvent);
  ~TacThreadedTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool On);
  int32_t Interval() const { return FInterval; }
  void SetInterval(int32_t Milliseconds);
  void SetOnTimer(TNotifyEvent Handler);
  // Whether the message-loop timer is running.
  bool Ticking() const { return FTimerThread && FTimerThread->Enabled(); }
  // Makes the message-loop timer again.
  void Reset();

  // Sets up a fade to ANewState painted by Proc, and enables the timer.
  void InitData(TsCommonData* Data, int32_t AIteration, bool AFast, int32_t ANewState, TacAnimProc Proc);
  // One step of the animation.
  virtual void TimeHandler();
  virtual void PrepareImage() {}
  virtual void DisableTimer() { SetEnabled(false); }

  // Dest becomes a copy of Rect of Source, at (0, 0), made or resized as needed.
  static void CopyFrom(std::unique_ptr<TacWorkBitmap>& Dest, const TacWorkBitmap& Source, const TRect& Rect);

  double Glow = 0;
  double Value = 0;
  double GlowStep = 0, ValueStep = 0;
  int32_t State = -1;
  int32_t Iteration = 0, Iterations = 6;
  int32_t IntState = -1, OldState = -1;
  // 0 state fade, 1 glow fade (Invalidate leaves it running), 2 click circle.
  uint32_t ThreadType = 0;
  std::unique_ptr<TacWorkBitmap> BmpTo, BmpOut, BmpFrom;
  TRect AnimRect;
  TsCommonData* AnimData = nullptr;
  bool Destroyed = false;
  TacAnimProc AnimProc;
  // Click circle: the centre in the control, and whether the button was released.
  TPoint ClickCenter;
  bool ClickReleased = false;

 protected:
  virtual void ClearBitmaps() {}

 private:
  TacThreadedTimer(TComponent* Owner, bool Enabled);
  void Tick();
  void Arm();

  bool FEnabled = false;
  int32_t FInterval = 1000;
  TNotifyEvent FOnTimer;
  std::unique_ptr<TTimer> FTimerThread;
  bool InHandler = false;
  bool Executing = false;
  TComponent* FOwner = nullptr;
};
