#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "graphics/Geometry.h"

class TacWorkBitmap;

// A TColor value whose top byte is the point's alpha where alpha is used.
using TsColor = uint32_t;

// Mode bits 0..1 (first point): 0 vertical, 1 horizontal, 2 four corners and
// a centre, 3 nothing. Flag 0x10: the point carries alpha. Flag 0x20 (first
// point): the whole gradient is an alpha overlay.
inline constexpr int32_t gmDirectionMask = 3;
inline constexpr int32_t gmPointAlpha = 0x10;
inline constexpr int32_t gmAlphaOverlay = 0x20;

struct TsGradPoint {
  uint16_t Index = 0;
  int32_t Mode = 0;
  TsColor Color = 0;
  uint8_t Percent = 0;  // 0..100; the last point always has 100
  friend bool operator==(const TsGradPoint&, const TsGradPoint&) = default;
};
using TsGradArray = std::vector<TsGradPoint>;

// Reads a gradient description (fields separated by ";", the last character
// selecting the layout). Unknown layouts and texts of 4 characters or fewer
// ("N/A") give an empty list; a field that is not an integer throws Exception.
void ParseGradient(std::string_view text, TsGradArray& points);

// Paints Points into Rect of the bitmap; Extra lengthens the vertical span.
void PaintGradient(TacWorkBitmap& bitmap, const TRect& rect, const TsGradArray& points, int32_t extra);

// Tiles the texture at TextureRect of TextureBitmap over Rect, anchored at the
// bitmap's origin, and mixes each pixel with the gradient colour there:
// channels (TextureWeight x t + (256 - TextureWeight) x g) div 256, alpha Alpha.
// Only vertical and horizontal gradients are painted this way.
void PaintTextureGradient(TacWorkBitmap& bitmap, const TRect& rect, const TsGradArray& points, int32_t alpha,
                          int32_t textureWeight, const TRect& textureRect, const TacWorkBitmap& textureBitmap);
