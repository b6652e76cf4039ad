#include "ImageFiles.h"

#include <png.h>

#include <csetjmp>

#include "base/Exception.h"

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodePng(const Raster& image) {
  std::vector<uint8_t> out;
  const std::vector<uint8_t> rgba = image.ToRgba8();
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw Exception("Out of memory while writing a PNG image");
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw Exception("libpng failed to write a PNG image");
  }
  png_set_write_fn(png, &out, AppendToVector, FlushNothing);
  png_set_compression_level(png, 9);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.Width()), static_cast<png_uint_32>(image.Height()), 8,
               PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(png, info);
  const size_t stride = static_cast<size_t>(image.Width()) * 4;
  for (int y = 0; y < image.Height(); ++y)
    png_write_row(png, const_cast<png_bytep>(rgba.data() + stride * static_cast<size_t>(y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<uint8_t> EncodeBmp24(const Raster& image) {
  const uint32_t stride = (static_cast<uint32_t>(image.Width()) * 3 + 3) & ~3u;
  const uint32_t pixelBytes = stride * static_cast<uint32_t>(image.Height());
  const uint32_t headerBytes = 14 + 40;
  constexpr uint32_t pixelsPerMetreAt96Dpi = 3780;
  std::vector<uint8_t> out;
  out.reserve(headerBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, headerBytes + pixelBytes, 4);
  PutLe(out, 0, 4);
  PutLe(out, headerBytes, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<uint32_t>(image.Width()), 4);
  PutLe(out, static_cast<uint32_t>(image.Height()), 4);
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  PutLe(out, 0, 4);  // BI_RGB
  PutLe(out, pixelBytes, 4);
  PutLe(out, pixelsPerMetreAt96Dpi, 4);
  PutLe(out, pixelsPerMetreAt96Dpi, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  const std::vector<uint8_t> rgba = image.ToRgba8();
  for (int y = image.Height() - 1; y >= 0; --y) {
    const size_t row = static_cast<size_t>(y) * static_cast<size_t>(image.Width()) * 4;
    for (int x = 0; x < image.Width(); ++x) {
      const size_t p = row + static_cast<size_t>(x) * 4;
      out.push_back(rgba[p + 2]);
      out.push_back(rgba[p + 1]);
      out.push_back(rgba[p]);
    }
    for (uint32_t pad = static_cast<uint32_t>(image.Width()) * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}
