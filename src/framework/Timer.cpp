#include "framework/Timer.h"

#include <map>

#include "framework/WindowHost.h"

// One hidden message-only window receives the ticks of every timer.
class TacTimerSink final : public TacWindowHost {
 public:
  HWND Window() {
    CreateHostWindow({.ClassName = L"TTimerWindow", .Style = 0, .Parent = HWND_MESSAGE});
    return Handle();
  }
  std::map<uintptr_t, TTimer*> Timers;

 protected:
  void HostWndProc(TMessage& message) override {
    if (message.Msg != WM_TIMER) return DefaultHostProc(message);
    if (auto it = Timers.find(message.WParam); it != Timers.end()) it->second->Timer();
  }
};

namespace {

// Never destroyed: timers of forms that the application frees during static
// destruction still find it.
TacTimerSink& Sink() {
  static TacTimerSink& sink = *new TacTimerSink;
  return sink;
}

uintptr_t NextTimerId() {
  static uintptr_t id = 0;
  return ++id;
}

}  // namespace

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info("TTimer", &TComponent::StaticClassInfo(),
                               [](TComponent* owner) { return new TTimer(owner); }, [](TClassInfo& c) {
                                 c.Boolean<TTimer>("Enabled", &TTimer::SetEnabled);
                                 c.Integer<TTimer>("Interval", &TTimer::SetInterval);
                                 c.Event<TTimer>("OnTimer", &TTimer::SetOnTimer);
                               });
  return info;
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(int32_t milliseconds) {
  const uint32_t interval = milliseconds > 0 ? static_cast<uint32_t>(milliseconds) : 0;
  if (interval == FInterval) return;
  FInterval = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  OnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

void TTimer::UpdateTimer() {
  if (FId) {
    FSystemTimer.Stop();
    Sink().Timers.erase(FId);
    FId = 0;
  }
  const bool loading = ComponentState().Contains(TComponentStateItem::csLoading);
  if (!FEnabled || FInterval == 0 || !OnTimer || loading) return;
  const uintptr_t id = NextTimerId();
  if (!FSystemTimer.Start(Sink().Window(), id, FInterval)) throw Exception("Not enough timers available");
  FId = id;
  Sink().Timers[FId] = this;
}
