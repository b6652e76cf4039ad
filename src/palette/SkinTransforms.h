#pragma once
#include <cstdint>

#include "base/IniFile.h"
#include "graphics/WorkBitmap.h"
#include "palette/Palette.h"
#include "skin/SkinData.h"

// The recolouring the skin manager asks for.
struct TacColorChange {
  int32_t HueOffset = 0;   // degrees
  int32_t Saturation = 0;  // the manager's value; -100 gives grey
  int32_t Brightness = 0;  // -100..100
  int32_t BIKeepHUE = 0;   // the skin's: above 0 the close images keep their hue, 1 all title buttons
};

// What all skin data objects of one skin share. It is recoloured together
// with the first skin data object; objects loaded later cut their images from
// the recoloured master bitmap already.
struct TacSharedSkinColors {
  TacWorkBitmap& MasterBitmap;
  TacPaletteArray& Palette;
  TColor& Shadow1Color;
};

// Hue, then saturation, then brightness, each only when not 0, over Data's
// images and section colours, and over Shared when given. Without Shared the
// images Data cut from the master bitmap are left as they are. Every pixel and
// colour is so changed exactly once however many skin data objects a skin has.
void ApplySkinTransforms(TacSkinData& Data, const TacColorChange& Change, const TacSharedSkinColors* Shared);

// The manager's step after loading a skin data object: the first object of a
// skin builds the palette and recolours the shared parts with its own; later
// ones recolour only their own. Data then resolves colours through Palette.
void InitSkinParams(TacSkinPalette& Palette, TacSkinData& Data, const TMemIniFile& Options,
                    TacWorkBitmap& MasterBitmap, TColor& Shadow1Color, const TacColorChange& Change);
