#pragma once
#include <cstdint>

#include "graphics/Color.h"

// Per-byte weighted sums of two pixels, two bytes per multiplication. With
// wd + ws <= 256 no byte can carry into its neighbour, so each result byte is
// exactly (wd * d + ws * s) div 256.
inline TacPixel MixAllBytes(TacPixel d, TacPixel s, uint32_t wd, uint32_t ws) {
  const uint32_t rb = (((d & 0x00FF00FFu) * wd + (s & 0x00FF00FFu) * ws) >> 8) & 0x00FF00FFu;
  const uint32_t ga = (((d >> 8) & 0x00FF00FFu) * wd + ((s >> 8) & 0x00FF00FFu) * ws) & 0xFF00FF00u;
  return rb | ga;
}

// As MixAllBytes for blue, green and red; the alpha byte stays d's.
inline TacPixel MixColorBytes(TacPixel d, TacPixel s, uint32_t wd, uint32_t ws) {
  return (MixAllBytes(d, s, wd, ws) & 0x00FFFFFFu) | (d & 0xFF000000u);
}

inline uint32_t ClampByte(int32_t value) { return value < 0 ? 0u : value > 255 ? 255u : static_cast<uint32_t>(value); }

// Straight-alpha source-over, as a 2-D drawing library composes a brush that
// carries alpha onto a bitmap with alpha; exact to the nearest value.
inline TacPixel ComposeOver(TacPixel d, TacPixel s) {
  const uint32_t sa = Alpha(s);
  if (sa == 255) return s;
  if (sa == 0) return d;
  const uint32_t dw = Alpha(d) * (255 - sa);  // destination weight, scaled by 255
  const uint32_t den = sa * 255 + dw;
  if (den == 0) return 0;
  auto channel = [&](uint32_t sc, uint32_t dc) { return (sc * sa * 255 + dc * dw + den / 2) / den; };
  return MakePixel(channel(Red(s), Red(d)), channel(Green(s), Green(d)), channel(Blue(s), Blue(d)), (den + 127) / 255);
}
