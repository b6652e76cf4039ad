#include "graphics/BlockCopy.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

void PaintSection(int32_t SkinIndex, const TacParentBG& ParentBG, const TacSkinData* SkinData, TacWorkBitmap* Bitmap,
                  TPoint Offset, const TRect& Rect, int32_t State) {
  if (!Bitmap || !SkinData) return;
  PaintSectionLayers(SkinIndex, ParentBG, *SkinData, *Bitmap, Offset, Rect, State, nullptr);
}

TacSectionBorder PaintSectionLayers(int32_t SkinIndex, const TacParentBG& ParentBG, const TacSkinData& SkinData,
                                    TacWorkBitmap& Bitmap, TPoint Offset, const TRect& Rect, int32_t State,
                                    const TacControlLook* Look) {
  if (Rect.IsEmpty() || !SkinData.IsValidSkinIndex(SkinIndex)) return sbNotPainted;
  if (Rect.Left < 0 || Rect.Top < 0 || Rect.Right > Bitmap.Width() || Rect.Bottom > Bitmap.Height()) return sbNotPainted;
  const TsGeneralData& section = SkinData.gd[static_cast<size_t>(SkinIndex)];
  const int32_t state = std::max(0, std::min(State, section.States - 1));
  // Section data exist for states 0 to 2; further states only pick image frames.
  const int32_t sectionState = Look ? std::min(state, 2) : state;

  PaintSectionBackground(SkinIndex, ParentBG, sectionState, Rect, Offset, Bitmap, SkinData, -1, -1,
                         Look ? Look->CustomColor : clFuchsia);
  DrawSectionCorners(Bitmap, Rect, section, sectionState, SkinData);

  const TacParentBG bg = ParentAt(ParentBG, Offset, Rect);
  const auto colorBorder = [&](const TacPaintBorderData* custom) {
    return PaintColorBorder(Bitmap, Rect, section, Look != nullptr, SkinData.PPI, custom, bg, sectionState, SkinData)
               ? sbColor
               : sbColorNotDrawn;
  };
  if (Look && Look->CustomBorder && Look->CustomBorder->IsChanged) return colorBorder(Look->CustomBorder);
  if (SkinData.IsValidImgIndex(section.BorderIndex)) {
    PaintBorderImage(Bitmap, Rect, bg, Look ? Look->UseParent : true, state,
                     SkinData.ma[static_cast<size_t>(section.BorderIndex)], SkinData);
    return sbImage;
  }
  if (Look && section.Props[static_cast<size_t>(sectionState)].BorderColor == clFuchsia) return sbNone;
  return colorBorder(nullptr);
}

void DrawSectionCorners(TacWorkBitmap& Bitmap, const TRect& Rect, const TsGeneralData& Section, int32_t State,
                        const TacSkinData& SkinData) {
  const TacParentBG self = ParentBGFromBitmap(&Bitmap, 0, 0);
  auto cornerImage = [&](int32_t index, bool right, bool bottom) {
    if (!SkinData.IsValidImgIndex(index)) return;
    const TsMaskData& image = SkinData.ma[static_cast<size_t>(index)];
    const TPoint at{right ? Rect.Right - image.Width : Rect.Left, bottom ? Rect.Bottom - image.Height : Rect.Top};
    if (image.Width <= Rect.Width() && image.Height <= Rect.Height()) {
      DrawSkinImage(Bitmap, at, State, self, image, 1, SkinData);
      return;
    }
    // A corner larger than the rectangle is cut to it.
    TacWorkBitmap part(Rect.Width(), Rect.Height());
    CopyPixels(part, {0, 0}, Bitmap, Rect);
    DrawSkinImage(part, {at.X - Rect.Left, at.Y - Rect.Top}, State, ParentBGFromBitmap(&part, 0, 0), image, 1,
                  SkinData);
    CopyPixels(Bitmap, {Rect.Left, Rect.Top}, part, part.BoundsRect());
  };
  cornerImage(Section.ImgTL, false, false);
  cornerImage(Section.ImgTR, true, false);
  cornerImage(Section.ImgBL, false, true);
  cornerImage(Section.ImgBR, true, true);
}

