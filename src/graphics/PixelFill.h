#pragma once
#include <cstdint>

#include "graphics/Color.h"
#include "graphics/Geometry.h"

class TacWorkBitmap;

// Weights are 0..255; values outside are limited to that range.

// Every pixel of Rect becomes Color with alpha Alpha.
void FillPixels(TacWorkBitmap& bitmap, const TRect& rect, TColor color, int32_t alpha);
// The four strips between Outer and Inner: full-width top and bottom strips,
// left and right strips beside Inner.
void FillFrame(TacWorkBitmap& bitmap, const TRect& outer, const TRect& inner, int32_t alpha, TColor color);
// Opaque strips of the given widths along the inside of Rect.
void FillBorderStrips(TacWorkBitmap& bitmap, const TRect& rect, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, TColor color);

// (W x a + (255 - W) x b) div 256 per channel; byte 3 is a's. Mixing a colour
// with itself loses a step (white and white at 128 give 0xFEFEFE).
TColor MixColors(TColor a, TColor b, int32_t weight);

// Pulls the colour channels of Rect (inclusive edges) toward the system-resolved
// Color; Weight is what the existing pixel keeps. Alpha is unchanged.
void TintRect(TacWorkBitmap& bitmap, const TRect& rectInclusive, int32_t weight, TColor color);
// As TintRect over the whole bitmap, skipping key pixels; Color is used as given.
void TintBitmap(TacWorkBitmap& bitmap, int32_t weight, TColor color);
