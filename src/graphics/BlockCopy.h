#pragma once
#include "graphics/Geometry.h"

class TacWorkBitmap;

// Opaque block copies, the work-bitmap form of BitBlt and of StretchBlt in
// colour-on-colour mode. Rectangles have exclusive edges; both bitmaps clip.

// Copies SrcRect of Src to DestPoint, every byte as it is.
void CopyPixels(TacWorkBitmap& dest, TPoint destPoint, const TacWorkBitmap& src, const TRect& srcRect);

// Scales SrcRect onto DestRect by picking the nearest source pixel (no mixing).
void StretchPixels(TacWorkBitmap& dest, const TRect& destRect, const TacWorkBitmap& src, const TRect& srcRect);
// The same, writing only inside Clip.
void StretchPixels(TacWorkBitmap& dest, const TRect& destRect, const TacWorkBitmap& src, const TRect& srcRect,
                   const TRect& clip);
