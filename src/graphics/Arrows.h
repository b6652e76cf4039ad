#pragma once
#include <cstdint>

#include "graphics/Color.h"
#include "graphics/Geometry.h"

class TacWorkBitmap;

enum TacArrowDirection : int32_t { adLeft = 0, adUp = 1, adRight = 2, adDown = 3 };

// Base length W = 5 x PPI div 96 and depth D = ceil(W / 2): up and down arrows
// are W wide and D high, left and right arrows D wide and W high.
struct TacArrowSize {
  int32_t Base, Depth;
};
TacArrowSize ArrowSize(int32_t ppi);

// The arrow's pixels relative to its top-left corner: Count pixels of row Row
// starting at column Column.
struct TacArrowRun {
  int32_t Row, Column, Count;
};
// Calls run(TacArrowRun) for each non-empty row of the arrow's shape.
template <typename RunProc>
void ForEachArrowRun(int32_t ppi, TacArrowDirection direction, RunProc run);

// Top-left corner of the arrow centred in Rect.
TPoint ArrowOrigin(const TRect& rect, int32_t ppi, TacArrowDirection direction);

// An arrow centred in Rect, written as whole pixels PixelOfColor(Color) (the
// colour's top byte becomes alpha). Nothing is drawn when the arrow would
// start outside the bitmap or reach its last column or row.
void DrawArrow(TacWorkBitmap& bitmap, TColor color, const TRect& rect, int32_t ppi, TacArrowDirection direction);

template <typename RunProc>
void ForEachArrowRun(int32_t ppi, TacArrowDirection direction, RunProc run) {
  const auto [w, d] = ArrowSize(ppi);
  auto emit = [&](int32_t row, int32_t column, int32_t count) {
    if (count > 0) run(TacArrowRun{row, column, count});
  };
  switch (direction) {
    case adDown:
      for (int32_t i = 0; i < d; ++i) emit(i, i, w - 2 * i);
      break;
    case adUp:
      for (int32_t i = 0; i < d; ++i) emit(d - 1 - i, i, w - 2 * i);
      break;
    case adLeft:
      for (int32_t i = 0; i <= w; ++i) {
        const int32_t count = i < d ? i : 2 * d - i;
        emit(i, d - count, count);
      }
      break;
    case adRight:
      for (int32_t i = 0; i <= w; ++i) emit(i, 0, i < d ? i + 1 : w - i);
      break;
  }
}
