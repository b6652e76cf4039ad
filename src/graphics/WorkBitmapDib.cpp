#include "graphics/WorkBitmapDib.h"

#include "base/Exception.h"

struct TacBitmapStorage {
  HBITMAP Bitmap = nullptr;
  HDC DC = nullptr;
  HGDIOBJ PreviousBitmap = nullptr;
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
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!bitmap || !pixels) throw Exception("Out of system resources: a bitmap could not be created.");
  bits = static_cast<TacPixel*>(pixels);
  return new TacBitmapStorage{bitmap};
}

void TacBitmapStorageDeleter::operator()(TacBitmapStorage* storage) const {
  if (storage->DC) {
    SelectObject(storage->DC, storage->PreviousBitmap);
    DeleteDC(storage->DC);
  }
  DeleteObject(storage->Bitmap);
  delete storage;
}

HBITMAP WorkBitmapHandle(const TacWorkBitmap& bitmap) {
  return bitmap.Storage() ? bitmap.Storage()->Bitmap : nullptr;
}

HDC WorkBitmapDC(const TacWorkBitmap& bitmap) {
  TacBitmapStorage* storage = bitmap.Storage();
  if (!storage) return nullptr;
  if (!storage->DC) {
    storage->DC = CreateCompatibleDC(nullptr);
    if (!storage->DC) return nullptr;
    storage->PreviousBitmap = SelectObject(storage->DC, storage->Bitmap);
  }
  return storage->DC;
}
