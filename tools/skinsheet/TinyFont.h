#pragma once
#include <cstdint>
#include <string_view>

#include "graphics/Color.h"

class TacWorkBitmap;

// Labels without any system font: a 5 x 7 ASCII font, letters upper-case,
// each dot Scale pixels square. Characters it lacks are drawn as spaces.
inline constexpr int32_t kTinyCharWidth = 6;  // with the gap
inline constexpr int32_t kTinyCharHeight = 8;

void DrawTinyText(TacWorkBitmap& bitmap, int32_t x, int32_t y, std::string_view text, TacPixel color,
                  int32_t scale);
