#include "framework/Bitmap.h"

#include <algorithm>
#include <span>

#include "base/Exception.h"
#include "base/FileUtils.h"

TBitmap::~TBitmap() { Release(); }

void TBitmap::Release() {
  FCanvas.SetHandle(nullptr);
  if (FDC) {
    SelectObject(FDC, FOldBitmap);
    DeleteDC(FDC);
    FDC = nullptr;
  }
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
  FBits = nullptr;
  FWidth = FHeight = 0;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight && (FHandle || width == 0 || height == 0)) return;
  Release();
  if (width == 0 || height == 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  FHandle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!FHandle) throw Exception("Out of system resources: cannot create a " + std::to_string(width) + " x " +
                                std::to_string(height) + " bitmap");
  FBits = static_cast<uint8_t*>(bits);
  FWidth = width;
  FHeight = height;
}

TCanvas& TBitmap::Canvas() {
  if (!FDC && FHandle) {
    FDC = CreateCompatibleDC(nullptr);
    FOldBitmap = SelectObject(FDC, FHandle);
    FCanvas.SetHandle(FDC);
  }
  return FCanvas;
}

uint8_t* TBitmap::ScanLine(int y) {
  if (!FBits || y < 0 || y >= FHeight) return nullptr;
  GdiFlush();
  return FBits + static_cast<size_t>(y) * static_cast<size_t>(FWidth) * 4;
}

void TBitmap::SaveToFile(const std::string& path) const {
  const size_t pixelBytes = static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight) * 4;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = FWidth;
  header.biHeight = -FHeight;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixelBytes);
  std::vector<uint8_t> bytes(file.bfSize);
  std::copy_n(reinterpret_cast<const uint8_t*>(&file), sizeof(file), bytes.begin());
  std::copy_n(reinterpret_cast<const uint8_t*>(&header), sizeof(header), bytes.begin() + sizeof(file));
  if (FBits) {
    GdiFlush();
    std::copy_n(FBits, pixelBytes, bytes.begin() + file.bfOffBits);
  }
  WriteFileBytes(path, bytes);
}
