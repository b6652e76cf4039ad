#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/WorkBitmap.h"

// One character of a font used as a glyph.
struct TacCharListItem {
  std::wstring FontName;
  wchar_t Char = 0;
  double ScalingFactor = 1.0;  // of the font size, which is the glyph height
  int32_t OffsetY = 0;         // at 96 pixels per inch
  BYTE Charset = DEFAULT_CHARSET;  // symbol fonts are only matched by name with SYMBOL_CHARSET
};

// Glyphs drawn from font characters: each item is rendered anti-aliased as a
// coverage mask, its ink centred in the glyph cell, and drawn in any colour.
class TsCharImageList {
 public:
  TColor BkColor = clWhite;
  int32_t BlendValue = 222;  // how much of a glyph drawn in a special state fades away
  int32_t Width = 16;        // glyph cell at 96 pixels per inch
  int32_t Height = 14;
  int32_t PPI = 96;          // set by callers before drawing
  int32_t State = 0;         // 0 normal; callers reset it after drawing in a special state
  std::vector<TacCharListItem> Items;

  // Renders every item at the list's size for the current PPI.
  void Fill();
  // The cell size at the current PPI.
  TSize CellSize() const;
  // A 32-bit image of the item: Color with the glyph's coverage as alpha; an
  // empty bitmap for an unknown index or size.
  std::unique_ptr<TacWorkBitmap> CreateBitmap32(int32_t index, TColor color, int32_t width, int32_t height) const;
  // Draws the item centred in Rect of Dest, in Color, at the list's size.
  void Draw(TacWorkBitmap& dest, const TRect& rect, int32_t index, TColor color) const;

 private:
  struct Mask {
    int32_t Width = 0, Height = 0;
    std::vector<uint8_t> Coverage;
  };
  Mask Render(const TacCharListItem& item, int32_t width, int32_t height) const;
  const Mask* CachedMask(int32_t index) const;

  std::vector<Mask> FMasks;  // per item, at the list's size
  int32_t FMaskPPI = 0;
};
