#pragma once
#include "framework/Canvas.h"
#include "framework/Font.h"
#include "graphics/WorkBitmap.h"
#include "graphics/WorkBitmapDib.h"

// A canvas on a control's cache bitmap with the control's font, for writing
// its caption into the image; unbound again when it goes.
class TacCacheCanvas {
 public:
  TacCacheCanvas(TacWorkBitmap& Cache, TFont& Font) {
    FCanvas.SetHandle(WorkBitmapDC(Cache));
    FCanvas.Font().Assign(Font);
  }
  ~TacCacheCanvas() { FCanvas.SetHandle(nullptr); }
  TacCacheCanvas(const TacCacheCanvas&) = delete;
  TacCacheCanvas& operator=(const TacCacheCanvas&) = delete;

  TCanvas& Canvas() { return FCanvas; }

 private:
  TCanvas FCanvas;
};
