#include <windows.h>

#include "GlyphSheet.h"
#include "Sheet.h"
#include "base/StrUtils.h"
#include "graphics/PixelFill.h"
#include "graphics/StandardGlyphsWin.h"

std::unique_ptr<TacWorkBitmap> GlyphSheet(const std::vector<std::string>& fontFiles) {
  for (const std::string& file : fontFiles) AddFontResourceExW(Utf8ToWide(file).c_str(), FR_PRIVATE, nullptr);
  TsCharImageList& glyphs = StandardGlyphs();
  const int32_t count = static_cast<int32_t>(glyphs.Items.size());
  auto sheet = NewWorkBitmap(count * 34 + 2, 52);
  FillPixels(*sheet, sheet->BoundsRect(), clWhite, 255);
  for (int32_t i = 0; i < count; ++i) {
    glyphs.Draw(*sheet, Bounds(2 + i * 34, 2, 16, 14), i, 0x00202020);
    glyphs.PPI = 192;
    glyphs.Draw(*sheet, Bounds(2 + i * 34, 20, 32, 28), i, 0x00B05010);
    glyphs.PPI = 96;
  }
  return Magnify(*sheet, 3);
}
