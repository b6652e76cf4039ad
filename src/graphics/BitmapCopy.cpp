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
  const int64_t first = std::clamp<int64_t>(-parentX, 0, width);
  const int64_t last = std::clamp<int64_t>(parent.Width() - parentX, 0, width);
  if (first >= last) return;
  const TacPixel* parentRow = parent.Row(static_cast<int32_t>(parentY)) + (parentX + first);
  for (int64_t x = first; x < last; ++x) dest[x] = src[x] == key ? parentRow[x - first] : dest[x];
}
}  // namespace

void BlendBitmap(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destWeight, TPoint destPoint,
                 const TRect& srcRect) {
  const auto wd = static_cast<uint16_t>(ClampByte(destWeight));
  const auto ws = static_cast<uint16_t>(256 - wd);
  ForEachRow(dest, src, destPoint, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    MixBytes(Bytes(d), Bytes(s), static_cast<size_t>(width) * 4, wd, ws);
  });
}

void DrawAlphaImage(TacWorkBitmap& dest, const TacWorkBitmap& src, const TRect& srcRect, int32_t opacity,
                    TPoint destPoint) {
  const uint32_t o = ClampByte(opacity);
  const TacLanes opacityLanes = TacLanes{} + static_cast<uint16_t>(o);
  // ch: d = (a x s + (256 - a) x d) div 256; alpha: the same with s.A replaced
  // by a, and never below d.A. Two pixels at a time, an odd last one alone.
  auto draw = [&](TacPixel* d, const TacPixel* s) {
    const TacLanes sl = LoadLanes(s), dl = LoadLanes(d);
    TacLanes a = AlphaLanes(sl);
    if (o != 255) a = (a * opacityLanes) >> 8;
    const TacLanes sw = (sl & ~kAlphaLaneMask) | (a & kAlphaLaneMask);
    const TacLanes mixed = (a * sw + (256 - a) * dl) >> 8;
    const TacLanes kept = (mixed < dl) & kAlphaLaneMask;  // alpha lanes where d.A is higher
    StoreLanes(d, (mixed & ~kept) | (dl & kept));
  };
  ForEachRow(dest, src, destPoint, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    int32_t x = 0;
    for (; x + 2 <= width; x += 2) draw(d + x, s + x);
    if (x < width) {
      TacPixel lastD[2] = {d[x], 0}, lastS[2] = {s[x], 0};
      draw(lastD, lastS);
      d[x] = lastD[0];
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
  const TacPixel copiedAlpha = intoParent ? 0xFF000000u : 0u;

  const auto span = ClipCopy(dest, src, {destX, destY}, srcRect);
  if (!span) return;
  for (int32_t y = 0; y < span->Height; ++y) {
    TacPixel* d = dest.Row(span->DestY + y) + span->DestX;
    const TacPixel* s = src.Row(span->SrcY + y) + span->SrcX;
    if (fromParent)
      FillKeysFromParent(d, s, span->Width, keyPixel, *parentBG.Bmp, int64_t{span->DestX} + parentBG.Offset.X,
                         int64_t{span->DestY} + y + parentBG.Offset.Y);
    if (fillColor)
      for (int32_t x = 0; x < span->Width; ++x) d[x] = s[x] == keyPixel ? parentColor : s[x];
    else
      for (int32_t x = 0; x < span->Width; ++x) d[x] = s[x] == keyPixel ? d[x] : s[x] | copiedAlpha;
  }
}

void CopyKeyedFaded(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY,
                    const TRect& srcRect, TColor key, int32_t destWeight) {
  const TacPixel keyPixel = PixelOfColor(key);
  const auto wd = static_cast<uint16_t>(ClampByte(destWeight));
  const auto ws = static_cast<uint16_t>(255 - wd);
  TacPixel mixed[kRowChunk];
  ForEachRow(dest, src, {destX, destY}, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    for (int32_t x = 0; x < width; x += kRowChunk) {
      const auto count = static_cast<size_t>(std::min(kRowChunk, width - x));
      std::copy_n(d + x, count, mixed);
      MixBytes(Bytes(mixed), Bytes(s + x), count * 4, wd, ws);
      for (size_t i = 0; i < count; ++i) d[x + i] = s[x + i] == keyPixel ? d[x + i] : mixed[i];
    }
  });
}

void CopyKeyedBlended(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY,
                      const TRect& srcRect, TColor key, int32_t opacity) {
  const TacPixel keyPixel = PixelOfColor(key);
  const uint32_t o = ClampByte(opacity);
  TacPixel mixed[kRowChunk];
  ForEachRow(dest, src, {destX, destY}, srcRect, [&](TacPixel* d, const TacPixel* s, int32_t width) {
    if (o == 0) {
      for (int32_t x = 0; x < width; ++x) d[x] = s[x] == keyPixel ? d[x] : s[x];
      return;
    }
    for (int32_t x = 0; x < width; x += kRowChunk) {
      const auto count = static_cast<size_t>(std::min(kRowChunk, width - x));
      std::copy_n(d + x, count, mixed);
      MixBytes(Bytes(mixed), Bytes(s + x), count * 4, static_cast<uint16_t>(256 - o), static_cast<uint16_t>(o));
      for (size_t i = 0; i < count; ++i) {
        const TacPixel blended = (mixed[i] & 0x00FFFFFFu) | std::max(d[x + i] & 0xFF000000u, o << 24);
        d[x + i] = s[x + i] == keyPixel ? d[x + i] : blended;
      }
    }
  });
}
