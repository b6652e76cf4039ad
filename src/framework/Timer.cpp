#include "framework/Timer.h"

#include <map>

#include "framework/Application.h"

namespace {

std::map<uintptr_t, TTimer*>& ActiveTimers() {
  static std::map<uintptr_t, TTimer*> timers;
  return timers;
}

}  // namespace

LRESULT CALLBACK TTimer::TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER) return DefWindowProcW(window, msg, wParam, lParam);
  auto it = ActiveTimers().find(wParam);
  if (it != ActiveTimers().end()) {
    try {
      it->second->Timer();
    } catch (const std::exception& e) {
      Application().HandleException(e);
    }
  }
  return 0;
}

namespace {

// One hidden message-only window receives the ticks of every timer.
HWND TimerWindow(WNDPROC proc) {
  static HWND window = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TTimerWindow";
    RegisterClassExW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  return window;
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
  HWND window = TimerWindow(TimerWndProc);
  if (FId) {
    KillTimer(window, FId);
    ActiveTimers().erase(FId);
    FId = 0;
  }
  const bool loading = ComponentState().Contains(TComponentStateItem::csLoading);
  if (!FEnabled || FInterval == 0 || !OnTimer || loading) return;
  FId = NextTimerId();
  if (!SetTimer(window, FId, FInterval, nullptr)) {
    FId = 0;
    throw Exception("Not enough timers available");
  }
  ActiveTimers()[FId] = this;
}
