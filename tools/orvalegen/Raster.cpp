#include "Raster.h"

#include <algorithm>
#include <cmath>

Colour RgbColour(uint32_t rgb, float alpha) {
  return Colour{static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
                static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

Colour Mix(Colour from, Colour to, float t) {
  return Colour{from.R + (to.R - from.R) * t, from.G + (to.G - from.G) * t, from.B + (to.B - from.B) * t,
                from.A + (to.A - from.A) * t};
}

Colour WithAlpha(Colour c, float alpha) {
  c.A = alpha;
  return c;
}

Raster::Raster(int width, int height)
    : FWidth(width), FHeight(height), FPixels(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

Colour Raster::Pixel(int x, int y) const {
  const Premultiplied& p = At(x, y);
  if (p.A <= 0) return Colour{};
  return Colour{p.R / p.A, p.G / p.A, p.B / p.A, p.A};
}

void Raster::SetPixel(int x, int y, Colour c) {
  if (!Contains(x, y)) return;
  At(x, y) = Premultiplied{c.R * c.A, c.G * c.A, c.B * c.A, c.A};
}

void Raster::Blend(int x, int y, Colour c, float coverage) {
  if (!Contains(x, y) || coverage <= 0) return;
  const float a = c.A * std::min(coverage, 1.0f);
  Premultiplied& d = At(x, y);
  d.R = c.R * a + d.R * (1 - a);
  d.G = c.G * a + d.G * (1 - a);
  d.B = c.B * a + d.B * (1 - a);
  d.A = a + d.A * (1 - a);
}

void Raster::Draw(const Raster& src, int dx, int dy) {
  for (int y = 0; y < src.FHeight; ++y)
    for (int x = 0; x < src.FWidth; ++x) {
      if (!Contains(dx + x, dy + y)) continue;
      const Premultiplied& s = src.At(x, y);
      Premultiplied& d = At(dx + x, dy + y);
      d.R = s.R + d.R * (1 - s.A);
      d.G = s.G + d.G * (1 - s.A);
      d.B = s.B + d.B * (1 - s.A);
      d.A = s.A + d.A * (1 - s.A);
    }
}

void Raster::Copy(const Raster& src, int sx, int sy, int width, int height, int dx, int dy) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (src.Contains(sx + x, sy + y) && Contains(dx + x, dy + y)) At(dx + x, dy + y) = src.At(sx + x, sy + y);
}

Raster Raster::Crop(int x, int y, int width, int height) const {
  Raster out(width, height);
  out.Copy(*this, x, y, width, height, 0, 0);
  return out;
}

Raster Raster::Enlarged(int factor) const {
  Raster out(FWidth * factor, FHeight * factor);
  for (int y = 0; y < out.FHeight; ++y)
    for (int x = 0; x < out.FWidth; ++x) out.At(x, y) = At(x / factor, y / factor);
  return out;
}

Raster Raster::FlippedVertically() const {
  Raster out(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) out.At(x, FHeight - 1 - y) = At(x, y);
  return out;
}

Raster Raster::FlippedHorizontally() const {
  Raster out(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) out.At(FWidth - 1 - x, y) = At(x, y);
  return out;
}

Raster Raster::Transposed() const {
  Raster out(FHeight, FWidth);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) out.At(y, x) = At(x, y);
  return out;
}

std::vector<uint8_t> Raster::ToRgba8() const {
  auto byte = [](float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
  std::vector<uint8_t> out;
  out.reserve(FPixels.size() * 4);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      const Colour c = Pixel(x, y);
      const uint8_t a = byte(c.A);
      // A fully transparent pixel carries no colour, so equal pictures give equal bytes.
      out.push_back(a ? byte(c.R) : 0);
      out.push_back(a ? byte(c.G) : 0);
      out.push_back(a ? byte(c.B) : 0);
      out.push_back(a);
    }
  return out;
}
