#pragma once
#include <cstdint>

#include "graphics/Geometry.h"
#include "graphics/ParentBG.h"

class TacWorkBitmap;
class TsCommonData;

// A control's whole section for State, honouring its custom colour, custom
// border and recolouring. Nothing without skin data, bitmap or a valid skin
// index, or when Rect does not lie within the bitmap.
void PaintControlSection(TsCommonData* CommonData, const TacParentBG& ParentBG, bool UseParent, TacWorkBitmap* Bitmap,
                         TPoint Offset, const TRect& Rect, int32_t State);

// Paints the transparent corners of a control's finished image again over
// the parent's current background, so a parent that changed since shows.
// Corners holds bits of acCornerTL, acCornerBL, acCornerTR and acCornerBR.
void RefreshCorners(TsCommonData* CommonData, int32_t State, uint8_t Corners);
