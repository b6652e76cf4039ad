#include <algorithm>

#include "graphics/AlphaOps.h"
#include "graphics/BitmapCopy.h"
#include "graphics/Clip.h"
#include "graphics/PixelMath.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

namespace {
// A faded frame lets more of the destination through its mask.
uint32_t FadedMaskByte(uint32_t m) { return m > 154 ? 255 : m + 100; }

void DrawMaskedFrame(TacWorkBitmap& dest, TPoint point, const TacWorkBitmap& image, const TRect& frame,
                     int32_t maskDy, bool faded) {
  const auto span = ClipCopy(dest, image, point, {frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1});
  if (!span) return;
  for (int32_t y = 0; y < span->Height; ++y) {
    const int64_t maskRow = int64_t{span->SrcY} + y + maskDy;
    if (maskRow >= image.Height()) break;
    TacPixel* d = dest.Row(span->DestY + y) + span->DestX;
    const TacPixel* s = image.Row(span->SrcY + y) + span->SrcX;
    const TacPixel* m = image.Row(static_cast<int32_t>(maskRow)) + span->SrcX;
    for (int32_t x = 0; x < span->Width; ++x) {
      const TacPixel mask = faded ? MakePixel(FadedMaskByte(Red(m[x])), FadedMaskByte(Green(m[x])),
                                              FadedMaskByte(Blue(m[x])), 255)
                                  : m[x];
      TacPixel out = d[x];
      if (s[x] != KeyPixel && Red(m[x]) != 255) out = ComposeMasked(out, s[x], mask, Alpha(out));
      const uint32_t a = Alpha(out);
      d[x] = WithAlpha(out, a + (((255 - a) * (255 - Red(m[x]))) >> 8));
    }
  }
}

void DrawAlphaFrame(TacWorkBitmap& dest, TPoint point, const TacWorkBitmap& image, const TRect& frame, bool faded) {
  const auto span = ClipCopy(dest, image, point, {frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1});
  if (!span) return;
  for (int32_t y = 0; y < span->Height; ++y) {
    TacPixel* d = dest.Row(span->DestY + y) + span->DestX;
    const TacPixel* s = image.Row(span->SrcY + y) + span->SrcX;
    for (int32_t x = 0; x < span->Width; ++x) {
      const uint32_t a = Alpha(s[x]);
      // Weights of the destination and of the image, summing to 256.
      const uint32_t keep = faded ? (a <= 100 ? 255 : 355 - a) : 255 - a;
      const uint32_t take = faded ? 256 - keep : a + 1;
      auto mix = [&](uint32_t dc, uint32_t sc) { return (keep * dc + take * sc) >> 8; };
      const TacPixel o = d[x];
      const uint32_t da = Alpha(o);
      d[x] = MakePixel(mix(Red(o), Red(s[x])), mix(Green(o), Green(s[x])), mix(Blue(o), Blue(s[x])),
                       da + (((255 - da) * a) >> 8));
    }
  }
}
}  // namespace

void DrawSkinImage(TacWorkBitmap& Bitmap, TPoint Point, int32_t State, const TacParentBG& ParentBG,
                   const TsMaskData& MaskData, int32_t Mode, const TacSkinData& SkinData) {
  const TacWorkBitmap* image = ElementImage(MaskData, SkinData);
  if (!image || MaskData.Width <= 0 || MaskData.Height <= 0) return;
  const bool faded = Mode != 1;
  const TPoint origin = FrameOrigin(MaskData, State);
  const TRect frame = Bounds(origin.X, origin.Y, MaskData.Width, MaskData.Height);
  const bool masked = MaskData.MaskType > 0;
  if (MaskData.Bmp) {
    if (image->Width() < MaskData.R.Right || image->Height() < MaskData.R.Bottom) return;
  } else if (MaskData.ImageCount <= 0) {
    return;
  } else if (!masked) {
    const TRect inclusive{frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1};
    if (MaskData.DrawMode & dmAlphaChannel)
      DrawAlphaImage(Bitmap, *image, inclusive, faded ? 127 : 255, Point);
    else if (faded)
      CopyKeyedFaded(Bitmap, *image, Point.X, Point.Y, inclusive, clFuchsia, 127);
    else
      CopyKeyed(Bitmap, *image, Point.X, Point.Y, inclusive, clFuchsia, true, ParentBG);
    return;
  }
  if (masked)
    DrawMaskedFrame(Bitmap, Point, *image, frame, MaskData.R.Height() / (MaskData.MaskType + 1), faded);
  else if (MaskData.DrawMode & dmAlphaChannel)
    DrawAlphaFrame(Bitmap, Point, *image, frame, faded);
  else
    CopyKeyedBlended(Bitmap, *image, Point.X, Point.Y, {frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1},
                     clFuchsia, faded ? 180 : 0);
}
