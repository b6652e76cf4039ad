#pragma once
#include <cstdint>

#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/ParentBG.h"

class TacWorkBitmap;

// Source rectangles of these operations include their right and bottom edges.
// Keys are colours (clNone for none); a pixel is a key pixel only when its
// whole 32-bit value, alpha included, equals the key. Weights are 0..255.

// d = (DestWeight x d + (256 - DestWeight) x s) div 256 on all four bytes.
void BlendBitmap(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destWeight, TPoint destPoint,
                 const TRect& srcRect);

// Straight-alpha source over Dest; destination alpha never decreases.
void DrawAlphaImage(TacWorkBitmap& dest, const TacWorkBitmap& src, const TRect& srcRect, int32_t opacity,
                    TPoint destPoint);

// Copies non-key pixels whole; key pixels show the parent background as
// ParentBG and UseParent describe.
void CopyKeyed(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY, const TRect& srcRect,
               TColor key, bool useParent, const TacParentBG& parentBG);

// Non-key pixels, all four bytes: d = ((255 - W) x s + W x d) div 256.
void CopyKeyedFaded(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY,
                    const TRect& srcRect, TColor key, int32_t destWeight);

// Non-key pixels at Opacity (0 copies them whole), raising alpha to at least Opacity.
void CopyKeyedBlended(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t destX, int32_t destY,
                      const TRect& srcRect, TColor key, int32_t opacity);
