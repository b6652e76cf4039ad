#include <algorithm>
#include <cmath>

#include "core/CommonData.h"
#include "core/LayeredEffects.h"
#include "core/LayeredWindowApi.h"
#include "graphics/BitmapCopy.h"
#include "graphics/ShadowTemplate.h"

namespace {

constexpr UINT_PTR RippleTimerId = 1;

// How far one tick moves the radius toward its target, by phase: fast
// growth, a slow approach while held, a quick return.
double RadiusStep(TacSizeChanging Phase) {
  switch (Phase) {
    case scIncrease:
      return 1.0 / 7;
    case scNotChanged:
      return 1.0 / 5;
    case scDecrease:
      return 1.0 / 3;
  }
  return 1.0 / 3;
}

}  // namespace

TacCircleEffect::TacCircleEffect(TsCommonData* SkinData, const TacRippleParams& Params)
    : TacLayeredEffect(SkinData, Params.OwnerWnd),
      AlphaFinish(Params.AlphaFinish),
      RadiusStart(Params.RadiusStart),
      RadiusFinish(Params.RadiusFinish),
      Color(Params.Color),
      Center(Params.Center),
      RealRadius(Params.RadiusStart),
      BackBmp(Params.BackBmp) {}

void TacCircleEffect::Show() {
  WindowNeeded();
  if (!Wnd->Handle()) return;
  Repaint();
  FTimer.Start(Wnd->Handle(), RippleTimerId, acRippleInterval);
}

void TacCircleEffect::Repaint() {
  if (!Wnd || !Wnd->Handle()) return;
  const int32_t radius = static_cast<int32_t>(std::lround(RealRadius));
  const auto alpha = static_cast<uint8_t>(std::clamp(std::lround(RealAlpha), 0L, 255L));
  if (radius < 2) {
    ShowWindow(Wnd->Handle(), SW_HIDE);
    return;
  }
  const TColor opaque = static_cast<TColor>(0xFF000000u | (static_cast<uint32_t>(Color) & 0xFFFFFFu));
  const POINT position{Center.x - radius, Center.y - radius};
  if (BackBmp) {
    // The background is opaque, so the ripple is blended into it here and
    // the window is shown fully opaque.
    const auto circle = MakeShadowTemplate(opaque, radius, 0, false, false, radius / 5, 0, 0);
    AlphaBmp->SetSize(circle->Width(), circle->Height());
    const TPoint from{position.x - (Center.x - RadiusFinish), position.y - (Center.y - RadiusFinish)};
    CopyKeyedBlended(*AlphaBmp, *BackBmp, 0, 0,
                     {from.X, from.Y, from.X + circle->Width() - 1, from.Y + circle->Height() - 1}, clNone, 0);
    DrawAlphaImage(*AlphaBmp, *circle, {0, 0, circle->Width() - 1, circle->Height() - 1}, alpha, {0, 0});
    ShowLayered(position, HWND_TOPMOST, 255);
  } else {
    AlphaBmp = MakeShadowTemplate(opaque, radius, 0, true, false, radius / 5, 0, 0);
    ShowLayered(position, HWND_TOPMOST, alpha);
  }
}

void TacCircleEffect::TimerTick() {
  const double target = SizeChanging == scDecrease ? RadiusStart : RadiusFinish;
  RealRadius += (target - RealRadius) * RadiusStep(SizeChanging);
  const double alphaTarget = SizeChanging == scDecrease ? 0 : AlphaFinish;
  RealAlpha += (alphaTarget - RealAlpha) / 3;
  if (SizeChanging == scIncrease && std::abs(RadiusFinish - RealRadius) < 1) SizeChanging = scDecrease;
  if (SizeChanging == scDecrease && (std::abs(RadiusStart - RealRadius) < 1 || RealAlpha < 1)) {
    FTimer.Stop();
    ShowWindow(Wnd->Handle(), SW_HIDE);
    FinishLater();
    return;
  }
  Repaint();
}

int32_t ShowRipple(const TacRippleParams& Params, TsCommonData* CommonData) {
  if (!LayeredWindowsAvailable() || Params.RadiusFinish < 2) return -1;
  auto effect = std::make_unique<TacCircleEffect>(CommonData, Params);
  TacCircleEffect* ripple = effect.get();
  const int32_t identifier = AppendEffect(std::move(effect));
  ripple->Show();
  return identifier;
}
