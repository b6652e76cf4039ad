#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A colour with straight alpha, every channel 0..1.
struct Colour {
  float R = 0, G = 0, B = 0, A = 0;
};

// 0xRRGGBB as written in design files, with an optional opacity.
Colour RgbColour(uint32_t rgb, float alpha = 1.0f);
Colour Mix(Colour from, Colour to, float t);
Colour WithAlpha(Colour c, float alpha);

// A picture being drawn. Pixels are kept premultiplied so that partial
// coverage and stacked layers compose without dark or bright fringes.
class Raster {
 public:
  Raster() = default;
  Raster(int width, int height);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }

  // Straight-alpha colour of a pixel.
  Colour Pixel(int x, int y) const;
  // Replaces a pixel, ignoring what was there.
  void SetPixel(int x, int y, Colour c);
  // Paints c over the pixel with the given coverage (0..1); outside pixels are skipped.
  void Blend(int x, int y, Colour c, float coverage);

  // src over this picture at (dx, dy).
  void Draw(const Raster& src, int dx, int dy);
  // Copies a rectangle of src to (dx, dy), replacing what was there.
  void Copy(const Raster& src, int sx, int sy, int width, int height, int dx, int dy);
  Raster Crop(int x, int y, int width, int height) const;
  // Nearest-neighbour enlargement, so every source pixel stays visible as a block.
  Raster Enlarged(int factor) const;
  Raster FlippedVertically() const;
  Raster FlippedHorizontally() const;
  Raster Transposed() const;

  // Rows of straight R, G, B, A bytes, rounded to nearest.
  std::vector<uint8_t> ToRgba8() const;

 private:
  struct Premultiplied {
    float R = 0, G = 0, B = 0, A = 0;
  };
  Premultiplied& At(int x, int y) { return FPixels[static_cast<size_t>(y) * FWidth + x]; }
  const Premultiplied& At(int x, int y) const { return FPixels[static_cast<size_t>(y) * FWidth + x]; }

  int FWidth = 0;
  int FHeight = 0;
  std::vector<Premultiplied> FPixels;
};
