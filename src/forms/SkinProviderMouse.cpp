// The mouse on the painted frame: title buttons light up under the pointer,
// show themselves pressed while held and act only when released over the
// button that was pressed; the title moves the window, the icon and a
// right click on the title open the window's menu.
#include <algorithm>

#include "forms/HitCodes.h"
#include "forms/SkinableMenus.h"
#include "forms/SkinProvider.h"
#include "framework/Application.h"
#include "framework/Menus.h"
#include "framework/MessageParams.h"
#include "manager/SkinManager.h"

namespace {

POINT MessagePoint(const TMessage& Message) {
  return {static_cast<int16_t>(LOWORD(Message.LParam)), static_cast<int16_t>(HIWORD(Message.LParam))};
}

POINT ClientPointToScreen(HWND Window, const TMessage& Message) {
  POINT p = MessagePoint(Message);
  ::ClientToScreen(Window, &p);
  return p;
}

// How long a click on the icon waits for the second click of a double click.
constexpr DWORD kIconDoubleClickWait = 200;

}  // namespace

// The screen point in frame-bitmap coordinates: the frame bitmap is the
// border window's image, or without it the form's window.
TPoint TsSkinProvider::FramePoint(POINT Screen) {
  RECT window{};
  GetWindowRect(Form->Handle(), &window);
  const TPoint inside = BorderWindowLayout() ? BorderWindowOffset() : TPoint{0, 0};
  return {Screen.x - window.left + inside.X, Screen.y - window.top + inside.Y};
}

HWND TsSkinProvider::FrameWindow() const {
  const HWND border = FBorderForm ? FBorderForm->Handle() : nullptr;
  return border ? border : Form->Handle();
}

bool TsSkinProvider::OverTitleButton(int32_t Code, POINT Screen) {
  const TsCaptionButton* button = TitleButtonOfCode(Code);
  if (!button || button->cpState < 0 || button->cpRect.IsEmpty()) return false;
  const TPoint p = FramePoint(Screen);
  return button->cpRect.Contains(p.X, p.Y);
}

void TsSkinProvider::SetHotHT(int32_t Code, bool Repaint) {
  if (Code == CurrentHT || !NonClientPainted() || FUWPMode) return;
  TsSkinManager* manager = SkinManager();
  if (manager && manager->ManagerState.Contains(TacManagerStateValue::msScaleChanging)) return;
  if (TsCaptionButton* previous = TitleButtonOfCode(CurrentHT); previous && previous->cpState > 0 && Repaint)
    RepaintTitleButton(*previous, 0);
  CurrentHT = Code;
  if (biClicked || Code <= 0) return;
  TsCaptionButton* button = TitleButtonOfCode(Code);
  if (!button || button->cpState < 0) return;
  if (Repaint) RepaintTitleButton(*button, 1);
  // The pointer may leave the frame without another non-client move.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, FrameWindow(), 0};
  TrackMouseEvent(&track);
}

bool TsSkinProvider::ElementCanAct(int32_t Code) {
  switch (Code) {
    case HTMAXBUTTON:
      return SysMenuItemEnabled(SC_MAXIMIZE) || (IsZoomed(Form->Handle()) && SysMenuItemEnabled(SC_RESTORE));
    case HTCLOSE: return CloseEnabled();
    default: return true;
  }
}

void TsSkinProvider::PressHT(int32_t Code) {
  if (TsCaptionButton* hot = TitleButtonOfCode(CurrentHT); hot && CurrentHT != Code && hot->cpState > 0)
    RepaintTitleButton(*hot, 0);
  TsCaptionButton* button = TitleButtonOfCode(Code);
  if (!button || !ElementCanAct(Code)) {
    CurrentHT = HTNOWHERE;
    return;
  }
  CurrentHT = Code;
  biClicked = true;
  // Held, the button follows the pointer wherever it goes until the release.
  SetCapture(Form->Handle());
  RepaintTitleButton(*button, 2);
}

void TsSkinProvider::ClearPress() {
  biClicked = false;
  if (GetCapture() == Form->Handle()) ReleaseCapture();
}

void TsSkinProvider::SendSysCommand(WPARAM Command, LPARAM Point) {
  // Posted, the command runs once this message is done with the form.
  PostMessageW(Form->Handle(), WM_SYSCOMMAND, Command, Point);
}

void TsSkinProvider::ReleaseHT(POINT Screen) {
  const int32_t code = CurrentHT;
  const bool over = OverTitleButton(code, Screen);
  TsCaptionButton* button = TitleButtonOfCode(code);
  ClearPress();
  if (button && button->cpState > 0) RepaintTitleButton(*button, 0);
  SetHotHT(HTNOWHERE);
  if (!over || !button) return;
  const bool iconic = IsIconic(Form->Handle()) != FALSE;
  switch (code) {
    case HTMINBUTTON:
      SendSysCommand(Form == Application().MainForm() || !iconic ? SC_MINIMIZE : SC_RESTORE);
      FCommonData->BGChanged = true;
      break;
    case HTMAXBUTTON:
      RgnChanged = true;
      SendSysCommand(IsZoomed(Form->Handle()) || iconic ? SC_RESTORE : SC_MAXIMIZE);
      break;
    case HTCLOSE:
      if (CloseEnabled()) SendSysCommand(SC_CLOSE);
      break;
    case HTHELP:
      SendSysCommand(SC_CONTEXTHELP);
      break;
    default:
      if (const int32_t index = code - acUserButtonCode; index >= 0 && static_cast<size_t>(index) < FTitleButtons.Count())
        if (TsTitleButton& user = FTitleButtons.Button(static_cast<size_t>(index)); user.OnMouseUp) user.OnMouseUp(&user);
      break;
  }
}

// The window's menu, where the icon's bottom-left corner is.
POINT TsSkinProvider::IconMenuPoint(bool FromKeyboard) {
  RECT window{};
  GetWindowRect(Form->Handle(), &window);
  const int32_t f = SystemFrameWidth();
  const int32_t iconHeight = FIconRect.IsEmpty() ? MulDiv(16, FCommonData->CurrentPPI, 96) : FIconRect.Height();
  POINT p{window.left + (FromKeyboard ? BorderWidth() : f), window.top + iconHeight};
  if (!FromKeyboard && !BorderWindowLayout()) p.y += 2 * f;
  if (FromKeyboard && IsIconic(Form->Handle())) p.y -= 16;
  return p;
}

void TsSkinProvider::DropSysMenu(POINT Screen) {
  SetHotHT(HTNOWHERE);
  ClearPress();
  const HWND window = Form->Handle();
  if (!FSystemMenu) PrepareForm();
  if (!FSystemMenu || GetActiveWindow() != window) return;
  TsSkinManager* manager = SkinManager();
  if (manager && manager->SkinnedPopups()) {
    FSystemMenu->UpdateItems();
    if (FMakeSkinMenu) FSystemMenu->MakeSkinItems();
    SkinableMenusOf(*manager).HookPopupMenu(*FSystemMenu, true, Form->PixelsPerInch());
    FSystemMenu->Popup(Screen.x, Screen.y);
    return;
  }
  // The system's own menu, with the items set as the skinned one would show them.
  const HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return;
  FSystemMenu->UpdateItems();
  const auto enable = [menu](UINT command, bool on) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  };
  enable(SC_RESTORE, FSystemMenu->EnabledRestore());
  enable(SC_MOVE, FSystemMenu->EnabledMove());
  enable(SC_SIZE, FSystemMenu->EnabledSize());
  enable(SC_MINIMIZE, FSystemMenu->EnabledMin());
  enable(SC_MAXIMIZE, FSystemMenu->EnabledMax());
  const UINT command = TPopupMenu::Track(menu, Screen, window);
  if (command != 0 && IsWindow(window)) SendSysCommand(command, MAKELPARAM(Screen.x, Screen.y));
}

// A click on the icon opens the menu unless it was the first of a double click.
void TsSkinProvider::IconPressed() {
  SetHotHT(HTNOWHERE);
  ClearPress();
  const HWND window = Form->Handle();
  const DWORD start = GetTickCount();
  MSG msg;
  for (DWORD waited = 0; waited < kIconDoubleClickWait; waited = GetTickCount() - start) {
    if (PeekMessageW(&msg, window, WM_NCLBUTTONDBLCLK, WM_NCLBUTTONDBLCLK, PM_NOREMOVE)) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kIconDoubleClickWait - waited, QS_MOUSEBUTTON);
  }
  DropSysMenu(IconMenuPoint(false));
}

bool TsSkinProvider::NcLeftDown(TMessage& Message) {
  const int32_t code = static_cast<int32_t>(Message.WParam);
  if (code == HTSYSMENU) {
    IconPressed();
    Message.Result = 0;
    return true;
  }
  if (IsTitleButtonCode(code)) {
    PressHT(code);
    Message.Result = 0;
    return true;
  }
  SetHotHT(HTNOWHERE);
  if (IsIconic(Form->Handle())) {
    SendSysCommand(acSC_DRAGMOVE);
    Message.Result = 0;
    return true;
  }
  if (code == HTCAPTION && IsZoomed(Form->Handle())) {
    // The window comes back to its normal size only once it is really dragged.
    MaxMoving = true;
    LastMousePos = MessagePoint(Message);
    SetCapture(Form->Handle());
    Message.Result = 0;
    return true;
  }
  return false;
}

void TsSkinProvider::MaxMove(POINT Screen) {
  if (std::abs(Screen.x - LastMousePos.x) <= acMaxDragThreshold && std::abs(Screen.y - LastMousePos.y) <= acMaxDragThreshold)
    return;
  MaxMoving = false;
  ReleaseCapture();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(Form->Handle(), &placement);
  const RECT normal = placement.rcNormalPosition;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(Screen, MONITOR_DEFAULTTONEAREST), &monitor);
  const TRect r = MaximisedDragPlacement(Screen, {normal.right - normal.left, normal.bottom - normal.top},
                                         monitor.rcMonitor.top);
  ShowWindow(Form->Handle(), SW_RESTORE);
  SetWindowPos(Form->Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  // From here on it is an ordinary drag by the title.
  PostMessageW(Form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(Screen.x, Screen.y));
}

bool TsSkinProvider::NcDoubleClick(TMessage& Message) {
  const HWND window = Form->Handle();
  switch (Message.WParam) {
    case HTCAPTION: {
      const bool zoomed = IsZoomed(window) != FALSE, iconic = IsIconic(window) != FALSE;
      const bool canResize = Form->BorderIcons().Contains(TBorderIcon::biSystemMenu) &&
                             Form->BorderIcons().Contains(TBorderIcon::biMaximize);
      if (canResize) {
        SendSysCommand(zoomed || iconic ? SC_RESTORE : SC_MAXIMIZE);
      } else if (iconic) {
        SendSysCommand(SC_RESTORE);
      } else {
        return false;
      }
      Message.Result = 0;
      return true;
    }
    case HTSYSMENU:
      SendSysCommand(SC_CLOSE);
      Message.Result = 0;
      return true;
    default:
      return IsTitleButtonCode(static_cast<int32_t>(Message.WParam)) && NcLeftDown(Message);
  }
}

bool TsSkinProvider::BorderWindowMouse(TMessage& Message) {
  if (!Form || !Form->HandleAllocated() || !NonClientPainted()) return false;
  const HWND form = Form->Handle();
  switch (Message.Msg) {
    case WM_NCHITTEST: {
      // The shadow lets the pointer through; the rest of the frame is this window's own.
      const int32_t code = ExHitTest(FramePoint(MessagePoint(Message)));
      Message.Result = code == HTTRANSPARENT ? HTTRANSPARENT : acBorderWindowCode;
      return true;
    }
    case WM_SETCURSOR: {
      POINT cursor{};
      GetCursorPos(&cursor);
      const HCURSOR shape = CursorForHitCode(ExHitTest(FramePoint(cursor)));
      if (!shape) return false;
      SetCursor(shape);
      Message.Result = TRUE;
      return true;
    }
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      if (Form->Enabled()) SetForegroundWindow(form);
      return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: {
      // The form acts on the element under the pointer as on its own frame.
      const int32_t code = ExHitTest(FramePoint(MessagePoint(Message)));
      SendMessageW(form, Message.Msg, static_cast<WPARAM>(code), Message.LParam);
      Message.Result = 0;
      return true;
    }
    case WM_NCMOUSELEAVE:
      SendMessageW(form, WM_NCMOUSELEAVE, 0, 0);
      return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
      // Only the shadow is the client of this window: the next event there goes to the window below.
      POINT screen = MessagePoint(Message);
      ::ClientToScreen(FBorderForm ? FBorderForm->Handle() : form, &screen);
      if (FBorderForm) FBorderForm->CutHoleAt(screen);
      return false;
    }
    default:
      return false;
  }
}

// True when the message was the frame's.
bool TsSkinProvider::FrameMouse(TMessage& Message) {
  if (!NonClientPainted() || !Form->HandleAllocated() || !HasCaption()) return false;
  switch (Message.Msg) {
    case WM_NCHITTEST: {
      // With the border window the form's own window is its client area alone.
      if (BorderWindowLayout()) return false;
      const POINT screen = MessagePoint(Message);
      const int32_t code = FormHitTest(screen);
      const bool grip = code == HTBOTTOMRIGHT && GripAt(FramePoint(screen));
      // Where the system's own answer is the same, it keeps its own behaviour.
      if (!grip && (code == HTNOWHERE || code == HTCLIENT || code == HTCAPTION || (code >= HTLEFT && code <= HTBOTTOMRIGHT)))
        return false;
      Message.Result = code;
      return true;
    }
    case WM_NCMOUSEMOVE:
      if (!biClicked) SetHotHT(IsTitleButtonCode(static_cast<int32_t>(Message.WParam)) ? static_cast<int32_t>(Message.WParam) : HTNOWHERE);
      return false;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
    case CM_MOUSEENTER:
      if (!biClicked) SetHotHT(-1);
      return false;
    case WM_NCLBUTTONDOWN:
      return NcLeftDown(Message);
    case WM_NCLBUTTONDBLCLK:
      return NcDoubleClick(Message);
    case WM_MOUSEMOVE: {
      if (FBorderForm) FBorderForm->RestoreRegion();
      if (MaxMoving) {
        MaxMove(ClientPointToScreen(Form->Handle(), Message));
        return true;
      }
      if (!biClicked) {
        if (CurrentHT > 0) SetHotHT(-1);
        return false;
      }
      // Dragged off, the button stops looking pressed; back over it, it does again.
      TsCaptionButton* button = TitleButtonOfCode(CurrentHT);
      const bool over = OverTitleButton(CurrentHT, ClientPointToScreen(Form->Handle(), Message));
      if (button && (button->cpState == 2) != over) RepaintTitleButton(*button, over ? 2 : 0);
      Message.Result = 0;
      return true;
    }
    case WM_LBUTTONUP:
      if (MaxMoving) {
        MaxMoving = false;
        ReleaseCapture();
        return true;
      }
      if (!biClicked) return false;
      ReleaseHT(ClientPointToScreen(Form->Handle(), Message));
      Message.Result = 0;
      return true;
    case WM_NCLBUTTONUP:
      if (!biClicked) return false;
      ReleaseHT(MessagePoint(Message));
      Message.Result = 0;
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(Message.LParam) != Form->Handle()) {
        MaxMoving = false;
        if (biClicked) {
          biClicked = false;
          if (TsCaptionButton* button = TitleButtonOfCode(CurrentHT)) RepaintTitleButton(*button, 0);
          CurrentHT = HTNOWHERE;
        }
      }
      return false;
    case WM_NCRBUTTONDOWN:
      if (Message.WParam != HTCAPTION && Message.WParam != HTSYSMENU) return false;
      RightPressed = true;
      Message.Result = 0;
      return true;
    case WM_NCRBUTTONUP: {
      const bool pressed = RightPressed;
      RightPressed = false;
      const int32_t code = FormHitTest(MessagePoint(Message));
      if (!pressed || (code != HTCAPTION && code != HTSYSMENU)) return false;
      DropSysMenu(MessagePoint(Message));
      Message.Result = 0;
      return true;
    }
    case WM_SYSCOMMAND: {
      // Only commands that leave the form alive are followed up here.
      const WPARAM command = Message.WParam & 0xFFF0;
      if (Message.WParam == acSC_DRAGMOVE) {
        RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        return false;
      }
      if (command == SC_KEYMENU && Message.LParam == ' ' && Form->BorderIcons().Contains(TBorderIcon::biSystemMenu)) {
        CallOldWndProc(Message);
        DropSysMenu(IconMenuPoint(true));
        return true;
      }
      if (command == SC_MAXIMIZE) {
        // The maximised window takes the maximised title and its own region.
        RgnChanged = true;
        FCommonData->BGChanged = true;
        return false;
      }
      if (command == SC_RESTORE) {
        CallOldWndProc(Message);
        FCommonData->BGChanged = true;
        RgnChanged = true;
        RedrawFrame();
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}
