#pragma once
#include <cstdint>

#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/ParentBG.h"

class TacWorkBitmap;

// TsDisabledKind is a set of these flags.
enum TsDisabledKindValue : uint8_t { dkBlended = 1, dkGrayed = 2 };
using TsDisabledKind = uint8_t;

// Process-wide look of disabled controls.
struct TacDisabledLookSettings {
  int32_t BlendValue = 100;  // 0..255, the weight the control's own image keeps
  int32_t GrayLevel = -90;   // saturation change in percent; -100 is full greyscale
};
TacDisabledLookSettings& DisabledLookSettings();

// Greys and/or fades a finished control image. ParentControlColor is the parent
// control's own colour, used when ParentBG has neither a bitmap nor a colour.
// Position is added to ParentBG.Offset to find the pixels under the control.
void ApplyDisabledLook(TacWorkBitmap& bitmap, TsDisabledKind kind, TColor parentControlColor, TPoint position,
                       const TacParentBG& parentBG);
