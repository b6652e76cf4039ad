#include "core/LayeredEffects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/CommonData.h"
#include "core/LayeredWindowApi.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"

namespace {

std::vector<std::unique_ptr<TacLayeredEffect>>& Effects() {
  static std::vector<std::unique_ptr<TacLayeredEffect>> list;
  return list;
}

// Set while an effect's window is being torn down, so that clearing from a
// message sent during the teardown does not free the effect under it.
bool ReleasingWindow = false;

int32_t IdentifierOf(const TacLayeredEffect* Effect) {
  auto& list = Effects();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == Effect) return static_cast<int32_t>(i);
  return -1;
}

void ForgetOwnerLink(const TacLayeredEffect& Effect, int32_t Identifier) {
  if (!Effect.FSkinData) return;
  if (Effect.FSkinData->GlowID == Identifier) Effect.FSkinData->GlowID = -1;
  if (Effect.FSkinData->CircleID == Identifier) Effect.FSkinData->CircleID = -1;
}

}  // namespace

TacLayeredEffect::TacLayeredEffect(TsCommonData* SkinData, HWND OwnerWnd) : FSkinData(SkinData), FWndHandle(OwnerWnd) {}

TacLayeredEffect::~TacLayeredEffect() { ReleaseWindow(); }

void TacLayeredEffect::ReleaseWindow() {
  if (!Wnd) return;
  const bool wasReleasing = ReleasingWindow;
  ReleasingWindow = true;
  Wnd.reset();
  ReleasingWindow = wasReleasing;
}

void TacLayeredEffect::WindowNeeded() {
  if (Wnd) return;
  Wnd = std::make_unique<TacGlowForm>([this] { TimerTick(); },
                                      [this] {
                                        int32_t identifier = IdentifierOf(this);
                                        HideGlow(identifier);
                                      });
}

void TacLayeredEffect::ShowLayered(POINT Position, HWND InsertAfter, uint8_t Alpha) {
  const auto update = UpdateLayeredWindowProc();
  if (!Wnd || !Wnd->Handle() || !update || AlphaBmp->Empty()) return;
  const HWND handle = Wnd->Handle();
  const LONG_PTR exStyle = GetWindowLongPtrW(handle, GWL_EXSTYLE);
  if ((exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) != (WS_EX_LAYERED | WS_EX_TRANSPARENT))
    SetWindowLongPtrW(handle, GWL_EXSTYLE, exStyle | WS_EX_LAYERED | WS_EX_TRANSPARENT);
  SIZE size{AlphaBmp->Width(), AlphaBmp->Height()};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, Alpha, AC_SRC_ALPHA};
  GdiFlush();
  const TacWindowDC screen(nullptr);
  update(handle, screen.Get(), &Position, &size, WorkBitmapDC(*AlphaBmp), &source, 0, &blend, ULW_ALPHA);
  SetWindowPos(handle, InsertAfter, Position.x, Position.y, 0, 0,
               SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOSIZE | SWP_SHOWWINDOW);
}

int32_t AppendEffect(std::unique_ptr<TacLayeredEffect> Effect) {
  static const bool connected = [] {
    SetSkinEffectsReset([] { ClearEffects(false); });
    return true;
  }();
  (void)connected;
  Effects().push_back(std::move(Effect));
  return static_cast<int32_t>(Effects().size()) - 1;
}

void TacLayeredEffect::FinishLater() {
  if (Wnd) Wnd->ReleaseLater();
}

TacLayeredEffect* EffectOf(int32_t Identifier) {
  auto& list = Effects();
  if (Identifier < 0 || Identifier >= static_cast<int32_t>(list.size())) return nullptr;
  return list[static_cast<size_t>(Identifier)].get();
}

void HideGlow(int32_t& Identifier) {
  TacLayeredEffect* effect = EffectOf(Identifier);
  if (!effect) return;
  std::unique_ptr<TacLayeredEffect> owned = std::move(Effects()[static_cast<size_t>(Identifier)]);
  ForgetOwnerLink(*owned, Identifier);
  Identifier = -1;
}

// A window always goes with its effect: left behind it would hand its
// messages to a freed effect.
void ClearEffects(bool KeepRipples) {
  if (ReleasingWindow) return;
  auto& list = Effects();
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i]) continue;
    if (KeepRipples && dynamic_cast<TacCircleEffect*>(list[i].get())) continue;
    std::unique_ptr<TacLayeredEffect> effect = std::move(list[i]);
    ForgetOwnerLink(*effect, static_cast<int32_t>(i));
  }
  if (!KeepRipples) list.clear();
}
