#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/ParentBG.h"

class TacWorkBitmap;
class TControl;
class TsCommonData;

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
// The same through a window handle: a window that does not answer is
// represented by the active skin's main colour, its control's colour or the
// button face.
void GetParentBGOfWindow(TacBGQuery& Query, HWND Parent, bool DrawNow, const TsCommonData* Asker = nullptr);

// The answered record as the painters take it.
TacParentBG ParentBGOf(const TacBGQuery& Query);

// What lies under Control in its parent, placed at Control's position, as
// the painters take it; empty while the parent's image is not ready (the
// control waits for SK_END_PARENT_UPDATE).
std::optional<TacParentBG> BackgroundUnder(TControl* Control);

// The colour a control shows its children (its SK_GET_BG_COLOR answer, or
// its own colour when it gives none), as RGB.
TColor ParentColorOf(TControl* Parent);

// Copies Source of Data's cache to Target of DC without painting over the
// owner's children that draw themselves: opaque or graphic ones, and those
// that answer SK_IS_ACTIVE. Offset places the children in DC.
void CopyCacheExcludingChildren(TControl* Owner, TsCommonData& Data, const TRect& Source, TPoint Offset, HDC DC,
                                const TRect& Target);
