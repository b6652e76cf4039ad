#pragma once
#include <windows.h>

#include <cstdint>

#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/ParentBG.h"

class TacWorkBitmap;
class TControl;

// The record a control sends its parent with SK_GET_BG.
struct TacBGQuery {
  TacWorkBitmap* Bmp = nullptr;  // the answering control's image; not owned
  TColor Color = clFuchsia;
  TPoint Offset;                 // the asker's origin inside Bmp
  TRect R;                       // with DrawNow: the rectangle of DrawDC to fill
  TRect FrameWidths;             // border strips of Bmp around a plain Color
  uint8_t Kind = 0;              // 0 not answered, 1 colour, 2 image, 3 not ready
  bool DrawNow = false;
  HDC DrawDC = nullptr;
};

inline constexpr uint8_t bgkNone = 0, bgkColor = 1, bgkImage = 2, bgkNotReady = 3;

// Asks Parent for what lies under its child. A parent that does not answer
// paints itself into DrawDC (DrawNow) or is represented by its colour.
void GetParentBG(TacBGQuery& Query, TControl* Parent, bool DrawNow);

// The answered record as the painters take it.
TacParentBG ParentBGOf(const TacBGQuery& Query);
