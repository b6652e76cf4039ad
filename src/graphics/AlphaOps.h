#pragma once
#include <cstdint>
#include <span>

#include "graphics/Color.h"
#include "graphics/Geometry.h"

class TacWorkBitmap;

// Sets the alpha byte in Rect except inside any of ExcludeRects and on Key
// pixels (clNone: no key).
void SetAlphaRect(TacWorkBitmap& bitmap, const TRect& rect, int32_t alpha, std::span<const TRect> excludeRects,
                  TColor key);

// For images that arrived with an all-zero alpha channel: every pixel that
// differs from the bottom-left one becomes opaque. Images with any alpha stay.
void RestoreEmptyAlpha(TacWorkBitmap& bitmap);

// Converts straight to premultiplied alpha for a layered window. Without
// desktop composition near-white channels are capped at 244.
void PremultiplyAlpha(TacWorkBitmap& bitmap, const TRect& rect);
void PremultiplyAlpha(TacWorkBitmap& bitmap);
