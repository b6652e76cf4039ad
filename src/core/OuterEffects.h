#pragma once
#include <cstdint>

#include "graphics/Geometry.h"

class TacSkinData;
class TControl;

// Where a section's outer effect comes from: its own mask and offsets, or
// (without a mask of its own and a mode below 3) the skin's outer-effect
// template numbered by its mode. Mask -1: the section has none.
struct TacOuterSource {
  int32_t Mask = -1;
  TRect Offsets;  // how far the effect reaches beyond the control, per side
  int32_t Opacity = 0;
};
TacOuterSource OuterSourceOf(const TacSkinData& Skin, int32_t SkinIndex);

// Lets the visible children of a control paint their outer effects into its
// freshly painted cache; Offset is their parent's client origin in the cache.
void PaintOuterEffects(TControl* Owner, TPoint Offset);
