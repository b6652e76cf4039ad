#include "graphics/Clip.h"

#include <algorithm>
#include <cstdint>

namespace {
// Rectangles from callers may be extreme; 64 bits keep the arithmetic exact.
std::optional<TRect> Clip64(int64_t left, int64_t top, int64_t right, int64_t bottom, const TacWorkBitmap& bitmap) {
  left = std::max<int64_t>(left, 0);
  top = std::max<int64_t>(top, 0);
  right = std::min<int64_t>(right, bitmap.Width());
  bottom = std::min<int64_t>(bottom, bitmap.Height());
  if (right <= left || bottom <= top) return std::nullopt;
  return TRect{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
               static_cast<int32_t>(bottom)};
}

struct Axis {
  int64_t Dest, SrcFirst, SrcLast;
};

// One axis of ClipCopy; returns the number of pixels, 0 or less for none.
int64_t ClipAxis(Axis& a, int64_t destSize, int64_t srcSize) {
  if (a.Dest < 0) {
    a.SrcFirst -= a.Dest;
    a.Dest = 0;
  }
  if (a.SrcFirst < 0) {
    a.Dest -= a.SrcFirst;
    a.SrcFirst = 0;
  }
  a.SrcLast = std::min({a.SrcLast, srcSize - 1, a.SrcFirst + destSize - 1 - a.Dest});
  return a.SrcLast - a.SrcFirst + 1;
}
}  // namespace

std::optional<TRect> ClipToBitmap(const TRect& rect, const TacWorkBitmap& bitmap) {
  return Clip64(rect.Left, rect.Top, rect.Right, rect.Bottom, bitmap);
}

std::optional<TRect> ClipInclusiveToBitmap(const TRect& rect, const TacWorkBitmap& bitmap) {
  return Clip64(rect.Left, rect.Top, int64_t{rect.Right} + 1, int64_t{rect.Bottom} + 1, bitmap);
}

std::optional<TacCopySpan> ClipCopy(const TacWorkBitmap& dest, const TacWorkBitmap& src, TPoint destPoint,
                                    const TRect& srcRectInclusive) {
  Axis x{destPoint.X, srcRectInclusive.Left, srcRectInclusive.Right};
  Axis y{destPoint.Y, srcRectInclusive.Top, srcRectInclusive.Bottom};
  const int64_t width = ClipAxis(x, dest.Width(), src.Width());
  const int64_t height = ClipAxis(y, dest.Height(), src.Height());
  if (width <= 0 || height <= 0) return std::nullopt;
  return TacCopySpan{static_cast<int32_t>(x.Dest),     static_cast<int32_t>(y.Dest), static_cast<int32_t>(x.SrcFirst),
                     static_cast<int32_t>(y.SrcFirst), static_cast<int32_t>(width),  static_cast<int32_t>(height)};
}
