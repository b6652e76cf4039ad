#pragma once
#include <cstdint>

// 0x00BBGGRR, red in the low byte; negative values are system colours
// (0xFF000000 | GetSysColor index).
using TColor = int32_t;

inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clHotLight = clSystemColor | 26;
inline constexpr TColor clGradientActiveCaption = clSystemColor | 27;
inline constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
inline constexpr TColor clMenuHighlight = clSystemColor | 29;
inline constexpr TColor clMenuBar = clSystemColor | 30;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
// The transparent key pixel and, as an argument, "no colour".
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
// "Not set": as a key argument, no key at all.
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

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
