#include "core/ParentBackground.h"

#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "framework/WinControl.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "messages/SkinCommand.h"

namespace {

void ResetAnswer(TacBGQuery& Query, bool DrawNow) {
  Query.Bmp = nullptr;
  Query.Kind = bgkNone;
  Query.FrameWidths = {};
  Query.DrawNow = DrawNow;
}

}  // namespace

void GetParentBG(TacBGQuery& Query, TControl* Parent, bool DrawNow) {
  ResetAnswer(Query, DrawNow);
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
  Query.Color = ParentColorOf(Parent);
}

void GetParentBGOfWindow(TacBGQuery& Query, HWND Parent, bool DrawNow, const TsCommonData* Asker) {
  ResetAnswer(Query, DrawNow);
  if (!Parent) return;
  SendSkinCommand(Parent, SK_GET_BG, reinterpret_cast<LPARAM>(&Query));
  if (Query.Kind != bgkNone) return;
  if (DrawNow && Query.DrawDC) {
    const TacSavedDC saved(Query.DrawDC);
    OffsetViewportOrgEx(Query.DrawDC, -Query.Offset.X, -Query.Offset.Y, nullptr);
    SendMessageW(Parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(Query.DrawDC), 0);
    SendMessageW(Parent, WM_PAINT, reinterpret_cast<WPARAM>(Query.DrawDC), 0);
    return;
  }
  const TsSkinManager* manager = Asker ? Asker->GetSkinManager() : DefaultManager();
  if (manager && manager->IsActive())
    Query.Color = manager->GetGlobalColor();
  else if (TWinControl* control = TWinControl::FindControl(Parent))
    Query.Color = ColorToRGB(control->Color());
  else
    Query.Color = ColorToRGB(clBtnFace);
  Query.Kind = bgkColor;
}

TacParentBG ParentBGOf(const TacBGQuery& Query) {
  if (Query.Kind == bgkImage) return ParentBGFromBitmap(Query.Bmp, Query.Offset.X, Query.Offset.Y);
  return {Query.Bmp, Query.Offset, ColorToRGB(Query.Color), Query.FrameWidths, false};
}

std::optional<TacParentBG> BackgroundUnder(TControl* Control) {
  if (!Control) return TacParentBG{};
  TacBGQuery query;
  GetParentBG(query, Control->Parent(), false);
  if (query.Kind == bgkNotReady) return std::nullopt;
  if (query.Bmp) query.Offset = {query.Offset.X + Control->Left(), query.Offset.Y + Control->Top()};
  return ParentBGOf(query);
}

// A skinned parent answers black as 0, which would read as "not answered".
TColor ParentColorOf(TControl* Parent) {
  if (!Parent) return ColorToRGB(clBtnFace);
  const LRESULT answer = SendSkinCommandToControl(Parent, SK_GET_BG_COLOR);
  if (answer != 0) return static_cast<TColor>(answer);
  const TsCommonData* data = CommonDataOf(Parent);
  return data && data->FOwnerControl ? clBlack : ColorToRGB(Parent->Color());
}

void CopyCacheExcludingChildren(TControl* Owner, TsCommonData& Data, const TRect& Source, TPoint Offset, HDC DC,
                                const TRect& Target) {
  const TacWorkBitmap* cache = Data.FCacheBmp.get();
  if (!cache || cache->Empty() || !DC) return;
  const TacSavedDC saved(DC);
  IntersectClipRect(DC, Target.Left, Target.Top, Target.Right, Target.Bottom);
  TsSkinManager* manager = Data.GetSkinManager();
  const bool skipGraphic = manager && manager->Options().StdImgTransparency;
  if (auto* windowed = dynamic_cast<TWinControl*>(Owner))
    for (size_t i = 0; i < windowed->ControlCount(); ++i) {
      TControl* child = windowed->Controls(i);
      const bool graphic = !dynamic_cast<TWinControl*>(child);
      if ((graphic && skipGraphic) || !child->Visible()) continue;
      const RECT bounds = child->BoundsRect();
      const RECT shifted{bounds.left + Offset.X, bounds.top + Offset.Y, bounds.right + Offset.X,
                         bounds.bottom + Offset.Y};
      RECT overlap{};
      const RECT target{Target.Left, Target.Top, Target.Right, Target.Bottom};
      if (!IntersectRect(&overlap, &shifted, &target)) continue;
      const bool drawsItself = child->ControlStyle.Contains(TControlStyleItem::csOpaque) || graphic ||
                               SendSkinCommandToControl(child, SK_IS_ACTIVE) == 1;
      if (drawsItself) ExcludeClipRect(DC, shifted.left, shifted.top, shifted.right, shifted.bottom);
    }
  GdiFlush();
  BitBlt(DC, Target.Left, Target.Top, Target.Width(), Target.Height(), WorkBitmapDC(*cache), Source.Left, Source.Top,
         SRCCOPY);
}
