// Which element of the painted frame lies under a point: the title
// buttons, the icon, the title, the sizing bands and the grip, answered as
// the system's non-client hit codes.
#include "forms/HitCodes.h"
#include "forms/SkinProvider.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

int32_t CombineSizing(bool Left, bool Right, bool Top, bool Bottom) {
  if (Top) return Left ? HTTOPLEFT : Right ? HTTOPRIGHT : HTTOP;
  if (Bottom) return Left ? HTBOTTOMLEFT : Right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (Left) return HTLEFT;
  if (Right) return HTRIGHT;
  return HTNOWHERE;
}

}  // namespace

bool IsTitleButtonCode(int32_t Code) {
  return Code == HTMINBUTTON || Code == HTMAXBUTTON || Code == HTCLOSE || Code == HTHELP ||
         (Code >= acUserButtonCode && Code <= acUserButtonCode + acLastUserButton);
}

HCURSOR CursorForHitCode(int32_t Code) {
  LPCWSTR shape = nullptr;
  switch (Code) {
    case HTCAPTION:
    case HTMENU: shape = IDC_ARROW; break;
    case HTLEFT:
    case HTRIGHT: shape = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: shape = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: shape = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: shape = IDC_SIZENESW; break;
    default: return nullptr;
  }
  return LoadCursorW(nullptr, shape);
}

TRect MaximisedDragPlacement(POINT Cursor, TSize NormalSize, int32_t MonitorTop) {
  const int32_t top = Cursor.y - MonitorTop < acMaxDragTopZone ? MonitorTop - acMaxDragAbove : Cursor.y - acMaxDragAbove;
  const int32_t left = Cursor.x - NormalSize.cx / 2;
  return {left, top, left + NormalSize.cx, top + NormalSize.cy};
}

bool TsSkinProvider::SysMenuItemEnabled(UINT Command) const {
  if (!Form || !Form->HandleAllocated()) return true;
  const HMENU menu = GetSystemMenu(Form->Handle(), FALSE);
  if (!menu) return true;
  const UINT state = GetMenuState(menu, Command, MF_BYCOMMAND);
  return state == static_cast<UINT>(-1) || !(state & (MF_DISABLED | MF_GRAYED));
}

bool TsSkinProvider::SysMenuHasItem(UINT Command) const {
  if (!Form || !Form->HandleAllocated()) return true;
  const HMENU menu = GetSystemMenu(Form->Handle(), FALSE);
  return !menu || GetMenuState(menu, Command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

bool TsSkinProvider::CloseEnabled() const { return SysMenuItemEnabled(SC_CLOSE); }

TsCaptionButton* TsSkinProvider::TitleButtonOfCode(int32_t Code) {
  switch (Code) {
    case HTCLOSE: return &ButtonClose;
    case HTMAXBUTTON: return &ButtonMax;
    case HTMINBUTTON: return &ButtonMin;
    case HTHELP: return &ButtonHelp;
    default: break;
  }
  const int32_t index = Code - acUserButtonCode;
  if (index < 0 || static_cast<size_t>(index) >= FTitleButtons.Count()) return nullptr;
  return &FTitleButtons.Button(static_cast<size_t>(index)).Data;
}

// The code of the title button under P, -1 for none or one that does not act.
int32_t TsSkinProvider::TitleElementCode(TPoint P) {
  const auto over = [P](const TsCaptionButton& b) { return b.cpState >= 0 && b.cpRect.Contains(P.X, P.Y); };
  const bool iconic = Form->HandleAllocated() && IsIconic(Form->Handle());
  if (over(ButtonClose)) {
    if (!SysMenuHasItem(SC_CLOSE)) return HTNOWHERE;
    return CloseEnabled() ? HTCLOSE : HTCAPTION;
  }
  if (over(ButtonMax))
    return SysMenuItemEnabled(SC_MAXIMIZE) || (SysMenuItemEnabled(SC_RESTORE) && !iconic) ? HTMAXBUTTON : HTCAPTION;
  if (over(ButtonMin)) return iconic || SysMenuItemEnabled(SC_MINIMIZE) ? HTMINBUTTON : HTCAPTION;
  if (over(ButtonHelp)) {
    const bool help = Form->BorderIcons().Contains(TBorderIcon::biHelp) &&
                      (GetWindowLongPtrW(Form->Handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    return help ? HTHELP : -1;
  }
  for (size_t i = 0; i < FTitleButtons.Count(); ++i) {
    const TsTitleButton& button = FTitleButtons.Button(i);
    if (!button.Visible() || !over(button.Data)) continue;
    return button.Enabled() ? acUserButtonCode + static_cast<int32_t>(i) : -1;
  }
  return -1;
}

bool TsSkinProvider::GripAt(TPoint P) {
  const TacSkinData* skin = FrameSkin();
  if (FGripMode != gmRightBottom || !skin || !skin->IsValidImgIndex(skin->GripRightBottom)) return false;
  const TsMaskData& grip = skin->ma[static_cast<size_t>(skin->GripRightBottom)];
  const int32_t right = OffsetX() + Form->ClientWidth(), bottom = OffsetY() + Form->ClientHeight();
  return P.X >= right - grip.Width && P.Y >= bottom - grip.Height && P.X < right && P.Y < bottom;
}

bool TsSkinProvider::Sizeable() const {
  return Form && Form->HandleAllocated() && !IsZoomed(Form->Handle()) &&
         (GetWindowLongPtrW(Form->Handle(), GWL_STYLE) & WS_THICKFRAME);
}

int32_t TsSkinProvider::ExHitTest(TPoint P) {
  if (OnExtHitTest) {
    TMessage message{WM_NCHITTEST, 0, MAKELPARAM(P.X, P.Y), 0};
    OnExtHitTest(message);
    if (message.Result != 0) return static_cast<int32_t>(message.Result);
  }
  TsSkinManager* manager = SkinManager();
  if (manager && manager->ManagerState.Contains(TacManagerStateValue::msScaleChanging)) return HTNOWHERE;
  if (!Form->Enabled()) return HTTRANSPARENT;
  if (const int32_t code = TitleElementCode(P); code != -1) return code;
  const TacSkinData* skin = FrameSkin();
  const TSize size = FrameBitmapSize();
  const TRect s = ShadowSize();
  if (skin && Sizeable()) {
    const bool sections = skin->ExDrawMode == 0 || (manager && manager->ExtBordersMode() == ebmShadow);
    int32_t left, top, right, bottom, band, bottomBand;
    if (sections) {
      band = bottomBand = std::max(skin->ExBorderWidth, 6);
      left = s.Left - band;
      top = s.Top - band;
      right = size.cx - s.Right + band;
      bottom = size.cy - s.Bottom + band;
    } else {
      // The visible border of the image starts inside the shadow margins.
      band = 4;
      bottomBand = SystemFrameWidth();
      left = s.Left - skin->ExShadowOffs;
      top = s.Top - skin->ExShadowOffsT;
      right = size.cx - s.Right + skin->ExShadowOffsR;
      bottom = size.cy - s.Bottom + skin->ExShadowOffsB;
    }
    if (P.X >= left && P.X < right && P.Y >= top && P.Y < bottom) {
      const int32_t code = CombineSizing(P.X < left + band, P.X >= right - band, P.Y < top + band,
                                         P.Y >= bottom - bottomBand);
      if (code != HTNOWHERE) return code;
    }
  }
  // The shadow around the form is not part of it, beside and above the title too.
  if (P.X < s.Left || P.Y < s.Top || P.X >= size.cx - s.Right || P.Y >= size.cy - s.Bottom) return HTTRANSPARENT;
  if (P.Y < s.Top + CaptionHeight()) return FIconRect.Contains(P.X, P.Y) ? HTSYSMENU : HTCAPTION;
  return GripAt(P) ? HTBOTTOMRIGHT : HTTRANSPARENT;
}

int32_t TsSkinProvider::FormHitTest(POINT Screen) {
  const TPoint p = FramePoint(Screen);
  if (int32_t code = TitleElementCode(p); code != -1) return code;
  RECT window{};
  GetWindowRect(Form->Handle(), &window);
  const int32_t w = window.right - window.left, h = window.bottom - window.top, f = SystemFrameWidth();
  if (Sizeable()) {
    const int32_t code = CombineSizing(p.X < f, p.X >= w - f, p.Y < f, p.Y >= h - f);
    if (code != HTNOWHERE) return code;
  }
  if (p.Y < f + SystemCaptionHeight()) return FIconRect.Contains(p.X, p.Y) ? HTSYSMENU : HTCAPTION;
  if (GripAt(p)) return HTBOTTOMRIGHT;
  return HTCLIENT;
}
