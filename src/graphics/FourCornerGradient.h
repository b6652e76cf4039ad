#pragma once
#include "graphics/Color.h"
#include "graphics/Geometry.h"

class TacWorkBitmap;

// Corner colours and a centre colour over Area, as four linearly shaded
// triangles over five vertices: top-left, centre, top-right, bottom-right and
// bottom-left. Colours are pixel values (0xAARRGGBB). Opaque mode writes the
// colour channels with alpha 255, as a triangle gradient fill does; otherwise
// the colours, alpha included, are composed over what is there.
void PaintFourCorners(TacWorkBitmap& bitmap, const TRect& area, const TacPixel (&colors)[5], bool opaque);
