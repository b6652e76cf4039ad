// Renders the drawing core's results into PNG files for a visual check:
// gallery OUTPUT-DIRECTORY [FONT-FILE...]
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "GlyphSheet.h"
#include "PngWrite.h"
#include "Sheet.h"
#include "graphics/Arrows.h"
#include "graphics/DisabledLook.h"
#include "graphics/Gradient.h"
#include "graphics/PixelFill.h"
#include "graphics/Resample.h"

namespace {
TsGradArray Gradient(std::string_view text) {
  TsGradArray points;
  ParseGradient(text, points);
  return points;
}

std::unique_ptr<TacWorkBitmap> GradientSheet() {
  constexpr int32_t tile = 120, gap = 10;
  auto sheet = NewWorkBitmap(4 * (tile + gap) + gap, 2 * (tile + gap) + gap);
  FillPixels(*sheet, sheet->BoundsRect(), 0x00303030, 255);
  const char* gradients[] = {
      "16777215;0;40;0;0;14474460;0;60;0;0;9868950;0;0;0;0",                  // vertical, three points
      "255;0;33;1;0;65535;0;33;0;0;65280;0;34;0;0;16711680;0;0;0;0",          // horizontal rainbow
      "255;0;2;16777215;0;2;65280;0;2;16711680;0;2;0;100;2;E",                 // four corners and a centre
      "16777215;0;1;8421504;100;1;B",                                          // counted, horizontal
      "255;0;16;4278190335;100;16;B",                                          // alpha overlay, vertical
      "16711680;0;17;2164195328;50;16;16711680;100;16;C",                      // alpha overlay, horizontal
      "855638271;0;34;3422617600;0;16;2164260608;0;16;3405774848;0;16;0;100;16;E",  // four corners with alpha
  };
  int32_t i = 0;
  for (const char* text : gradients) {
    const int32_t x = gap + (i % 4) * (tile + gap), y = gap + (i / 4) * (tile + gap);
    PaintCheckerboard(*sheet, Bounds(x, y, tile, tile), 10);
    PaintGradient(*sheet, Bounds(x, y, tile, tile), Gradient(text), 0);
    ++i;
  }
  // A tiled texture mixed with a vertical gradient.
  auto texture = NewWorkBitmap(8, 8);
  PaintCheckerboard(*texture, texture->BoundsRect(), 4);
  const int32_t x = gap + 3 * (tile + gap), y = gap + tile + gap;
  PaintTextureGradient(*sheet, Bounds(x, y, tile, tile), Gradient("255;0;100;0;0;16711680;0;0;0;0"), 255, 90,
                       texture->BoundsRect(), *texture);
  return sheet;
}

std::unique_ptr<TacWorkBitmap> ArrowSheet() {
  constexpr int32_t cell = 16;
  const int32_t ppis[] = {96, 120, 144, 192};
  auto sheet = NewWorkBitmap(4 * cell, 4 * cell);
  FillPixels(*sheet, sheet->BoundsRect(), clWhite, 255);
  for (int32_t row = 0; row < 4; ++row)
    for (int32_t dir = 0; dir < 4; ++dir) {
      const TRect r = Bounds(dir * cell, row * cell, cell, cell);
      FillFrame(*sheet, r, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, 255, 0x00E0E0E0);
      DrawArrow(*sheet, static_cast<TColor>(0xFF202020), r, ppis[row], static_cast<TacArrowDirection>(dir));
    }
  return Magnify(*sheet, 8);
}

// Rings, spokes and a soft alpha edge: plenty for a filter to get wrong.
std::unique_ptr<TacWorkBitmap> ResampleSource() {
  auto src = NewWorkBitmap(48, 48);
  for (int32_t y = 0; y < 48; ++y)
    for (int32_t x = 0; x < 48; ++x) {
      const double dx = x - 23.5, dy = y - 23.5, r = std::sqrt(dx * dx + dy * dy);
      const bool ring = static_cast<int>(r / 3) % 2 == 0;
      const bool spoke = static_cast<int>((std::atan2(dy, dx) + 4) * 4) % 2 == 0;
      const uint32_t alpha = r < 20 ? 255u : r < 24 ? static_cast<uint32_t>((24 - r) * 63) : 0u;
      src->SetPixel(x, y, MakePixel(ring ? 230 : 30, spoke ? 160 : 40, x * 5, alpha));
    }
  return src;
}

std::unique_ptr<TacWorkBitmap> ResampleSheet() {
  constexpr int32_t big = 144, small = 20, gap = 8;
  auto sheet = NewWorkBitmap(8 * (big + gap) + gap, big + 4 * small + 3 * gap);
  PaintCheckerboard(*sheet, sheet->BoundsRect(), 8);
  const auto src = ResampleSource();
  Place(*sheet, *src, gap, gap);
  for (int32_t filter = 0; filter <= 6; ++filter) {
    const int32_t x = gap + (filter + 1) * (big + gap);
    TacWorkBitmap up, down;
    ResampleBitmap(*src, up, big, big, static_cast<TacResampleFilter>(filter));
    ResampleBitmap(*src, down, small, small, static_cast<TacResampleFilter>(filter));
    Place(*sheet, up, x, gap);
    Place(*sheet, *Magnify(down, 4), x, big + 2 * gap);
  }
  return sheet;
}

std::unique_ptr<TacWorkBitmap> DisabledSheet() {
  auto sheet = NewWorkBitmap(3 * 130 + 10, 70);
  FillPixels(*sheet, sheet->BoundsRect(), 0x00F0E8E0, 255);
  for (int32_t i = 0; i < 3; ++i) {
    auto control = NewWorkBitmap(120, 50);
    PaintGradient(*control, control->BoundsRect(), Gradient("16752448;0;100;0;0;10040064;0;0;0;0"), 0);
    DrawArrow(*control, static_cast<TColor>(0xFFFFFFFF), control->BoundsRect(), 192, adDown);
    const TsDisabledKind kinds[] = {0, dkGrayed, dkGrayed | dkBlended};
    ApplyDisabledLook(*control, kinds[i], 0x00E0E8F0, {}, TacParentBG{});
    Place(*sheet, *control, 10 + i * 130, 10);
  }
  return sheet;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gallery OUTPUT-DIRECTORY [FONT-FILE...]\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  try {
    SaveBitmapAsPng(*GradientSheet(), dir + "gradients.png");
    SaveBitmapAsPng(*ArrowSheet(), dir + "arrows.png");
    SaveBitmapAsPng(*ResampleSheet(), dir + "resample.png");
    SaveBitmapAsPng(*DisabledSheet(), dir + "disabled.png");
#ifdef _WIN32
    SaveBitmapAsPng(*GlyphSheet({argv + 2, argv + argc}), dir + "glyphs.png");
#endif
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gallery: %s\n", e.what());
    return 1;
  }
  return 0;
}
