#pragma once
#include <windows.h>

#include "graphics/WorkBitmap.h"

// The region of a window whose image is Image, without the fully transparent
// pixels in its four corners (as far as any border image or rounding of a
// skin reaches); null when no pixel is cut, so the window keeps its rectangle.
HRGN CornerCutRegion(const TacWorkBitmap& Image);
