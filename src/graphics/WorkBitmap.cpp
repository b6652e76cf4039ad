#include "graphics/WorkBitmap.h"

#include <algorithm>
#include <cstring>

TacWorkBitmap::TacWorkBitmap(int32_t width, int32_t height) { SetSize(width, height); }

void TacWorkBitmap::SetSize(int32_t width, int32_t height) {
  FStorage.reset();
  FBits = nullptr;
  if (width <= 0 || height <= 0) {
    FWidth = FHeight = 0;
    return;
  }
  TacPixel* bits = nullptr;
  FStorage.reset(CreateBitmapStorage(width, height, bits));
  FBits = bits;
  FWidth = width;
  FHeight = height;
}

void TacWorkBitmap::Fill(TacPixel value) {
  for (int32_t y = 0; y < FHeight; ++y) std::fill_n(Row(y), FWidth, value);
}

void TacWorkBitmap::Assign(const TacWorkBitmap& source) {
  if (&source == this) return;
  SetSize(source.Width(), source.Height());
  for (int32_t y = 0; y < FHeight; ++y) std::memcpy(Row(y), source.Row(y), static_cast<size_t>(FWidth) * 4);
}

std::unique_ptr<TacWorkBitmap> NewWorkBitmap(int32_t width, int32_t height) {
  return std::make_unique<TacWorkBitmap>(width, height);
}
std::unique_ptr<TacWorkBitmap> NewWorkBitmap(const TRect& rect) { return NewWorkBitmap(rect.Width(), rect.Height()); }
std::unique_ptr<TacWorkBitmap> NewWorkBitmap(const TSize& size) { return NewWorkBitmap(size.cx, size.cy); }
std::unique_ptr<TacWorkBitmap> NewWorkBitmap(const TacWorkBitmap& sizeOf) {
  return NewWorkBitmap(sizeOf.Width(), sizeOf.Height());
}
