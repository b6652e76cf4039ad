#include "core/GlowForm.h"

namespace {
constexpr UINT WM_RELEASE_EFFECT = WM_APP + 0x1A1;
}

TacGlowForm::TacGlowForm(std::function<void()> OnTimer, std::function<void()> OnRelease)
    : FOnTimer(std::move(OnTimer)), FOnRelease(std::move(OnRelease)) {
  CreateHostWindow({.ClassName = L"TacGlowForm", .Style = WS_POPUP, .ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE});
}

void TacGlowForm::ReleaseLater() {
  if (Handle()) PostMessageW(Handle(), WM_RELEASE_EFFECT, 0, 0);
}

void TacGlowForm::HostWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST:
      message.Result = HTTRANSPARENT;
      return;
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      return;
    case WM_TIMER:
      if (FOnTimer) FOnTimer();
      return;
    case WM_RELEASE_EFFECT: {
      // The release frees this window's effect, and with it this object.
      const std::function<void()> release = FOnRelease;
      if (release) release();
      return;
    }
    default:
      DefaultHostProc(message);
  }
}
