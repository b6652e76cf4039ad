#include "graphics/ColorTransforms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// Beyond these every channel already ends at 0 or 255, and the products stay in 32 bits.
int32_t LimitBrightness(int32_t b) { return std::clamp(b, -256, 65536); }

uint32_t Brighten(uint32_t c, int32_t b) {
  const auto v = static_cast<int32_t>(c);
  return static_cast<uint32_t>(b > 0 ? std::min(255, v + v * b / 256) : std::max(0, v - v * -b / 256));
}

uint32_t Limited(double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 255.0)); }
}  // namespace

void BrightnessTransform(TacPixel& Pixel, int32_t Brightness) {
  if (Brightness == 0) return;
  const int32_t b = LimitBrightness(Brightness);
  Pixel = MakePixel(Brighten(Red(Pixel), b), Brighten(Green(Pixel), b), Brighten(Blue(Pixel), b), Alpha(Pixel));
}

void HueTransform(TacPixel& Pixel, int32_t Degrees) {
  if (Degrees == 0) return;
  const uint32_t r = Red(Pixel), g = Green(Pixel), b = Blue(Pixel);
  const uint32_t maxC = std::max({r, g, b}), minC = std::min({r, g, b});
  if (maxC == minC) return;  // grey, and black: no hue to rotate
  const double v = maxC;
  const double delta = maxC - minC;
  const double sat = delta / v;
  const double k = 60.0 / delta;
  double h;
  if (r == maxC)
    h = (double(g) - double(b)) * k;
  else if (g == maxC)
    h = 120.0 + (double(b) - double(r)) * k;
  else
    h = 240.0 + (double(r) - double(g)) * k;
  if (h < 0) h += 360.0;
  int64_t hue = static_cast<int64_t>(static_cast<double>(Degrees) + h) % 360;
  if (hue < 0) hue += 360;
  const int64_t sector = hue / 60;
  const double f = static_cast<double>(hue) / 60.0 - static_cast<double>(sector);
  const uint32_t p = Limited(v * (1.0 - sat));
  const uint32_t q = Limited(v * (1.0 - f * sat));
  const uint32_t t = Limited(v * (1.0 - (1.0 - f) * sat));
  const uint32_t vv = maxC, a = Alpha(Pixel);
  switch (sector) {
    case 0: Pixel = MakePixel(vv, t, p, a); break;
    case 1: Pixel = MakePixel(q, vv, p, a); break;
    case 2: Pixel = MakePixel(p, vv, t, a); break;
    case 3: Pixel = MakePixel(p, q, vv, a); break;
    case 4: Pixel = MakePixel(t, p, vv, a); break;
    default: Pixel = MakePixel(vv, p, q, a); break;
  }
}

void ToneTransform(TacPixel& Pixel, int32_t Tone) {
  const uint32_t v = std::max({Red(Pixel), Green(Pixel), Blue(Pixel)});
  const auto tone = static_cast<uint32_t>(Tone);
  Pixel = MakePixel((tone & 0xFF) * v / 256, ((tone >> 8) & 0xFF) * v / 256, ((tone >> 16) & 0xFF) * v / 256,
                    Alpha(Pixel));
}

void HueBitmap(TacWorkBitmap& Bitmap, int32_t Degrees, TColor Key) {
  if (Degrees == 0) return;
  const bool keyed = Key != clNone;
  const TacPixel keyPixel = PixelOfColor(Key);
  // The hue ignores alpha: remember the colour part of the last pixel changed.
  TacPixel lastIn = 0, lastOut = 0;
  HueTransform(lastOut, Degrees);
  for (int32_t y = 0; y < Bitmap.Height(); ++y) {
    TacPixel* row = Bitmap.Row(y);
    for (int32_t x = 0; x < Bitmap.Width(); ++x) {
      const TacPixel p = row[x];
      if (keyed && p == keyPixel) continue;
      const TacPixel rgb = p & 0x00FFFFFFu;
      if (rgb != lastIn) {
        lastIn = rgb;
        lastOut = rgb;
        HueTransform(lastOut, Degrees);
      }
      row[x] = lastOut | (p & 0xFF000000u);
    }
  }
}

void BrightenBitmap(TacWorkBitmap& Bitmap, int32_t Brightness, TColor Key, int32_t Rows) {
  if (Brightness == 0) return;
  const int32_t b = LimitBrightness(Brightness);
  uint8_t table[256];
  for (uint32_t c = 0; c < 256; ++c) table[c] = static_cast<uint8_t>(Brighten(c, b));
  const bool keyed = Key != clNone;
  const TacPixel keyPixel = PixelOfColor(Key);
  for (int32_t y = 0; y < std::min(Rows, Bitmap.Height()); ++y) {
    TacPixel* row = Bitmap.Row(y);
    for (int32_t x = 0; x < Bitmap.Width(); ++x) {
      const TacPixel p = row[x];
      if (!keyed || p != keyPixel) row[x] = MakePixel(table[Red(p)], table[Green(p)], table[Blue(p)], Alpha(p));
    }
  }
}

namespace {
TColor ThroughPixel(TColor color, TacPixelTransform transform, int32_t parameter) {
  TacPixel p = PixelOfColor(color);
  transform(p, parameter);
  return static_cast<TColor>(PixelOfColor(static_cast<TColor>(p)));
}
}  // namespace

TColor BrightnessColor(TColor Color, int32_t Brightness) { return ThroughPixel(Color, BrightnessTransform, Brightness); }
TColor SaturationColor(TColor Color, int32_t Saturation) { return ThroughPixel(Color, SaturationTransform, Saturation); }
TColor HueColor(TColor Color, int32_t Degrees) { return ThroughPixel(Color, HueTransform, Degrees); }

int32_t SaturationParameter(int32_t Saturation) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{Saturation} * 255 / 100, -255, 255));
}
