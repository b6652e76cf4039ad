#include "graphics/BitmapCopy.h"

#include <algorithm>
#include <cstring>

#include "graphics/Clip.h"
#include "graphics/PixelMath.h"
#include "graphics/WorkBitmap.h"

namespace {
// Calls op(destRow, srcRow, width) for every row of the clipped copy.
template <typename RowOp>
void ForEachRow(TacWorkBitmap& dest, const TacWorkBitmap& src, TPoint destPoint, const TRect& srcRect, RowOp op) {
  const auto span = ClipCopy(dest, src, destPoint, srcRect);
  if (!span) return;
  for (int32_t y = 0; y < span->Height; ++y)
    op(dest.Row(span->DestY + y) + span->DestX, src.Row(span->SrcY + y) + span->SrcX, span->Width);
}

// The parent's pixels for a row of key pixels; what falls outside the parent
// bitmap is left alone.
void FillKeysFromParent(TacPixel* dest, const TacPixel* src, int32_t width, TacPixel key, const TacWorkBitmap& parent,
                        int64_t parentX, int64_t parentY) {
  if (parentY < 0 || parentY >= parent.Height()) return;
  const TacPixel* parentRow = parent.Row(static_cast<int32_t>(parentY));
  for (int32_t x = 0; x < width; ++x) {
    const int64_t px = parentX + x;
    if (src[x] == key && px >= 0 && px < parent.Width()) dest[x] = parentRow[px];
  }
}
}  // namespace

void BlendBitmap(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destWeight, TPoint destPoint,
                 const TRect& srcRect) {
  const uint32_t wd = ClampByte(destWeight);
  const uint32_t ws = 256 - wd;
  ForEachRow(dest, src, destPoint, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    for (int32_t x = 0; x < width; ++x) d[x] = MixAllBytes(d[x], s[x], wd, ws);
  });
}

void DrawAlphaImage(TacWorkBitmap& dest, const TacWorkBitmap& src, const TRect& srcRect, int32_t opacity,
                    TPoint destPoint) {
  const uint32_t o = ClampByte(opacity);
  ForEachRow(dest, src, destPoint, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t a = o == 255 ? Alpha(s[x]) : (Alpha(s[x]) * o) >> 8;
      // With the source alpha byte replaced by a, the alpha lane of the mix
      // is (a x a + (256 - a) x d.A) div 256.
      const TacPixel mixed = MixAllBytes(d[x], WithAlpha(s[x], a), 256 - a, a);
      d[x] = std::max(mixed & 0xFF000000u, d[x] & 0xFF000000u) | (mixed & 0x00FFFFFFu);
    }
  });
}

void CopyKeyed(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY, const TRect& srcRect,
               TColor key, bool useParent, const TacParentBG& parentBG) {
  const TacPixel keyPixel = PixelOfColor(key);
  const bool parentIsBitmap = parentBG.IsBitmap && parentBG.Bmp;
  const bool intoParent = useParent && parentIsBitmap && parentBG.Bmp == &dest;
  const bool fromParent = useParent && parentIsBitmap && !intoParent;
  const bool fillColor = !parentBG.IsBitmap;
  const TacPixel parentColor =
      fillColor && !dest.Empty() ? WithAlpha(PixelOfColor(parentBG.Color), Alpha(dest.Pixel(0, 0))) : 0;

  const auto span = ClipCopy(dest, src, {destX, destY}, srcRect);
  if (!span) return;
  for (int32_t y = 0; y < span->Height; ++y) {
    TacPixel* d = dest.Row(span->DestY + y) + span->DestX;
    const TacPixel* s = src.Row(span->SrcY + y) + span->SrcX;
    if (fromParent)
      FillKeysFromParent(d, s, span->Width, keyPixel, *parentBG.Bmp, int64_t{span->DestX} + parentBG.Offset.X,
                         int64_t{span->DestY} + y + parentBG.Offset.Y);
    for (int32_t x = 0; x < span->Width; ++x) {
      if (s[x] != keyPixel)
        d[x] = intoParent ? (s[x] | 0xFF000000u) : s[x];
      else if (fillColor)
        d[x] = parentColor;
    }
  }
}

void CopyKeyedFaded(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY,
                    const TRect& srcRect, TColor key, int32_t destWeight) {
  const TacPixel keyPixel = PixelOfColor(key);
  const uint32_t wd = ClampByte(destWeight);
  ForEachRow(dest, src, {destX, destY}, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    for (int32_t x = 0; x < width; ++x) {
      const TacPixel mixed = MixAllBytes(d[x], s[x], wd, 255 - wd);
      d[x] = s[x] == keyPixel ? d[x] : mixed;
    }
  });
}

void CopyKeyedBlended(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY,
                      const TRect& srcRect, TColor key, int32_t opacity) {
  const TacPixel keyPixel = PixelOfColor(key);
  const uint32_t o = ClampByte(opacity);
  ForEachRow(dest, src, {destX, destY}, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    for (int32_t x = 0; x < width; ++x) {
      if (s[x] == keyPixel) continue;
      if (o == 0) {
        d[x] = s[x];
      } else {
        const TacPixel mixed = MixColorBytes(d[x], s[x], 256 - o, o);
        d[x] = WithAlpha(mixed, std::max(Alpha(d[x]), o));
      }
    }
  });
}
