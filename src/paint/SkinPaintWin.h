#pragma once
#include <windows.h>

#include "paint/SkinPaint.h"

// PaintSection into a temporary work bitmap of Rect's size, then copied to DC
// at Rect's top-left. Nothing for a nil DC or SkinData, a negative left or
// top, or an empty Rect.
void PaintSectionToDC(int32_t SkinIndex, const TacParentBG& ParentBG, const TacSkinData* SkinData, HDC DC,
                      TPoint Offset, const TRect& Rect, int32_t State);
