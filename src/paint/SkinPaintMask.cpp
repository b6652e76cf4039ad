#include <algorithm>

#include "graphics/BlockCopy.h"
#include "graphics/Clip.h"
#include "graphics/PixelMath.h"
#include "graphics/Resample.h"
#include "paint/SkinPaintPieces.h"

namespace {
// Calls op(dest, image, mask, width, destX, destY) for every row of the piece
// that lands in Dest and whose mask row exists.
template <typename RowOp>
void ForEachMaskedRow(TacWorkBitmap& dest, TPoint destPoint, const TacWorkBitmap& src, const TRect& piece,
                      int32_t maskDy, RowOp op) {
  if (piece.IsEmpty()) return;
  const auto span = ClipCopy(dest, src, destPoint, {piece.Left, piece.Top, piece.Right - 1, piece.Bottom - 1});
  if (!span) return;
  const int64_t maskTop = std::min<int64_t>(int64_t{piece.Top} + maskDy, int64_t{src.Height()} - piece.Height());
  const int64_t shift = maskTop - piece.Top;
  for (int32_t y = 0; y < span->Height; ++y) {
    const int64_t maskRow = int64_t{span->SrcY} + y + shift;
    if (maskRow < 0 || maskRow >= src.Height()) continue;
    op(dest.Row(span->DestY + y) + span->DestX, src.Row(span->SrcY + y) + span->SrcX,
       src.Row(static_cast<int32_t>(maskRow)) + span->SrcX, span->Width, span->DestX, span->DestY + y);
  }
}
}  // namespace

TacMaskRule MaskRuleFor(const TacParentBG& bg, bool showParent, uint32_t cfg) {
  if (HasParentBitmap(bg)) return showParent ? mrParentBitmap : mrOpaque;
  if (showParent && HasParentColor(bg)) return (cfg & cfgTransparentCorners) ? mrParentColorKey : mrParentColorAlpha;
  return mrSkipKey;
}

void CopyMaskedPiece(TacWorkBitmap& dest, TPoint destPoint, const TacWorkBitmap& src, const TRect& piece,
                     int32_t maskDy, TacMaskRule rule, const TacParentBG& bg) {
  const TacPixel parentColor = PixelOfColor(bg.Color);
  ForEachMaskedRow(dest, destPoint, src, piece, maskDy,
                   [&](TacPixel* d, const TacPixel* s, const TacPixel* m, int32_t width, int32_t x0, int32_t y) {
    const TacPixel* parentRow = nullptr;
    int64_t parentX = 0;
    if (rule == mrParentBitmap) {
      const int64_t py = int64_t{y} + bg.Offset.Y;
      if (py >= 0 && py < bg.Bmp->Height()) parentRow = bg.Bmp->Row(static_cast<int32_t>(py));
      parentX = int64_t{x0} + bg.Offset.X;
    }
    for (int32_t x = 0; x < width; ++x) {
      const TacPixel own = s[x];
      switch (rule) {
        case mrParentBitmap:
          if (own != KeyPixel)
            d[x] = ComposeMasked(d[x], own, m[x], 255);
          else if (parentRow && parentX + x >= 0 && parentX + x < bg.Bmp->Width())
            d[x] = parentRow[parentX + x] | 0xFF000000u;
          break;
        case mrOpaque:
          d[x] = ComposeMasked(d[x], own, m[x], 255);
          break;
        case mrParentColorKey:
          d[x] = own == KeyPixel ? parentColor : ComposeMasked(d[x], own, m[x], Alpha(d[x]));
          break;
        case mrParentColorAlpha:
          d[x] = Alpha(own) == 0 ? parentColor : ComposeMasked(d[x], own, m[x], Alpha(d[x]));
          break;
        case mrSkipKey:
          if (own != KeyPixel) d[x] = ComposeMasked(d[x], own, m[x], Alpha(d[x]));
          break;
      }
    }
  });
}

void ComposeMaskedOver(TacWorkBitmap& dest, TPoint destPoint, const TacWorkBitmap& src, const TRect& piece,
                       int32_t maskDy, int32_t opacity) {
  const uint32_t scale = ClampByte(opacity) + 1;
  ForEachMaskedRow(dest, destPoint, src, piece, maskDy,
                   [&](TacPixel* d, const TacPixel* s, const TacPixel* m, int32_t width, int32_t, int32_t) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t coverage = ((255 - Red(m[x])) * scale) >> 8;
      d[x] = ComposeOver(d[x], WithAlpha(s[x], coverage));
    }
  });
}

std::unique_ptr<TacWorkBitmap> StretchMaskedPiece(const TacWorkBitmap& src, const TRect& piece, int32_t maskDy,
                                                  int32_t destWidth, int32_t destHeight, bool smooth) {
  auto result = NewWorkBitmap(destWidth, int64_t{destHeight} * 2 > INT32_MAX ? 0 : destHeight * 2);
  if (result->Empty() || piece.IsEmpty()) return result;
  const int32_t maskTop = std::min(piece.Top + maskDy, src.Height() - piece.Height());
  const TRect parts[2] = {piece, {piece.Left, maskTop, piece.Right, maskTop + piece.Height()}};
  for (int32_t i = 0; i < 2; ++i) {
    const TRect target = Bounds(0, i * destHeight, destWidth, destHeight);
    if (smooth && destWidth > 1 && destHeight > 1 && piece.Width() > 1 && piece.Height() > 1) {
      auto part = NewWorkBitmap(piece.Width(), piece.Height());
      CopyPixels(*part, {0, 0}, src, parts[i]);
      TacWorkBitmap scaled;
      ResampleBitmap(*part, scaled, destWidth, destHeight, rfMitchell);
      CopyPixels(*result, {0, target.Top}, scaled, scaled.BoundsRect());
    } else {
      StretchPixels(*result, target, src, parts[i]);
    }
  }
  return result;
}
