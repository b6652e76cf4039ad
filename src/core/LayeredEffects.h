#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "base/WinHandles.h"
#include "core/GlowForm.h"
#include "graphics/Geometry.h"
#include "graphics/WorkBitmap.h"

class TsCommonData;

// A soft image shown around a control in a layered, click-through window of
// its own. Its position in the process-wide effect list is its identifier.
class TacLayeredEffect {
 public:
  TacLayeredEffect(TsCommonData* SkinData, HWND OwnerWnd);
  virtual ~TacLayeredEffect();
  TacLayeredEffect(const TacLayeredEffect&) = delete;
  TacLayeredEffect& operator=(const TacLayeredEffect&) = delete;

  virtual void Repaint() = 0;

  TsCommonData* FSkinData;
  std::unique_ptr<TacWorkBitmap> AlphaBmp = std::make_unique<TacWorkBitmap>();
  int32_t State = 0;
  HWND FWndHandle;
  std::unique_ptr<TacGlowForm> Wnd;

 protected:
  // Creates the window on first use.
  void WindowNeeded();
  // Shows AlphaBmp at Position with constant opacity Alpha, placed in the
  // Z-order right after InsertAfter.
  void ShowLayered(POINT Position, HWND InsertAfter, uint8_t Alpha);
  virtual void TimerTick() {}
  // Frees the effect once the current message is done with it.
  void FinishLater();

 private:
  void ReleaseWindow();
};

class TacGlowEffect : public TacLayeredEffect {
 public:
  using TacLayeredEffect::TacLayeredEffect;

  // Stores the owner's rectangle and opacity once, then repaints.
  void Show(const TRect& RealRect, uint8_t Alpha, HWND OwnerWnd);
  void Repaint() override;

  uint8_t FAlpha = 255;
  int32_t Margin = 0;
  int32_t MaskIndex = -1;
  TRect FRealRect;

 private:
  HWND ZOrderAnchor() const;
  TRect CoveredRect() const;
  void CutOutSiblings(const TPoint& WindowOrigin);
  void ApplyOwnerColoring();
};

enum TacSizeChanging { scIncrease, scDecrease, scNotChanged };

// What a click ripple starts from and grows to, in screen coordinates.
struct TacRippleParams {
  POINT Center{};
  int32_t RadiusStart = 0;
  int32_t RadiusFinish = 0;
  uint8_t AlphaFinish = 255;
  TColor Color = 0;
  HWND OwnerWnd = nullptr;
  const TacWorkBitmap* BackBmp = nullptr;  // screen image under the ripple's largest extent; not owned
};

// A circle that grows from the click point and fades back.
class TacCircleEffect : public TacLayeredEffect {
 public:
  TacCircleEffect(TsCommonData* SkinData, const TacRippleParams& Params);

  void Show();
  void Repaint() override;

  uint8_t AlphaFinish;
  int32_t RadiusStart, RadiusFinish;
  TColor Color;
  POINT Center;
  double RealAlpha = 0;
  double RealRadius;
  const TacWorkBitmap* BackBmp;
  TacSizeChanging SizeChanging = scIncrease;

 protected:
  void TimerTick() override;

 private:
  TacWindowTimer FTimer;
};

inline constexpr int acRippleInterval = 24;

int32_t ShowGlow(const TRect& RealRect, const std::string& SkinSection, const std::string& GlowName,
                 TsCommonData* CommonData, HWND OwnerWnd, uint8_t Alpha, int32_t Margin);
int32_t ShowGlowImage(const TRect& RealRect, int32_t MaskIndex, TsCommonData* CommonData, HWND OwnerWnd,
                      uint8_t Alpha, int32_t Margin);
void HideGlow(int32_t& Identifier);
void ClearEffects(bool KeepRipples);
int32_t ShowRipple(const TacRippleParams& Params, TsCommonData* CommonData);

// Adds an effect to the list and returns its identifier.
int32_t AppendEffect(std::unique_ptr<TacLayeredEffect> Effect);
// The live effect with that identifier, or null.
TacLayeredEffect* EffectOf(int32_t Identifier);
