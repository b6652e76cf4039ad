#pragma once
#include "graphics/Color.h"
#include "graphics/Geometry.h"

class TacWorkBitmap;

// What lies beneath a control, as the painters receive it.
struct TacParentBG {
  TacWorkBitmap* Bmp = nullptr;  // the parent's cached image; not owned
  TPoint Offset;                 // the control's origin inside Bmp
  TColor Color = clFuchsia;      // plain parent colour; clFuchsia when Bmp alone describes it
  TRect FrameWidths;             // widths of the parent's border strips that lie in Bmp
  bool IsBitmap = false;         // true: Bmp itself is the background; false: Color is
};

// A default record means there is no parent background at all.
inline TacParentBG ParentBGFromBitmap(TacWorkBitmap* bmp, int32_t x, int32_t y) {
  return {bmp, {x, y}, clFuchsia, {}, true};
}
