#include "framework/Bitmap.h"

#include <algorithm>
#include <vector>

#include "base/FileUtils.h"
#include "graphics/WorkBitmapDib.h"

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) return;
  FCanvas.SetHandle(nullptr);
  FImage.SetSize(width, height);
}

HBITMAP TBitmap::Handle() const { return WorkBitmapHandle(FImage); }

TCanvas& TBitmap::Canvas() {
  if (!FCanvas.Handle()) FCanvas.SetHandle(WorkBitmapDC(FImage));
  return FCanvas;
}

uint8_t* TBitmap::ScanLine(int y) {
  if (FImage.Empty() || y < 0 || y >= Height()) return nullptr;
  GdiFlush();
  return FImage.ScanLine(y);
}

void TBitmap::SaveToFile(const std::string& path) const {
  const size_t pixelBytes = static_cast<size_t>(Width()) * static_cast<size_t>(Height()) * 4;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = Width();
  header.biHeight = -Height();
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixelBytes);
  std::vector<uint8_t> bytes(file.bfSize);
  std::copy_n(reinterpret_cast<const uint8_t*>(&file), sizeof(file), bytes.begin());
  std::copy_n(reinterpret_cast<const uint8_t*>(&header), sizeof(header), bytes.begin() + sizeof(file));
  if (!FImage.Empty()) {
    GdiFlush();
    std::copy_n(FImage.ScanLine(0), pixelBytes, bytes.begin() + file.bfOffBits);
  }
  WriteFileBytes(path, bytes);
}
