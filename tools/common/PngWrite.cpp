#include "PngWrite.h"

#include <cstdio>
#include <memory>
#include <vector>

#include <png.h>

#include "base/Exception.h"
#include "base/FileUtils.h"
#include "graphics/WorkBitmap.h"

namespace {
void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}
void NoFlush(png_structp) {}
}  // namespace

void SaveBitmapAsPng(const TacWorkBitmap& bitmap, const std::string& path) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw Exception("Out of memory writing " + path);
  }
  std::vector<uint8_t> bytes;
  std::vector<png_bytep> rows;
  for (int32_t y = 0; y < bitmap.Height(); ++y) rows.push_back(const_cast<png_bytep>(bitmap.ScanLine(y)));
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw Exception("Cannot encode " + path);
  }
  png_set_write_fn(png, &bytes, AppendBytes, NoFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()), static_cast<png_uint_32>(bitmap.Height()), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_set_bgr(png);  // work bitmaps hold B, G, R, A
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  WriteFileBytes(path, bytes);
}
