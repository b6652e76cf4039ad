#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

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

// Row forms written so that the compiler turns them into SIMD code: bytes
// widened to 16 bits (255 x 256 still fits), no branches inside the loops.

// Every byte: d = (wd x d + ws x s) div 256; wd + ws <= 256.
inline void MixBytes(uint8_t* d, const uint8_t* s, size_t count, uint16_t wd, uint16_t ws) {
  for (size_t i = 0; i < count; ++i)
    d[i] = static_cast<uint8_t>(static_cast<uint16_t>(d[i] * wd + s[i] * ws) >> 8);
}

// Every byte: d = (w[k] x d + add[k]) div 256 with k the byte's place in a
// 16-byte period, so four pixels can carry per-channel weights.
inline void WeighBytes(uint8_t* d, size_t count, const uint16_t (&w)[16], const uint16_t (&add)[16]) {
  size_t i = 0;
  for (; i + 16 <= count; i += 16)
    for (size_t k = 0; k < 16; ++k)
      d[i + k] = static_cast<uint8_t>(static_cast<uint16_t>(d[i + k] * w[k] + add[k]) >> 8);
  for (; i < count; ++i) d[i] = static_cast<uint8_t>(static_cast<uint16_t>(d[i] * w[i % 16] + add[i % 16]) >> 8);
}

inline uint8_t* Bytes(TacPixel* p) { return reinterpret_cast<uint8_t*>(p); }
inline const uint8_t* Bytes(const TacPixel* p) { return reinterpret_cast<const uint8_t*>(p); }

// Rows are worked in chunks of this many pixels where a scratch copy is needed.
inline constexpr int32_t kRowChunk = 256;

// Two pixels as eight 16-bit lanes (B, G, R, A, B, G, R, A), for operations
// whose weight differs per pixel; the compiler maps these onto SIMD registers.
using TacLanes = uint16_t __attribute__((vector_size(16)));
using TacLaneBytes = uint8_t __attribute__((vector_size(8)));

inline TacLanes LoadLanes(const TacPixel* p) {
  TacLaneBytes bytes;
  std::memcpy(&bytes, p, sizeof(bytes));
  return __builtin_convertvector(bytes, TacLanes);
}

inline void StoreLanes(TacPixel* p, TacLanes lanes) {
  const TacLaneBytes bytes = __builtin_convertvector(lanes, TacLaneBytes);
  std::memcpy(p, &bytes, sizeof(bytes));
}

// Each pixel's alpha in all four of its lanes.
inline TacLanes AlphaLanes(TacLanes lanes) { return __builtin_shuffle(lanes, TacLanes{3, 3, 3, 3, 7, 7, 7, 7}); }

inline constexpr TacLanes kAlphaLaneMask = {0, 0, 0, 0xFFFF, 0, 0, 0, 0xFFFF};
