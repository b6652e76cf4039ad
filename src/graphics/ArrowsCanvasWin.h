#pragma once
#include <windows.h>

#include "graphics/Arrows.h"

// The arrow of DrawArrow set pixel by pixel on a device context, for
// destinations that are not work bitmaps; clipped by the device context.
void DrawArrowOnCanvas(HDC canvas, TColor color, const TRect& rect, int32_t ppi, TacArrowDirection direction);
