#include "skin/ImageDecoders.h"

#include <cstdio>
#include <cstring>
#include <csetjmp>

#include <png.h>
#ifdef _WIN32
#include <windows.h>
#endif
#include <jpeglib.h>

#include "base/Exception.h"
#include "base/StrUtils.h"

namespace {

[[noreturn]] void Fail(const std::string& FileName, const std::string& what) {
  throw Exception("The image \"" + FileName + "\" cannot be read: " + what + ".");
}

void CheckSize(int64_t width, int64_t height, const std::string& FileName) {
  if (width <= 0 || height <= 0) Fail(FileName, "it has no pixels");
  if (width > acMaxImageSide || height > acMaxImageSide || width * height > acMaxImagePixels)
    Fail(FileName, "its size of " + std::to_string(width) + " x " + std::to_string(height) + " pixels is too large");
}

uint32_t U16(std::span<const uint8_t> d, size_t at) { return d[at] | uint32_t{d[at + 1]} << 8; }
uint32_t U32(std::span<const uint8_t> d, size_t at) { return U16(d, at) | U16(d, at + 2) << 16; }

// libjpeg reports fatal errors through a callback that must not return.
struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  info->err->format_message(info, error->message);
  std::longjmp(error->jump, 1);
}

void JpegSilence(j_common_ptr, int) {}

// Runs the whole decode in a frame without C++ objects, so the long jump of
// an error skips no destructor. Returns false with the message filled in.
bool DecodeJpegInto(std::span<const uint8_t> data, TacWorkBitmap& bitmap, JpegError& error, JDIMENSION& width,
                    JDIMENSION& height, bool sizeOnly) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JpegErrorExit;
  error.manager.emit_message = JpegSilence;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = 256L * 1024 * 1024;
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  width = info.image_width;
  height = info.image_height;
  if (sizeOnly) {
    jpeg_destroy_decompress(&info);
    return true;
  }
  info.out_color_space = JCS_EXT_BGRA;
  info.dct_method = JDCT_IFAST;
  info.do_fancy_upsampling = FALSE;
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = bitmap.ScanLine(static_cast<int32_t>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

TacDecodedImage DecodePng(std::span<const uint8_t> data, const std::string& FileName) {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
    Fail(FileName, std::string("it is not a valid PNG file (") + image.message + ")");
  struct Release {
    png_image& image;
    ~Release() { png_image_free(&image); }
  } release{image};
  CheckSize(image.width, image.height, FileName);
  // Deflate expands at most about 1032:1 and a PNG row needs at least one bit
  // per pixel plus its filter byte: a header that promises more is a lie.
  const int64_t leastRawBytes = int64_t{image.height} * (1 + (int64_t{image.width} + 7) / 8);
  if (leastRawBytes > int64_t{1032} * static_cast<int64_t>(data.size()) + 4096)
    Fail(FileName, "its header promises more pixels than the file holds");
  image.format = PNG_FORMAT_BGRA;
  TacDecodedImage result{std::make_unique<TacWorkBitmap>(static_cast<int32_t>(image.width),
                                                         static_cast<int32_t>(image.height)),
                         true};
  if (!png_image_finish_read(&image, nullptr, result.Bitmap->ScanLine(0), static_cast<png_int_32>(result.Bitmap->Stride()),
                             nullptr))
    Fail(FileName, std::string("its data is damaged (") + image.message + ")");
  return result;
}

TacDecodedImage DecodeJpeg(std::span<const uint8_t> data, const std::string& FileName) {
  JpegError error{};
  JDIMENSION width = 0, height = 0;
  TacWorkBitmap none;
  if (!DecodeJpegInto(data, none, error, width, height, true)) Fail(FileName, error.message);
  CheckSize(width, height, FileName);
  TacDecodedImage result{std::make_unique<TacWorkBitmap>(static_cast<int32_t>(width), static_cast<int32_t>(height)),
                         false};
  if (!DecodeJpegInto(data, *result.Bitmap, error, width, height, false)) Fail(FileName, error.message);
  // The decoder writes opaque pixels; callers treat a JPEG like any image without alpha.
  for (int32_t y = 0; y < result.Bitmap->Height(); ++y) {
    TacPixel* row = result.Bitmap->Row(y);
    for (int32_t x = 0; x < result.Bitmap->Width(); ++x) row[x] &= 0x00FFFFFFu;
  }
  return result;
}

TacDecodedImage DecodeBmp(std::span<const uint8_t> data, const std::string& FileName) {
  constexpr size_t kFileHeader = 14;
  if (data.size() < kFileHeader + 40 || data[0] != 'B' || data[1] != 'M') Fail(FileName, "it is not a BMP file");
  const uint32_t offset = U32(data, 10);
  const uint32_t headerSize = U32(data, 14);
  if (headerSize < 40 || kFileHeader + headerSize > data.size()) Fail(FileName, "its header is not supported");
  const auto width = static_cast<int32_t>(U32(data, 18));
  const auto rawHeight = static_cast<int32_t>(U32(data, 22));
  const uint32_t bits = U16(data, 28);
  const uint32_t compression = U32(data, 30);
  if (U16(data, 26) != 1 || (bits != 24 && bits != 32)) Fail(FileName, "only 24- and 32-bit images are supported");
  if (compression == 3) {
    // Bit fields are accepted in the one layout that matches plain 32-bit pixels.
    const size_t masks = kFileHeader + (headerSize >= 52 ? 40 : headerSize);
    if (bits != 32 || masks + 12 > data.size() || U32(data, masks) != 0xFF0000u || U32(data, masks + 4) != 0xFF00u ||
        U32(data, masks + 8) != 0xFFu)
      Fail(FileName, "its colour masks are not supported");
  } else if (compression != 0) {
    Fail(FileName, "compressed bitmaps are not supported");
  }
  if (rawHeight == INT32_MIN) Fail(FileName, "its height is not valid");
  const bool topDown = rawHeight < 0;
  const int32_t height = topDown ? -rawHeight : rawHeight;
  CheckSize(width, height, FileName);
  const int64_t stride = (int64_t{width} * bits + 31) / 32 * 4;
  if (offset > data.size() || stride * height > static_cast<int64_t>(data.size() - offset))
    Fail(FileName, "its pixel data runs past the end of the file");

  TacDecodedImage result{std::make_unique<TacWorkBitmap>(width, height), bits == 32};
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* src = data.data() + offset + stride * (topDown ? y : height - 1 - y);
    uint8_t* dst = result.Bitmap->ScanLine(y);
    if (bits == 32) {
      std::memcpy(dst, src, static_cast<size_t>(width) * 4);
    } else {
      for (int32_t x = 0; x < width; ++x, src += 3, dst += 4) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        dst[3] = 0;
      }
    }
  }
  return result;
}

TacDecodedImage DecodeSkinImage(std::span<const uint8_t> data, const std::string& FileName) {
  const std::string name = UpperCase(FileName);
  if (EndsText(".PNG", name)) return DecodePng(data, FileName);
  if (EndsText(".JPG", name) || EndsText(".JPEG", name)) return DecodeJpeg(data, FileName);
  if (EndsText(".BMP", name)) return DecodeBmp(data, FileName);
  return {std::make_unique<TacWorkBitmap>(), false};
}
