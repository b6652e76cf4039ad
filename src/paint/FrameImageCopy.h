#pragma once
#include <cstdint>

#include "graphics/Geometry.h"

class TacWorkBitmap;

// How a framed template is laid onto a frame of other margins: which sides'
// bands are stretched (else tiled), and whether the centre is drawn.
struct TacFrameCopyMode {
  bool StretchLeft = true, StretchTop = true, StretchRight = true, StretchBottom = true;
  bool Centre = false;
  bool CentreStretch = false;
};

// Copies the framed image at Source of Src onto Dest of Bitmap: corners 1:1,
// the side bands stretched or tiled between them, the rest of a source band
// that is wider than the destination's continuing the side columns.
// SourceMargins and DestMargins hold the four band widths in Left..Bottom.
// Pixels are copied as they are (alpha included); stretching picks the
// nearest source pixel, as a colour-on-colour stretch does.
void CopyFrameImage(TacWorkBitmap& Bitmap, const TRect& Dest, const TacWorkBitmap& Src, const TRect& Source,
                    const TRect& SourceMargins, const TRect& DestMargins, const TacFrameCopyMode& Mode);
