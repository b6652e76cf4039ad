#include <algorithm>

#include "core/CommonData.h"
#include "core/OuterEffects.h"
#include "core/LayeredEffects.h"
#include "core/LayeredWindowApi.h"
#include "messages/SkinCommand.h"
#include "framework/WinControl.h"
#include "graphics/ColorOps.h"
#include "graphics/ColorTransforms.h"
#include "graphics/PixelFill.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

// What a glow draws of the owner's outer effect: the mask, how far it
// reaches out on each side, and its opacity.
TacOuterSource HoverOuterSource(const TsCommonData& Data, const TacSkinData& Skin) {
  if (Data.FOuterEffects.FVisibility != ovMouseHovered) return {};
  return OuterSourceOf(Skin, Data.SkinIndex);
}

bool OuterShownOnHover(const TsCommonData& Data, const TacSkinData* Skin) {
  if (!Skin || Data.FOuterEffects.FVisibility != ovMouseHovered || !Skin->IsValidSkinIndex(Data.SkinIndex))
    return false;
  return Skin->gd[static_cast<size_t>(Data.SkinIndex)].OuterMode > 0;
}

HWND OwnerHandle(const TsCommonData& Data) {
  auto* windowed = dynamic_cast<TWinControl*>(Data.FOwnerControl);
  return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

bool CornerInside(const RECT& Window, const TRect& Area) {
  const POINT corners[] = {{Window.left, Window.top},
                           {Window.right - 1, Window.top},
                           {Window.left, Window.bottom - 1},
                           {Window.right - 1, Window.bottom - 1}};
  return std::any_of(std::begin(corners), std::end(corners), [&](const POINT& p) {
    return p.x >= Area.Left && p.x < Area.Right && p.y >= Area.Top && p.y < Area.Bottom;
  });
}

}  // namespace

void TacGlowEffect::Show(const TRect& RealRect, uint8_t Alpha, HWND OwnerWnd) {
  if (Wnd) return;
  FRealRect = RealRect;
  FAlpha = Alpha;
  FWndHandle = OwnerWnd;
  Repaint();
}

HWND TacGlowEffect::ZOrderAnchor() const {
  const bool ownerTopmost = FWndHandle && (GetWindowLongPtrW(FWndHandle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (ownerTopmost || !FSkinData->FOwnerControl || !FWndHandle) return HWND_TOPMOST;
  const HWND self = Wnd ? Wnd->Handle() : nullptr;
  HWND before = GetWindow(FWndHandle, GW_HWNDPREV);
  while (before && before == self) before = GetWindow(before, GW_HWNDPREV);
  // With nothing above the owner the glow goes to the top: put behind its
  // owner it would be hidden wherever the two overlap.
  return before ? before : HWND_TOP;
}

TRect TacGlowEffect::CoveredRect() const {
  const HWND owner = OwnerHandle(*FSkinData);
  if (!owner) return FRealRect;
  RECT window{};
  GetWindowRect(owner, &window);
  RECT clip{};
  const TacWindowDC dc(owner, true);
  const int kind = dc ? GetClipBox(dc.Get(), &clip) : NULLREGION;
  if (kind == NULLREGION || kind == ERROR || IsRectEmpty(&clip)) return {window.left, window.top, window.right, window.bottom};
  return {window.left + clip.left, window.top + clip.top, window.left + clip.right, window.top + clip.bottom};
}

void TacGlowEffect::CutOutSiblings(const TPoint& WindowOrigin) {
  const HWND owner = OwnerHandle(*FSkinData);
  if (!owner) return;
  for (HWND sibling = GetWindow(owner, GW_HWNDPREV); sibling; sibling = GetWindow(sibling, GW_HWNDPREV)) {
    // The sibling's own flag: the owner's parents are the same for both.
    if ((GetWindowLongPtrW(sibling, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    RECT r{};
    GetWindowRect(sibling, &r);
    if (!CornerInside(r, FRealRect)) continue;
    const TRect inWindow{r.left - WindowOrigin.X, r.top - WindowOrigin.Y, r.right - WindowOrigin.X,
                         r.bottom - WindowOrigin.Y};
    FillPixels(*AlphaBmp, inWindow, 0, 0);
  }
}

void TacGlowEffect::ApplyOwnerColoring() {
  TacColoring coloring;
  const bool answered = FSkinData->FOwnerControl &&
                        SendSkinCommandToControl(FSkinData->FOwnerControl, SK_GET_COLORING,
                                                 reinterpret_cast<LPARAM>(&coloring)) != 0;
  if (answered && coloring.ColorBG != clNone) TransformPixels(AlphaBmp.get(), ToneTransform, coloring.ColorBG, clFuchsia);
  if (FSkinData->FHUEOffset != 0) TransformPixels(AlphaBmp.get(), HueTransform, FSkinData->FHUEOffset, clFuchsia);
  if (FSkinData->FSaturation != 0)
    TransformPixels(AlphaBmp.get(), SaturationTransform, FSkinData->FSaturation, clFuchsia);
}

void TacGlowEffect::Repaint() {
  if (!FSkinData || !FSkinData->FCommonSkinData) return;
  const TacSkinData& skin = *FSkinData->FCommonSkinData;
  WindowNeeded();
  if (!Wnd->Handle()) return;
  const HWND anchor = ZOrderAnchor();
  const TRect covered = CoveredRect();

  TRect margins;
  const TsMaskData* glow = skin.IsValidImgIndex(MaskIndex) ? &skin.ma[static_cast<size_t>(MaskIndex)] : nullptr;
  if (glow) margins = {glow->WL - Margin, glow->WT - Margin, glow->WR - Margin, glow->WB - Margin};
  const TacOuterSource outer = HoverOuterSource(*FSkinData, skin);
  if (skin.IsValidImgIndex(outer.Mask)) {
    margins.Left = std::max(margins.Left, outer.Offsets.Left);
    margins.Top = std::max(margins.Top, outer.Offsets.Top);
    margins.Right = std::max(margins.Right, outer.Offsets.Right);
    margins.Bottom = std::max(margins.Bottom, outer.Offsets.Bottom);
  }

  const TPoint origin{covered.Left - margins.Left, covered.Top - margins.Top};
  AlphaBmp->SetSize(covered.Width() + margins.Left + margins.Right, covered.Height() + margins.Top + margins.Bottom);
  if (AlphaBmp->Empty()) return;
  const int32_t state = FSkinData->FFocused ? 1 : 0;
  if (skin.IsValidImgIndex(outer.Mask)) {
    const TRect owner{margins.Left, margins.Top, margins.Left + covered.Width(), margins.Top + covered.Height()};
    PaintOuterImage(*AlphaBmp, owner, std::clamp(outer.Opacity, 0, 255), outer.Offsets, state,
                    skin.ma[static_cast<size_t>(outer.Mask)], skin);
  }
  if (glow) PaintBorderImage(*AlphaBmp, AlphaBmp->BoundsRect(), TacParentBG{}, false, state, *glow, skin);
  CutOutSiblings(origin);
  ApplyOwnerColoring();
  ShowLayered({origin.X, origin.Y}, anchor, FAlpha);
}

int32_t ShowGlowImage(const TRect& RealRect, int32_t MaskIndex, TsCommonData* CommonData, HWND OwnerWnd,
                      uint8_t Alpha, int32_t Margin) {
  if (!LayeredWindowsAvailable() || !CommonData || GetCapture()) return -1;
  const TacSkinData* skin = CommonData->FCommonSkinData;
  const bool hasImage = skin && skin->IsValidImgIndex(MaskIndex);
  if (!hasImage && !OuterShownOnHover(*CommonData, skin)) return -1;
  auto effect = std::make_unique<TacGlowEffect>(CommonData, OwnerWnd);
  effect->Margin = Margin;
  effect->MaskIndex = hasImage ? MaskIndex : -1;
  TacGlowEffect* glow = effect.get();
  const int32_t identifier = AppendEffect(std::move(effect));
  glow->Show(RealRect, Alpha, OwnerWnd);
  return identifier;
}

int32_t ShowGlow(const TRect& RealRect, const std::string& SkinSection, const std::string& GlowName,
                 TsCommonData* CommonData, HWND OwnerWnd, uint8_t Alpha, int32_t Margin) {
  if (!LayeredWindowsAvailable() || !CommonData || GetCapture()) return -1;
  const TacSkinData* skin = CommonData->FCommonSkinData;
  int32_t mask = -1;
  if (skin) {
    const int32_t index = SkinSection.empty() ? CommonData->SkinIndex : skin->GetSkinIndex(SkinSection);
    if (skin->IsValidSkinIndex(index) && skin->gd[static_cast<size_t>(index)].GlowCount >= 1)
      mask = skin->GetMaskIndex(index, GlowName + "0");
  }
  return ShowGlowImage(RealRect, mask, CommonData, OwnerWnd, Alpha, Margin);
}
