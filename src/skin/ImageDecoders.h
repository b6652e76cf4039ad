#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "graphics/WorkBitmap.h"

// Largest element image the engine accepts, per side and in pixels; a skin
// image beyond that is damaged or hostile, and must not drive an allocation.
inline constexpr int32_t acMaxImageSide = 16384;
inline constexpr int64_t acMaxImagePixels = int64_t{1} << 25;

// A decoded skin image: top-down, 32-bit, straight alpha.
struct TacDecodedImage {
  std::unique_ptr<TacWorkBitmap> Bitmap;
  // False for sources without alpha (24-bit BMP, JPEG): their alpha bytes are
  // 0 and the caller decides which pixels become opaque.
  bool HasAlpha = false;
};

// Each throws Exception naming the file and the fault for data it cannot decode.
TacDecodedImage DecodePng(std::span<const uint8_t> data, const std::string& FileName);
TacDecodedImage DecodeJpeg(std::span<const uint8_t> data, const std::string& FileName);
// 24- and 32-bit, bottom-up and top-down, uncompressed or with standard bit fields.
TacDecodedImage DecodeBmp(std::span<const uint8_t> data, const std::string& FileName);

// By the upper-cased extension: ".PNG", ".JPG"/".JPEG", ".BMP"; any other
// extension gives an empty image.
TacDecodedImage DecodeSkinImage(std::span<const uint8_t> data, const std::string& FileName);
