#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Canvas.h"
#include "graphics/WorkBitmap.h"

// A 32-bit top-down DIB section (bytes B, G, R, A) with a canvas on it: the
// framework's face of a work bitmap, whose storage owns the section.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FImage.Width(); }
  int Height() const { return FImage.Height(); }
  // The contents start out zeroed; negative sizes count as 0.
  void SetSize(int width, int height);
  HBITMAP Handle() const;
  TCanvas& Canvas();
  // Row y, Width() * 4 bytes; nullptr outside the bitmap.
  uint8_t* ScanLine(int y);
  // The pixels, for reading.
  const TacWorkBitmap& Image() const { return FImage; }
  // Writes a 32-bit BMP file; throws Exception when the file cannot be written.
  void SaveToFile(const std::string& path) const;

 private:
  TacWorkBitmap FImage;
  TCanvas FCanvas;
};
