#include "core/OuterEffects.h"

#include <algorithm>

#include "core/CommonData.h"
#include "core/ParentBackground.h"
#include "framework/WinControl.h"
#include "graphics/BlockCopy.h"
#include "graphics/Clip.h"
#include "manager/SkinManager.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

TacOuterSource OuterSourceOf(const TacSkinData& Skin, int32_t SkinIndex) {
  if (!Skin.IsValidSkinIndex(SkinIndex)) return {};
  const TsGeneralData& gd = Skin.gd[static_cast<size_t>(SkinIndex)];
  if (gd.OuterMode <= 0) return {};
  if (Skin.IsValidImgIndex(gd.OuterMask) || gd.OuterMode >= 3) return {gd.OuterMask, gd.OuterOffset, gd.OuterOpacity};
  const size_t record = static_cast<size_t>(gd.OuterMode - 1);
  if (record >= Skin.oe.size() || Skin.oe[record].Source == 0) return {};
  const TacOutEffData& oe = Skin.oe[record];
  return {oe.Mask, {oe.OffsetL, oe.OffsetT, oe.OffsetR, oe.OffsetB}, oe.Opacity};
}

void PaintOuterEffects(TControl* Owner, TPoint Offset) {
  auto* windowed = dynamic_cast<TWinControl*>(Owner);
  TsCommonData* data = CommonDataOf(Owner);
  if (!windowed || !data || !data->FCacheBmp || !data->Skinned()) return;
  TsSkinManager* manager = data->GetSkinManager();
  if (!manager || !manager->Effects().AllowOuterEffects()) return;
  TacBGQuery query;
  query.Kind = bgkImage;
  query.Bmp = data->FCacheBmp.get();
  query.Offset = Offset;
  for (size_t i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    auto* windowedChild = dynamic_cast<TWinControl*>(child);
    if (!child->Visible() || (windowedChild && !windowedChild->HandleAllocated())) continue;
    SendSkinCommandToControl(child, SK_PAINT_OUTER, reinterpret_cast<LPARAM>(&query));
  }
}

bool TacOuterEffects::IsShown() const {
  switch (FVisibility) {
    case ovAlways: return true;
    case ovFocused: {
      if (!FOwner) return false;
      const TWinControl* windowed = FOwner->OwnerWindowed();
      return FOwner->FFocused || (windowed && windowed->Focused());
    }
    default: return false;
  }
}

void TacOuterEffects::Invalidate() {
  if (!FOwner || !FOwner->FOwnerControl) return;
  TWinControl* parent = FOwner->FOwnerControl->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  const TComponentState& state = parent->ComponentState();
  if (state.Contains(TComponentStateItem::csLoading) || state.Contains(TComponentStateItem::csDestroying)) return;
  SendSkinCommand(parent->Handle(), SK_INVALIDATE);
  FOwner->Invalidate(false);
}

void TacOuterEffects::SetVisibility(TacOuterVisibility Value) {
  FVisibility = Value;
  if (FOwner && !FOwner->Loading) Invalidate();
}

// The child's side of SK_PAINT_OUTER: its shadow drawn into the parent's
// cache around where the child sits, the parent's pixels there kept first.
void TsCommonData::PaintOuterEffect(const TacBGQuery& Query) {
  if (!Skinned() || !FOuterEffects.IsShown() || !FOwnerControl || !Query.Bmp || Query.Bmp->Empty()) return;
  const TacSkinData& skin = *GetCommonSkinData();
  const TacOuterSource source = OuterSourceOf(skin, SkinIndex);
  if (!skin.IsValidImgIndex(source.Mask)) return;
  const TsGeneralData& section = *Section();
  const RECT bounds = FOwnerControl->BoundsRect();
  const TRect control{SaturatedAdd(bounds.left, Query.Offset.X), SaturatedAdd(bounds.top, Query.Offset.Y),
                      SaturatedAdd(bounds.right, Query.Offset.X), SaturatedAdd(bounds.bottom, Query.Offset.Y)};
  TRect reach = source.Offsets;
  if (skin.IsValidImgIndex(section.BorderIndex)) {
    const TsMaskData& border = skin.ma[static_cast<size_t>(section.BorderIndex)];
    reach = {reach.Left + border.WL, reach.Top + border.WT, reach.Right + border.WR, reach.Bottom + border.WB};
  } else if (SkinIndex == skin.Sections[ssSlider_Off] || SkinIndex == skin.Sections[ssSlider_On]) {
    const int32_t half = std::min(FOwnerControl->Width(), FOwnerControl->Height()) / 2;
    reach = {reach.Left + half, reach.Top + half, reach.Right + half, reach.Bottom + half};
  }
  const TRect target{SaturatedAdd(control.Left, -int64_t{reach.Left}), SaturatedAdd(control.Top, -int64_t{reach.Top}),
                     SaturatedAdd(control.Right, reach.Right), SaturatedAdd(control.Bottom, reach.Bottom)};
  const std::optional<TRect> clipped = ClipToBitmap(target, *Query.Bmp);
  if (!clipped) return;
  const TRect saved = *clipped;
  if (!FOuterCache) FOuterCache = std::make_unique<TacWorkBitmap>();
  FOuterCache->SetSize(saved.Width(), saved.Height());
  CopyPixels(*FOuterCache, {0, 0}, *Query.Bmp, saved);
  const int32_t opacity = FOuterEffects.FVisibility == ovFocused ? std::min(source.Opacity * 2, 255) : source.Opacity;
  PaintOuterImage(*Query.Bmp, control, std::clamp(opacity, 0, 255), source.Offsets, FFocused ? 1 : 0,
                  skin.ma[static_cast<size_t>(source.Mask)], skin);
}
