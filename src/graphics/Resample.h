#pragma once
#include <cstdint>

#include "graphics/Geometry.h"

class TacWorkBitmap;

enum TacResampleFilter : int32_t {
  rfBox = 0,
  rfTriangle = 1,
  rfHermite = 2,
  rfBell = 3,
  rfBSpline = 4,
  rfLanczos = 5,
  rfMitchell = 6,
};

// Scales the whole Src into Dest, which becomes NewWidth x NewHeight, with a
// separable two-pass filter on all four channels. A source narrower or lower
// than 2 pixels, a new size below 1 or an unknown filter leaves Dest unchanged.
void ResampleBitmap(const TacWorkBitmap& src, TacWorkBitmap& dest, int32_t newWidth, int32_t newHeight,
                    TacResampleFilter filter);

// Scales SrcRect (exclusive edges) of a straight-alpha image to DestWidth x
// DestHeight and draws it at (DestX, DestY) with DrawAlphaImage arithmetic.
void StretchAlphaImage(TacWorkBitmap& dest, int32_t destX, int32_t destY, int32_t opacity, const TRect& srcRect,
                       const TacWorkBitmap& src, int32_t destWidth, int32_t destHeight);
