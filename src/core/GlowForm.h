#pragma once
#include <windows.h>

#include <functional>

#include "framework/WindowHost.h"

// The borderless popup a glow or ripple is shown in. It is never activated,
// never takes a click (hit-testing answers transparent), and hands the ticks
// of its timers and a release posted to itself to the effect that shows it.
class TacGlowForm final : public TacWindowHost {
 public:
  TacGlowForm(std::function<void()> OnTimer, std::function<void()> OnRelease);

  // Runs OnRelease once the message being handled now is done.
  void ReleaseLater();

 protected:
  void HostWndProc(TMessage& message) override;

 private:
  std::function<void()> FOnTimer, FOnRelease;
};
