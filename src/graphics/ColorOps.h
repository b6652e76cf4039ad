#pragma once
#include <cstdint>

#include "graphics/Color.h"

class TacWorkBitmap;

// Colour channels become 0.299 R + 0.587 G + 0.114 B rounded to the nearest
// integer (halves to even); alpha is unchanged. The keyed form skips Key pixels.
void GrayscaleBitmap(TacWorkBitmap& bitmap);
void GrayscaleBitmap(TacWorkBitmap& bitmap, TColor key);

// A per-pixel colour transform: changes the pixel in place.
using TacPixelTransform = void (*)(TacPixel& pixel, int32_t parameter);

// Calls Transform on every pixel that is not Key (clNone: on every pixel).
void TransformPixels(TacWorkBitmap* bitmap, TacPixelTransform transform, int32_t parameter, TColor key);

// S = 0 leaves the pixel; negative S moves channels toward grey, positive S
// away from it: c = ((255 + S) x c - S x Gray) div 256, limited to 0..255.
void SaturationTransform(TacPixel& pixel, int32_t saturation);
// TransformPixels with SaturationTransform, in one loop the compiler can vectorise.
void SaturateBitmap(TacWorkBitmap& bitmap, int32_t saturation, TColor key);
