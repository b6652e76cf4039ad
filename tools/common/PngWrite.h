#pragma once
#include <string>

class TacWorkBitmap;

// Writes the bitmap as an 8-bit RGBA PNG with its straight alpha; throws
// Exception when the file cannot be written.
void SaveBitmapAsPng(const TacWorkBitmap& bitmap, const std::string& path);
