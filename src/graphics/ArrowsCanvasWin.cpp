#include "graphics/ArrowsCanvasWin.h"

void DrawArrowOnCanvas(HDC canvas, TColor color, const TRect& rect, int32_t ppi, TacArrowDirection direction) {
  if (!canvas) return;
  const TPoint origin = ArrowOrigin(rect, ppi, direction);
  const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(color)) & 0x00FFFFFFu;
  ForEachArrowRun(ppi, direction, [&](const TacArrowRun& run) {
    for (int32_t i = 0; i < run.Count; ++i) SetPixelV(canvas, origin.X + run.Column + i, origin.Y + run.Row, rgb);
  });
}
