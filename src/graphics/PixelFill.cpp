#include "graphics/PixelFill.h"

#include <algorithm>

#include "graphics/Clip.h"
#include "graphics/PixelMath.h"
#include "graphics/WorkBitmap.h"

namespace {
uint32_t ToWeight(int32_t weight) { return ClampByte(weight); }

void TintRows(TacWorkBitmap& bitmap, const TRect& area, uint32_t weight, TacPixel tint, bool skipKey) {
  // Colour bytes keep Weight and gain the tint's share; the alpha byte keeps all of itself.
  uint16_t w[16], add[16];
  for (size_t k = 0; k < 16; ++k) {
    const bool alpha = k % 4 == 3;
    w[k] = static_cast<uint16_t>(alpha ? 256 : weight);
    add[k] = static_cast<uint16_t>(alpha ? 0 : ((tint >> (8 * (k % 4))) & 0xFF) * (255 - weight));
  }
  TacPixel original[kRowChunk];
  for (int32_t y = area.Top; y < area.Bottom; ++y)
    for (int32_t x = area.Left; x < area.Right; x += kRowChunk) {
      TacPixel* chunk = bitmap.Row(y) + x;
      const auto count = static_cast<size_t>(std::min(kRowChunk, area.Right - x));
      if (skipKey) std::copy_n(chunk, count, original);
      WeighBytes(Bytes(chunk), count * 4, w, add);
      if (skipKey)
        for (size_t i = 0; i < count; ++i) chunk[i] = original[i] == KeyPixel ? original[i] : chunk[i];
    }
}
}  // namespace

void FillPixels(TacWorkBitmap& bitmap, const TRect& rect, TColor color, int32_t alpha) {
  const auto area = ClipToBitmap(rect, bitmap);
  if (!area) return;
  const TacPixel value = WithAlpha(PixelOfColor(color), ToWeight(alpha));
  for (int32_t y = area->Top; y < area->Bottom; ++y) std::fill(bitmap.Row(y) + area->Left, bitmap.Row(y) + area->Right, value);
}

void FillFrame(TacWorkBitmap& bitmap, const TRect& outer, const TRect& inner, int32_t alpha, TColor color) {
  FillPixels(bitmap, {outer.Left, outer.Top, outer.Right, inner.Top}, color, alpha);
  FillPixels(bitmap, {outer.Left, inner.Bottom, outer.Right, outer.Bottom}, color, alpha);
  FillPixels(bitmap, {outer.Left, inner.Top, inner.Left, inner.Bottom}, color, alpha);
  FillPixels(bitmap, {inner.Right, inner.Top, outer.Right, inner.Bottom}, color, alpha);
}

void FillBorderStrips(TacWorkBitmap& bitmap, const TRect& rect, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, TColor color) {
  const int32_t innerLeft = SaturatedAdd(rect.Left, left);
  const int32_t innerTop = SaturatedAdd(rect.Top, top);
  const int32_t innerBottom = SaturatedAdd(rect.Bottom, -int64_t{bottom});
  FillPixels(bitmap, {rect.Left, rect.Top, rect.Right, innerTop}, color, 255);
  FillPixels(bitmap, {rect.Left, innerTop, innerLeft, rect.Bottom}, color, 255);
  FillPixels(bitmap, {innerLeft, innerBottom, rect.Right, rect.Bottom}, color, 255);
  FillPixels(bitmap, {SaturatedAdd(rect.Right, -int64_t{right}), innerTop, rect.Right, innerBottom}, color, 255);
}

TColor MixColors(TColor a, TColor b, int32_t weight) {
  const uint32_t w = ToWeight(weight);
  return static_cast<TColor>(MixColorBytes(static_cast<uint32_t>(a), static_cast<uint32_t>(b), w, 255 - w));
}

void TintRect(TacWorkBitmap& bitmap, const TRect& rectInclusive, int32_t weight, TColor color) {
  const auto area = ClipInclusiveToBitmap(rectInclusive, bitmap);
  if (!area) return;
  TintRows(bitmap, *area, ToWeight(weight), PixelOfColor(ColorToRGB(color)), false);
}

void TintBitmap(TacWorkBitmap& bitmap, int32_t weight, TColor color) {
  TintRows(bitmap, bitmap.BoundsRect(), ToWeight(weight), PixelOfColor(color), true);
}
