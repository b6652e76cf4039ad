#pragma once
#include <cstdint>
#include <optional>

#include "graphics/Geometry.h"
#include "graphics/WorkBitmap.h"

// a + b limited to the 32-bit range, for offsets applied to caller rectangles.
inline int32_t SaturatedAdd(int32_t a, int64_t b) {
  const int64_t sum = a + b;
  return sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : static_cast<int32_t>(sum);
}

// Rect (exclusive edges) cut to the bitmap; empty when nothing is left.
std::optional<TRect> ClipToBitmap(const TRect& rect, const TacWorkBitmap& bitmap);

// As ClipToBitmap for a rectangle whose right and bottom edges are inclusive;
// the result has exclusive edges.
std::optional<TRect> ClipInclusiveToBitmap(const TRect& rect, const TacWorkBitmap& bitmap);

// Where a copy of SrcRect (inclusive edges) of Src to DestPoint of Dest lands
// once both bitmaps are respected.
struct TacCopySpan {
  int32_t DestX, DestY, SrcX, SrcY, Width, Height;
};
std::optional<TacCopySpan> ClipCopy(const TacWorkBitmap& dest, const TacWorkBitmap& src, TPoint destPoint,
                                    const TRect& srcRectInclusive);
