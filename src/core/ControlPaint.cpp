#include "core/ControlPaint.h"

#include <algorithm>

#include "core/CommonData.h"
#include "core/ParentBackground.h"
#include "framework/WinControl.h"
#include "graphics/ColorOps.h"
#include "graphics/ColorTransforms.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

TColor CustomColorOf(const TsCommonData& Data, const TacSkinData& Skin) {
  if (!Data.FCustomColor || !Data.FOwnerControl) return clFuchsia;
  return Skin.SkinColorToRGB(Data.FOwnerControl->Color());
}

void Recolour(const TsCommonData& Data, TacWorkBitmap& Bitmap) {
  if (Data.FColorTone != clNone) TransformPixels(&Bitmap, ToneTransform, Data.FColorTone, clFuchsia);
  if (Data.FHUEOffset != 0) TransformPixels(&Bitmap, HueTransform, Data.FHUEOffset, clFuchsia);
  if (Data.FSaturation != 0) TransformPixels(&Bitmap, SaturationTransform, Data.FSaturation, clFuchsia);
}

}  // namespace

void PaintControlSection(TsCommonData* CommonData, const TacParentBG& ParentBG, bool UseParent, TacWorkBitmap* Bitmap,
                         TPoint Offset, const TRect& Rect, int32_t State) {
  const TacSkinData* data = CommonData && Bitmap ? CommonData->GetCommonSkinData() : nullptr;
  if (!data) return;
  const TacSkinData& skin = *data;
  if (!skin.IsValidSkinIndex(CommonData->SkinIndex)) return;
  const TacControlLook look{CustomColorOf(*CommonData, skin), &CommonData->FCustomBorder, UseParent};
  const TacSectionBorder border =
      PaintSectionLayers(CommonData->SkinIndex, ParentBG, skin, *Bitmap, Offset, Rect, State, &look);
  if (border == sbNotPainted) return;
  const TsGeneralData& section = skin.gd[static_cast<size_t>(CommonData->SkinIndex)];
  const int32_t state = PropsState(section, State);
  const int32_t transparency = section.Props[static_cast<size_t>(state)].Transparency;
  const bool recolour = border == sbImage || border == sbColor || (border == sbColorNotDrawn && transparency == 0) ||
                        (border == sbNone && transparency < 100);
  if (recolour) Recolour(*CommonData, *Bitmap);
}

void RefreshCorners(TsCommonData* CommonData, int32_t State, uint8_t Corners) {
  const TacSkinData* data = CommonData && !CommonData->FCustomBorder.IsChanged ? CommonData->GetCommonSkinData() : nullptr;
  if (!data) return;
  const TacSkinData& skin = *data;
  TacWorkBitmap* cache = CommonData->FCacheBmp.get();
  if (!skin.IsValidSkinIndex(CommonData->SkinIndex) || !cache || cache->Empty()) return;
  const TsGeneralData& section = skin.gd[static_cast<size_t>(CommonData->SkinIndex)];
  if (!skin.IsValidImgIndex(section.BorderIndex)) return;
  TsMaskData border = skin.ma[static_cast<size_t>(section.BorderIndex)];
  if ((border.Cfg & cfgTransparentCorners) == 0) return;
  if (border.Bmp && border.ImageCount == 0) {
    border.ImageCount = 3;
    border.MaskType = 1;
    border.Width = border.R.Width() / 3;
    border.Height = border.R.Height() / 2;
  }

  if (!CommonData->FOwnerControl) return;
  const std::optional<TacParentBG> parent = BackgroundUnder(CommonData->FOwnerControl);
  if (!parent) return;
  PaintBorderCorners(*cache, cache->BoundsRect(), *parent, State, border, skin, Corners);
}
