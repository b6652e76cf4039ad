#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Canvas.h"

// A 32-bit top-down DIB section (bytes B, G, R, A) with a canvas on it.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The contents start out zeroed; negative sizes count as 0.
  void SetSize(int width, int height);
  HBITMAP Handle() const { return FHandle; }
  TCanvas& Canvas();
  // Row y, Width() * 4 bytes; nullptr outside the bitmap.
  uint8_t* ScanLine(int y);
  // Writes a 32-bit BMP file; throws Exception when the file cannot be written.
  void SaveToFile(const std::string& path) const;

 private:
  void Release();

  int FWidth = 0;
  int FHeight = 0;
  HBITMAP FHandle = nullptr;
  uint8_t* FBits = nullptr;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
  TCanvas FCanvas;
};
