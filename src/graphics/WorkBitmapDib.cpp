#include "graphics/WorkBitmapDib.h"

#include <optional>
#include <string>

#include "base/Exception.h"
#include "base/WinHandles.h"

// The one owner of a DIB section in the program: the work bitmap's storage,
// which the framework's TBitmap uses too. Members go in reverse order: the
// section is put out of the context before the context and then the section
// are deleted.
struct TacBitmapStorage {
  TacScopedBitmap Bitmap;
  TacMemoryDC DC;
  std::optional<TacSelectedObject> Selection;
};

TacBitmapStorage* CreateBitmapStorage(int32_t width, int32_t height, TacPixel*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like the native layout
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  TacScopedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!bitmap || !pixels)
    throw Exception("Out of system resources: cannot create a " + std::to_string(width) + " x " +
                    std::to_string(height) + " bitmap.");
  bits = static_cast<TacPixel*>(pixels);
  auto* storage = new TacBitmapStorage;
  storage->Bitmap = std::move(bitmap);
  return storage;
}

void TacBitmapStorageDeleter::operator()(TacBitmapStorage* storage) const { delete storage; }

HBITMAP WorkBitmapHandle(const TacWorkBitmap& bitmap) {
  return bitmap.Storage() ? bitmap.Storage()->Bitmap.Get() : nullptr;
}

HDC WorkBitmapDC(const TacWorkBitmap& bitmap) {
  TacBitmapStorage* storage = bitmap.Storage();
  if (!storage) return nullptr;
  if (!storage->DC) {
    storage->DC.Reset(CreateCompatibleDC(nullptr));
    if (!storage->DC) return nullptr;
    storage->Selection.emplace(storage->DC.Get(), storage->Bitmap.Get());
  }
  return storage->DC.Get();
}
