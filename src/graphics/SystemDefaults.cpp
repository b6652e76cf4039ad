#include "graphics/SystemDefaults.h"

#include <array>
#include <cstddef>

namespace {
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

// The standard Windows 10 scheme, by system colour index.
constexpr std::array<uint32_t, 31> kDefaultScheme = {
    Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219), Rgb(240, 240, 240),
    Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(180, 180, 180), Rgb(244, 247, 252), Rgb(171, 171, 171), Rgb(0, 120, 215),   Rgb(255, 255, 255),
    Rgb(240, 240, 240), Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(0, 0, 0),       Rgb(0, 102, 204),   Rgb(185, 209, 234), Rgb(215, 228, 242), Rgb(51, 153, 255),
    Rgb(240, 240, 240)};
}  // namespace

uint32_t DefaultSysColor(int index) {
  return index >= 0 && static_cast<size_t>(index) < kDefaultScheme.size() ? kDefaultScheme[static_cast<size_t>(index)]
                                                                           : 0;
}

// Every Windows version the program targets from 8 on composes the desktop.
bool DefaultCompositionEnabled() { return true; }
