#include "core/ParentBackground.h"

#include "base/WinHandles.h"
#include "messages/SkinCommand.h"
#include "framework/Control.h"

void GetParentBG(TacBGQuery& Query, TControl* Parent, bool DrawNow) {
  Query.Bmp = nullptr;
  Query.Kind = bgkNone;
  Query.FrameWidths = {};
  Query.DrawNow = DrawNow;
  if (!Parent) return;
  SendSkinCommandToControl(Parent, SK_GET_BG, reinterpret_cast<LPARAM>(&Query));
  if (Query.Kind != bgkNone) return;
  if (DrawNow) {
    if (!Query.DrawDC) return;
    const TacSavedDC saved(Query.DrawDC);
    OffsetViewportOrgEx(Query.DrawDC, -Query.Offset.X, -Query.Offset.Y, nullptr);
    IntersectClipRect(Query.DrawDC, Query.R.Left + Query.Offset.X, Query.R.Top + Query.Offset.Y,
                      Query.R.Right + Query.Offset.X, Query.R.Bottom + Query.Offset.Y);
    Parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Query.DrawDC), 0);
    Parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Query.DrawDC), 0);
    return;
  }
  Query.Kind = bgkColor;
  const LRESULT answer = SendSkinCommandToControl(Parent, SK_GET_BG_COLOR);
  Query.Color = answer != 0 ? static_cast<TColor>(answer) : ColorToRGB(Parent->Color());
}

TacParentBG ParentBGOf(const TacBGQuery& Query) {
  if (Query.Kind == bgkImage) return ParentBGFromBitmap(Query.Bmp, Query.Offset.X, Query.Offset.Y);
  return {Query.Bmp, Query.Offset, ColorToRGB(Query.Color), Query.FrameWidths, false};
}
