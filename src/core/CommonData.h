#pragma once
#include <cstdint>
#include <memory>

#include "framework/Classes.h"
#include "framework/Control.h"
#include "framework/Messages.h"
#include "graphics/Color.h"
#include "graphics/WorkBitmap.h"
#include "messages/SkinCommand.h"
#include "paint/SkinPaint.h"

class TacSkinData;
class TsCommonData;

enum TacOuterVisibility { ovNone, ovAlways, ovFocused, ovMouseHovered };

// When a control's outer effect (a shadow or outline around it) is shown.
class TacOuterEffects : public TPersistent {
 public:
  explicit TacOuterEffects(TsCommonData* Owner) : FOwner(Owner) {}
  TsCommonData* FOwner;
  TacOuterVisibility FVisibility = ovNone;
};

// The per-control skin binding, reachable from a window through its "ACSDATA"
// property.
class TsCommonData : public TacSkinCommandTarget {
 public:
  TsCommonData() : FOuterEffects(this) {}

  // The skin data of the control's resolution; not owned, null when unskinned.
  TacSkinData* FCommonSkinData = nullptr;
  TacPaintBorderData FCustomBorder;
  bool FCustomColor = false;
  TacOuterEffects FOuterEffects;
  TColor FColorTone = clNone;  // clNone: no tone
  bool FFocused = false;
  bool FMouseAbove = false;
  int32_t GlowID = -1;
  int32_t CircleID = -1;
  int32_t FHUEOffset = 0;
  int32_t FSaturation = 0;
  // The control's finished image at its full size.
  std::unique_ptr<TacWorkBitmap> FCacheBmp;
  int32_t SkinIndex = -1;
};
