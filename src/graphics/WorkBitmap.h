#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "graphics/Color.h"
#include "graphics/Geometry.h"

// Platform backing of a work bitmap: plain memory natively, a DIB section on
// Windows (see WorkBitmapDib.h for its device context).
struct TacBitmapStorage;
struct TacBitmapStorageDeleter {
  void operator()(TacBitmapStorage* storage) const;
};

// A 32-bit work bitmap: top-down rows of B, G, R, A bytes with straight alpha.
// A new bitmap is all zero (transparent black).
class TacWorkBitmap {
 public:
  TacWorkBitmap() = default;
  // A negative width or height gives a 0 x 0 bitmap.
  TacWorkBitmap(int32_t width, int32_t height);
  TacWorkBitmap(const TacWorkBitmap&) = delete;
  TacWorkBitmap& operator=(const TacWorkBitmap&) = delete;

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  TRect BoundsRect() const { return {0, 0, FWidth, FHeight}; }
  // Changes the size; the contents become all zero.
  void SetSize(int32_t width, int32_t height);
  // Gives the bitmap this size, keeping its storage and pixels when it has it
  // already: a cache painted over in full need not be allocated again.
  void EnsureSize(int32_t width, int32_t height) {
    if (width != FWidth || height != FHeight) SetSize(width, height);
  }

  // Bytes from one scan line to the next.
  ptrdiff_t Stride() const { return static_cast<ptrdiff_t>(FWidth) * 4; }
  uint8_t* ScanLine(int32_t y) { return reinterpret_cast<uint8_t*>(Row(y)); }
  const uint8_t* ScanLine(int32_t y) const { return reinterpret_cast<const uint8_t*>(Row(y)); }
  TacPixel* Row(int32_t y) { return FBits + static_cast<ptrdiff_t>(y) * FWidth; }
  const TacPixel* Row(int32_t y) const { return FBits + static_cast<ptrdiff_t>(y) * FWidth; }

  // Unchecked: callers stay inside the bitmap.
  TacPixel Pixel(int32_t x, int32_t y) const { return Row(y)[x]; }
  void SetPixel(int32_t x, int32_t y, TacPixel value) { Row(y)[x] = value; }
  void Fill(TacPixel value);
  void Assign(const TacWorkBitmap& source);

  TacBitmapStorage* Storage() const { return FStorage.get(); }

 private:
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  TacPixel* FBits = nullptr;
  std::unique_ptr<TacBitmapStorage, TacBitmapStorageDeleter> FStorage;
};

// Allocates zeroed pixels for a non-empty bitmap and reports where they are;
// implemented once per platform.
TacBitmapStorage* CreateBitmapStorage(int32_t width, int32_t height, TacPixel*& bits);

// The caller owns the result.
std::unique_ptr<TacWorkBitmap> NewWorkBitmap(int32_t width, int32_t height);
std::unique_ptr<TacWorkBitmap> NewWorkBitmap(const TRect& rect);
std::unique_ptr<TacWorkBitmap> NewWorkBitmap(const TSize& size);
std::unique_ptr<TacWorkBitmap> NewWorkBitmap(const TacWorkBitmap& sizeOf);
