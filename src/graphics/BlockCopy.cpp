#include "graphics/BlockCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/Clip.h"
#include "graphics/WorkBitmap.h"

void CopyPixels(TacWorkBitmap& dest, TPoint destPoint, const TacWorkBitmap& src, const TRect& srcRect) {
  if (srcRect.IsEmpty()) return;
  const auto span =
      ClipCopy(dest, src, destPoint, {srcRect.Left, srcRect.Top, srcRect.Right - 1, srcRect.Bottom - 1});
  if (!span) return;
  for (int32_t y = 0; y < span->Height; ++y)
    std::memcpy(dest.Row(span->DestY + y) + span->DestX, src.Row(span->SrcY + y) + span->SrcX,
                static_cast<size_t>(span->Width) * sizeof(TacPixel));
}

void StretchPixels(TacWorkBitmap& dest, const TRect& destRect, const TacWorkBitmap& src, const TRect& srcRect) {
  StretchPixels(dest, destRect, src, srcRect, destRect);
}

void StretchPixels(TacWorkBitmap& dest, const TRect& destRect, const TacWorkBitmap& src, const TRect& srcRect,
                   const TRect& clip) {
  if (destRect.IsEmpty() || srcRect.IsEmpty()) return;
  if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src.Width() || srcRect.Bottom > src.Height()) return;
  const auto area = ClipToBitmap({std::max(destRect.Left, clip.Left), std::max(destRect.Top, clip.Top),
                                  std::min(destRect.Right, clip.Right), std::min(destRect.Bottom, clip.Bottom)},
                                 dest);
  if (!area) return;
  const int64_t dw = destRect.Width(), dh = destRect.Height(), sw = srcRect.Width(), sh = srcRect.Height();
  std::vector<int32_t> columns(static_cast<size_t>(area->Width()));
  for (int32_t x = area->Left; x < area->Right; ++x)
    columns[static_cast<size_t>(x - area->Left)] =
        srcRect.Left + static_cast<int32_t>((x - int64_t{destRect.Left}) * sw / dw);
  for (int32_t y = area->Top; y < area->Bottom; ++y) {
    const TacPixel* s = src.Row(srcRect.Top + static_cast<int32_t>((y - int64_t{destRect.Top}) * sh / dh));
    TacPixel* d = dest.Row(y) + area->Left;
    for (size_t i = 0; i < columns.size(); ++i) d[i] = s[columns[i]];
  }
}
