#pragma once
#include <windows.h>

#include <cstdint>

#include "base/WinHandles.h"
#include "framework/Classes.h"

// Calls OnTimer every Interval milliseconds from the message loop while Enabled.
class TTimer : public TComponent {
  DECLARE_CLASS_INFO

 public:
  explicit TTimer(TComponent* owner) : TComponent(owner) {}
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  uint32_t Interval() const { return FInterval; }
  void SetInterval(int32_t milliseconds);
  TNotifyEvent OnTimer;
  void SetOnTimer(TNotifyEvent handler);

 protected:
  void Loaded() override;
  virtual void Timer();

 private:
  // The window that receives the ticks of every timer.
  friend class TacTimerSink;
  void UpdateTimer();

  bool FEnabled = true;
  uint32_t FInterval = 1000;
  uintptr_t FId = 0;
  TacWindowTimer FSystemTimer;
};
