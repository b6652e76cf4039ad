#pragma once
#include <cstdint>

// 0x00BBGGRR, red in the low byte; negative values are system colours
// (0x80000000 | index).
using TColor = int32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clBlue = 0x00FF0000;
// The transparent key pixel and, as an argument, "no colour".
inline constexpr TColor clFuchsia = 0x00FF00FF;
// "Not set": as a key argument, no key at all.
inline constexpr TColor clNotSet = 0x1FFFFFFF;

inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;

// Work-bitmap pixels are 0xAARRGGBB values (bytes B, G, R, A in memory).
using TacPixel = uint32_t;

inline constexpr TacPixel KeyPixel = 0x00FF00FFu;

// Exchanges bytes 0 and 2 and keeps byte 3; its own inverse.
constexpr TacPixel PixelOfColor(TColor color) {
  const auto v = static_cast<uint32_t>(color);
  return (v & 0xFF00FF00u) | ((v & 0xFFu) << 16) | ((v >> 16) & 0xFFu);
}

constexpr uint32_t Blue(TacPixel p) { return p & 0xFFu; }
constexpr uint32_t Green(TacPixel p) { return (p >> 8) & 0xFFu; }
constexpr uint32_t Red(TacPixel p) { return (p >> 16) & 0xFFu; }
constexpr uint32_t Alpha(TacPixel p) { return p >> 24; }
constexpr TacPixel MakePixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr TacPixel WithAlpha(TacPixel p, uint32_t a) { return (p & 0x00FFFFFFu) | (a << 24); }

// System colours become their current RGB value; other values pass unchanged.
TColor ColorToRGB(TColor color);

// Where system colours come from: the system on Windows, the classic default
// scheme elsewhere. Tests replace it; an empty query restores the default.
using TacSysColorQuery = uint32_t (*)(int index);
TacSysColorQuery SetSysColorQuery(TacSysColorQuery query);
