#pragma once
#include <cstdint>
#include <vector>

#include "Raster.h"

// PNG with straight alpha, written the same way every time: fixed compression
// settings and no time or text chunks, so regenerating gives identical bytes.
std::vector<uint8_t> EncodePng(const Raster& image);
// Opaque 24-bit bottom-up BMP with a plain BITMAPINFOHEADER.
std::vector<uint8_t> EncodeBmp24(const Raster& image);
