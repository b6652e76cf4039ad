#pragma once
#include <cstdint>

#include "graphics/Color.h"
#include "graphics/ColorOps.h"
#include "graphics/WorkBitmap.h"

// Per-pixel transforms for TransformPixels; alpha is never changed and a
// parameter of 0 leaves the pixel as it is. SaturationTransform comes with
// the drawing core (graphics/ColorOps.h).

// B > 0: c + (c x B) div 256, at most 255; B < 0: c - (c x |B|) div 256, at least 0.
void BrightnessTransform(TacPixel& Pixel, int32_t Brightness);
// Rotates the hue by Degrees (either sign); grey pixels stay grey.
void HueTransform(TacPixel& Pixel, int32_t Degrees);
// Shades of Tone (a TColor): each channel becomes (Tone channel x max(R, G, B)) div 256.
void ToneTransform(TacPixel& Pixel, int32_t Tone);

// TransformPixels with HueTransform and BrightnessTransform, in loops that
// reuse work: skins repeat colours, and brightness depends on the channel
// alone. Key pixels are skipped (clNone: none); BrightenBitmap changes the
// first Rows rows only.
void HueBitmap(TacWorkBitmap& Bitmap, int32_t Degrees, TColor Key);
void BrightenBitmap(TacWorkBitmap& Bitmap, int32_t Brightness, TColor Key, int32_t Rows = INT32_MAX);

// The same transforms on a TColor (red in the low byte); the high byte stays.
TColor BrightnessColor(TColor Color, int32_t Brightness);
TColor SaturationColor(TColor Color, int32_t Saturation);
TColor HueColor(TColor Color, int32_t Degrees);

// The saturation transform's parameter for the manager's Saturation percent:
// Saturation x 255 div 100, limited to -255..255.
int32_t SaturationParameter(int32_t Saturation);
