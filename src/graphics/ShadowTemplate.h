#pragma once
#include <cstdint>
#include <memory>

#include "graphics/Color.h"
#include "graphics/WorkBitmap.h"

// A rounded, blurred shape of the given radius stretched by ExtraWidth and
// ExtraHeight, (2R + EW + 1) x (2R + EH + OffsetY + 1) pixels. The colour
// flavour carries Color's RGB with opacity from its top byte; the mask
// flavour is opaque grey, dark inside and white outside. Blur 0 or less
// fades across the whole radius. Lengths are limited so that a damaged skin
// value cannot ask for a huge bitmap.
std::unique_ptr<TacWorkBitmap> MakeShadowTemplate(TColor Color, int32_t Radius, int32_t OffsetY, bool Premultiply,
                                                  bool MaskFlavour, int32_t Blur, int32_t ExtraWidth,
                                                  int32_t ExtraHeight);
