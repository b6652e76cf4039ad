#include <algorithm>

#include "graphics/BitmapCopy.h"
#include "graphics/BlockCopy.h"
#include "graphics/Clip.h"
#include "graphics/Gradient.h"
#include "graphics/PixelFill.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

namespace {
// What the opaque fill of a background is made of.
struct FillInputs {
  TColor Color = 0;
  int32_t ImagePercent = 0;
  int32_t GradientPercent = 0;
  const TsGradArray* Gradient = nullptr;  // nil: no gradient
  int32_t TextureIndex = -1;
};

const TsMaskData* Texture(const TacSkinData& skin, int32_t index) {
  return skin.IsValidImgIndex(index) ? &skin.ma[static_cast<size_t>(index)] : nullptr;
}

bool HasPoints(const TsGradArray* gradient) { return gradient && !gradient->empty(); }

void FillGradientOrColor(TacWorkBitmap& bitmap, const TRect& rect, const FillInputs& in) {
  if (HasPoints(in.Gradient))
    PaintGradient(bitmap, rect, *in.Gradient, 0);
  else
    FillPixels(bitmap, rect, in.Color, 255);
}

// Texture, gradient and colour shares laid down without the parent. Rect lies
// inside the bitmap; Bg maps bitmap pixels to parent pixels.
void PaintOpaqueFill(TacWorkBitmap& bitmap, const TRect& rect, const FillInputs& in, const TacParentBG& bg,
                     const TacSkinData& skin) {
  const int32_t i = in.ImagePercent, g = in.GradientPercent;
  const TsMaskData* texture = i > 0 || g > 0 ? Texture(skin, in.TextureIndex) : nullptr;
  const TacWorkBitmap* textureImage = texture ? ElementImage(*texture, skin) : nullptr;
  if (i + g == 100 && g >= 1 && g <= 99 && textureImage && texture->DrawMode == tpTile && HasPoints(in.Gradient) &&
      (*in.Gradient)[0].Mode < 2) {
    PaintTextureGradient(bitmap, rect, *in.Gradient, 255, i * 255 / 100,
                         Bounds(texture->R.Left, texture->R.Top, texture->Width, texture->Height), *textureImage);
    return;
  }
  const bool textured = i > 0 && textureImage;
  if (textured) {
    TRect uncovered = rect;
    FillTexture(bitmap, uncovered, *texture, bg, skin);
    if (uncovered != NoUncoveredArea) FillPixels(bitmap, uncovered, in.Color, 255);
  }
  if (g > 0) {
    if (textured) {
      TacWorkBitmap layer(rect.Width(), rect.Height());
      FillGradientOrColor(layer, layer.BoundsRect(), in);
      BlendBitmap(bitmap, layer, std::clamp(i * 255 / 100, 0, 255), {rect.Left, rect.Top},
                  {0, 0, layer.Width() - 1, layer.Height() - 1});
    } else {
      FillGradientOrColor(bitmap, rect, in);
    }
  }
  const int32_t p = i + g;
  if (p > 0 && p < 100)
    TintRect(bitmap, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}, p * 255 / 100, in.Color);
  else if (p == 0)
    FillPixels(bitmap, rect, in.Color, 255);
}

// The parent's own look under Rect when it is not a bitmap: its border strips
// from its image, the rest its colour.
void PaintParentColor(TacWorkBitmap& bitmap, const TRect& rect, const TacParentBG& bg, TColor color) {
  FillPixels(bitmap, rect, color, 255);
  if (!bg.Bmp) return;
  const TacWorkBitmap& parent = *bg.Bmp;
  const TRect& fw = bg.FrameWidths;
  const TRect strips[4] = {{0, 0, fw.Left, parent.Height()},
                           {0, 0, parent.Width(), fw.Top},
                           {parent.Width() - fw.Right, 0, parent.Width(), parent.Height()},
                           {0, parent.Height() - fw.Bottom, parent.Width(), parent.Height()}};
  for (const TRect& strip : strips) {
    const TRect under{std::max<int32_t>(strip.Left, SaturatedAdd(rect.Left, bg.Offset.X)),
                      std::max<int32_t>(strip.Top, SaturatedAdd(rect.Top, bg.Offset.Y)),
                      std::min<int32_t>(strip.Right, SaturatedAdd(rect.Right, bg.Offset.X)),
                      std::min<int32_t>(strip.Bottom, SaturatedAdd(rect.Bottom, bg.Offset.Y))};
    if (!under.IsEmpty())
      CopyPixels(bitmap, {under.Left - bg.Offset.X, under.Top - bg.Offset.Y}, parent, under);
  }
}

// Copies the parent bitmap's pixels under Rect unless the parent is the bitmap itself.
void CopyParent(TacWorkBitmap& bitmap, const TRect& rect, const TacParentBG& bg) {
  if (bg.Bmp == &bitmap) return;
  CopyPixels(bitmap, {rect.Left, rect.Top}, *bg.Bmp,
             {SaturatedAdd(rect.Left, bg.Offset.X), SaturatedAdd(rect.Top, bg.Offset.Y),
              SaturatedAdd(rect.Right, bg.Offset.X), SaturatedAdd(rect.Bottom, bg.Offset.Y)});
}
}  // namespace

void ShowParentUnder(TacWorkBitmap& Bitmap, const TRect& Rect, const TacParentBG& ParentBG) {
  if (HasParentBitmap(ParentBG))
    CopyParent(Bitmap, Rect, ParentBG);
  else if (!ParentBG.IsBitmap && ParentBG.Color != clFuchsia)
    PaintParentColor(Bitmap, Rect, ParentBG, ParentBG.Color);
}

void PaintSectionBackground(int32_t SkinIndex, const TacParentBG& ParentBG, int32_t State, const TRect& Rect,
                            TPoint Offset, TacWorkBitmap& Bitmap, const TacSkinData& SkinData, int32_t TextureIndex,
                            int32_t HotTextureIndex, TColor CustomColor) {
  if (!SkinData.IsValidSkinIndex(SkinIndex)) return;
  const auto clipped = ClipToBitmap(Rect, Bitmap);
  if (!clipped) return;
  const TRect r = *clipped;
  const TacParentBG bg = ParentAt(ParentBG, Offset, Rect);
  const TsGeneralData& section = SkinData.gd[static_cast<size_t>(SkinIndex)];
  const int32_t state = PropsState(section, State);
  const TsGenState& props = section.Props[static_cast<size_t>(state)];

  FillInputs in;
  int32_t transparency = 0;
  bool gradOver = false;
  if (CustomColor == clFuchsia) {
    in.Color = SkinData.SkinColorToRGB(props.Color);
    transparency = props.Transparency;
    gradOver = !props.GradientArray.empty() && (props.GradientArray[0].Mode & gmAlphaOverlay);
    if (transparency < 100) {
      in.ImagePercent = props.ImagePercent;
      in.GradientPercent = gradOver ? 0 : props.GradientPercent;
      if (in.ImagePercent > 0 && TextureIndex < 0) TextureIndex = props.TextureIndex;
    }
    if (in.GradientPercent > 0 || gradOver) in.Gradient = &props.GradientArray;
  } else {
    in.Color = SkinData.SkinColorToRGB(CustomColor);
  }
  in.TextureIndex = TextureIndex;

  const bool parentBitmap = HasParentBitmap(bg);
  const TColor parentColor = SkinData.SkinColorToRGB(bg.Color);
  if (parentBitmap || (!bg.IsBitmap && bg.Color != clFuchsia)) {
    if (transparency <= 0) {
      PaintOpaqueFill(Bitmap, r, in, bg, SkinData);
    } else if (transparency >= 100) {
      TacParentBG shown = bg;
      shown.Color = parentColor;
      ShowParentUnder(Bitmap, r, shown);
    } else if (in.ImagePercent + in.GradientPercent > 0 || parentBitmap) {
      TacWorkBitmap layer(r.Width(), r.Height());
      PaintOpaqueFill(layer, layer.BoundsRect(), in, ParentAt(bg, {r.Left, r.Top}, {0, 0, 0, 0}), SkinData);
      if (parentBitmap)
        CopyParent(Bitmap, r, bg);
      else
        FillPixels(Bitmap, r, parentColor, 255);
      BlendBitmap(Bitmap, layer, transparency * 255 / 100, {r.Left, r.Top},
                  {0, 0, layer.Width() - 1, layer.Height() - 1});
    } else {
      FillPixels(Bitmap, r, MixColors(parentColor, in.Color, transparency * 255 / 100), 255);
    }
  } else {
    PaintOpaqueFill(Bitmap, r, in, bg, SkinData);
  }

  if (gradOver) PaintGradient(Bitmap, r, props.GradientArray, 0);

  if (TextureIndex < 0) TextureIndex = props.TextureIndex;
  const int32_t overlay = state > 0 && HotTextureIndex >= 0 ? HotTextureIndex : TextureIndex;
  const TsMaskData* texture = Texture(SkinData, overlay);
  if (texture && texture->MaskType > 0 && texture->DrawMode == tpWholeTiles) {
    TRect area = r;
    FillTexture(Bitmap, area, *texture, bg, SkinData);
  }
}
