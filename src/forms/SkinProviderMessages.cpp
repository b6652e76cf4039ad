// The skin provider's window procedure: every message of the form passes
// here first. Until the frame is painted, the provider paints the client
// background and the system draws the frame.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/WinHandles.h"
#include "forms/CornerRegion.h"
#include "forms/CtrlAdapter.h"
#include "forms/SkinProvider.h"
#include "framework/Application.h"
#include "framework/MessageParams.h"
#include "framework/WindowHost.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"

namespace {

// A framework notification that asks for an answer of 0 and nothing else.
constexpr UINT kFrameworkQuery = 0xBC4D;

// What a skin editor sends: dwData and the record's magic are 0xA400, and the
// block is exactly the record as the editor lays it out (no padding after
// the options text).
constexpr size_t kEditorRecordSize = offsetof(TacSkinEditorData, Data2) + sizeof(TacSkinEditorData::Data2);

template <size_t N>
void Terminate(char (&Text)[N]) {
  Text[N - 1] = '\0';
}

}  // namespace

void TsSkinProvider::NewWndProc(TMessage& Message) {
  if (Message.Msg == SM_SKINCOMMAND) {
    // A pointer in a skin command is followed only for this thread's senders.
    if (!MayAnswerSkinCommand(Message)) {
      Message.Result = 0;
      return;
    }
    if (FirstSkinCommand(Message)) return;
  }
  // A runtime provider starts on the form's first frame paint or when the form is shown.
  if (RTInit && (Message.Msg == WM_NCPAINT || (Message.Msg == CM_VISIBLECHANGED && Message.WParam != 0))) {
    RTInit = false;
    RuntimeInit();
  }
  if (FormDestroying() || !Skinned()) return UnskinnedMessage(Message);
  if (Message.Msg == SM_SKINCOMMAND) {
    if (!SkinnedSkinCommand(Message)) CallOldWndProc(Message);
    return;
  }
  SkinnedMessage(Message);
}

void TsSkinProvider::UnskinnedMessage(TMessage& Message) {
  switch (Message.Msg) {
    case SM_SKINCOMMAND:
      if (UnskinnedSkinCommand(Message)) return;
      break;
    case WM_SETREDRAW:
      LockCount = Message.WParam ? std::max(LockCount - 1, 0) : LockCount + 1;
      break;
    case WM_PRINT:
      if (HDC dc = MessageDC(Message); dc && Form) {
        const TacScopedBrush brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Form->Color()))));
        const RECT client = Form->ClientRect();
        FillRect(dc, &client, brush.Get());
        TMessage paint{WM_PAINT, Message.WParam, 0, 0};
        CallOldWndProc(paint);
      }
      Message.Result = 0;
      return;
    default:
      break;
  }
  CallOldWndProc(Message);
}

void TsSkinProvider::SkinnedMessage(TMessage& Message) {
  if (FrameMouse(Message)) return;
  switch (Message.Msg) {
    case WM_CREATE:
      CallOldWndProc(Message);
      FCommonData->InitCommonProp();
      PrepareForm();
      return;
    case WM_NCCREATE:
      CallOldWndProc(Message);
      FCommonData->InitCommonProp();
      if (!RTInit) PrepareForm();
      return;
    case WM_SIZE: {
      CallOldWndProc(Message);
      // Setting the region sizes nothing but sends this again: only a new size counts.
      RECT window{};
      GetWindowRect(Form->Handle(), &window);
      const SIZE size{window.right - window.left, window.bottom - window.top};
      if (size.cx == FWindowSize.cx && size.cy == FWindowSize.cy) return;
      FWindowSize = size;
      FCommonData->BGChanged = true;
      RgnChanged = true;
      RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
      return;
    }
    case WM_NCPAINT:
      if (!NonClientPainted() || !Form->HandleAllocated()) break;
      PaintNonClient();
      Message.Result = 0;
      return;
    case WM_NCACTIVATE: {
      if (!NonClientPainted() || !Form->HandleAllocated()) break;
      const int32_t active = Message.WParam ? 1 : 0;
      if (active != FormActive) {
        FormActive = active;
        FCommonData->BGChanged = true;
      }
      // The system's activation bookkeeping must run; what it paints is painted over.
      CallOldWndProc(Message);
      PaintNonClient();
      Message.Result = TRUE;
      return;
    }
    case WM_SETTEXT:
    case WM_SETICON:
      CallOldWndProc(Message);
      FCommonData->BGChanged = true;
      if (NonClientPainted() && Form->HandleAllocated() && IsWindowVisible(Form->Handle())) PaintNonClient();
      return;
    case WM_SETREDRAW:
      LockCount = Message.WParam ? std::max(LockCount - 1, 0) : LockCount + 1;
      break;
    case WM_ERASEBKGND:
      if (!FDrawClientArea) break;
      if (HDC dc = MessageDC(Message)) PaintClientBackground(dc);
      Message.Result = 1;
      return;
    case WM_PRINTCLIENT:
      Message.Result = 0;
      return;
    case WM_SETTINGCHANGE:
    case WM_DPICHANGED:
      FCommonData->BGChanged = true;
      RgnChanged = true;
      break;
    case WM_ENTERIDLE:
      if (Message.WParam != 0) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_PARENTNOTIFY:
      CallOldWndProc(Message);
      if (const UINT event = LOWORD(Message.WParam); event == WM_CREATE || event == WM_DESTROY) ScanChildren();
      return;
    case WM_NOTIFY:
      CallOldWndProc(Message);
      if (const auto* header = LParamPointer<const NMHDR>(Message);
          header && header->code <= TTN_FIRST && header->code >= TTN_LAST)
        ScanChildren();
      return;
    case WM_STYLECHANGED:
      CallOldWndProc(Message);
      if (Message.WParam == static_cast<WPARAM>(GWL_STYLE)) SetUpTitleButtons();
      return;
    case WM_COPYDATA:
      ReceivePreview(Message);
      if (Message.Result) return;
      break;
    case CM_VISIBLECHANGED:
      if (Message.WParam) {
        if (TsSkinManager* manager = SkinManager(); manager && manager->SkinLoaded()) SetClassBrush(manager->Brushes(0));
        break;
      }
      CallOldWndProc(Message);
      FCommonData->FCacheBmp->SetSize(0, 0);
      FCommonData->BGChanged = true;
      KillAnimations();
      return;
    case CM_SHOWINGCHANGED:
      CallOldWndProc(Message);
      if (Form->HandleAllocated())
        RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return;
    case CM_ENABLEDCHANGED:
      CallOldWndProc(Message);
      if (FBorderForm && FBorderForm->Handle()) EnableWindow(FBorderForm->Handle(), Form->Enabled());
      RedrawFrame();
      return;
    case WM_WINDOWPOSCHANGED:
      CallOldWndProc(Message);
      if (const auto* position = LParamPointer<const WINDOWPOS>(Message)) FollowPosition(*position);
      return;
    case WM_WINDOWPOSCHANGING:
      if (const auto* position = LParamPointer<const WINDOWPOS>(Message); position && FBorderForm)
        if (!(position->flags & SWP_NOSIZE)) FBorderForm->ClipToFormSize({position->cx, position->cy});
      break;
    case WM_SIZING:
      CallOldWndProc(Message);
      if (FBorderForm) FBorderForm->Update(false);
      return;
    case WM_GETMINMAXINFO:
      CallOldWndProc(Message);
      if (auto* info = LParamPointer<MINMAXINFO>(Message)) MaximisedPlacement(*info);
      return;
    case CM_COLORCHANGED:
      CallOldWndProc(Message);
      if (FCommonData->CustomColor()) {
        FCommonData->BGChanged = true;
        Form->Invalidate();
      }
      return;
    case CM_CONTROLLISTCHANGE:
      CallOldWndProc(Message);
      // The control travels as a pointer: only a change made by this thread is followed.
      if (Message.LParam && DeliveredByOwnThread() && FAdapter && !FormLoading())
        FAdapter->AddNewItem(reinterpret_cast<TControl*>(Message.WParam));
      return;
    case kFrameworkQuery:
      Message.Result = 0;
      return;
    default:
      break;
  }
  CallOldWndProc(Message);
}

// The border window goes wherever the form goes, and away while it is hidden.
void TsSkinProvider::FollowPosition(const WINDOWPOS& Position) {
  if (!NonClientPainted()) return;
  if (Position.flags & SWP_HIDEWINDOW) {
    if (FBorderForm) FBorderForm->FreeWindow();
    return;
  }
  constexpr UINT kUnchanged = SWP_NOMOVE | SWP_NOSIZE;
  if ((Position.flags & kUnchanged) != kUnchanged || (Position.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED))) {
    UpdateBorderWindow(false);
  } else if (!(Position.flags & SWP_NOZORDER) && FBorderForm) {
    FBorderForm->Restack();
  }
}

// Maximised, the system frame lies outside the screen and the skin's taller title still fits.
void TsSkinProvider::MaximisedPlacement(MINMAXINFO& Info) {
  if (!BorderWindowLayout() || Form->Parent() || Form->BorderStyle() == TFormBorderStyle::bsNone) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(Form->Handle(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const TacSkinData* skin = FrameSkin();
  const int32_t f = SystemFrameWidth(), c = SystemCaptionHeight();
  const int32_t x = skin && HasCaption() ? std::max(0, skin->ExMaxHeight - c - 4) : 0;
  const RECT work = monitor.rcWork;
  Info.ptMaxSize = {work.right - work.left + 2 * f, work.bottom - work.top + 2 * f - x};
  Info.ptMaxPosition = {work.left - monitor.rcMonitor.left - f, work.top - monitor.rcMonitor.top + x - f};
}

void TsSkinProvider::UpdateBorderWindow(bool Redraw) {
  if (!BorderWindowLayout()) {
    FBorderForm.reset();
    return;
  }
  if (!FBorderForm) FBorderForm = std::make_unique<TacBorderForm>(*this);
  FBorderForm->Update(Redraw);
}

void TsSkinProvider::ClipFormToClient() {
  RgnChanged = true;
  UpdateRegion();
}

bool TsSkinProvider::FrameStale() {
  const TacWorkBitmap& image = *FCommonData->FCacheBmp;
  const TSize size = FrameBitmapSize();
  return FCommonData->BGChanged || image.Width() != size.cx || image.Height() != size.cy;
}

void TsSkinProvider::PaintClientBackground(HDC DC) {
  const RECT client = Form->ClientRect();
  if (FrameStale()) {
    if (!PaintAll()) {
      const TacScopedBrush brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Form->Color()))));
      FillRect(DC, &client, brush.Get());
      return;
    }
    // The frame around the client changed with it.
    if (FBorderForm) FBorderForm->Update(false);
  }
  GdiFlush();
  BitBlt(DC, 0, 0, client.right, client.bottom, WorkBitmapDC(*FCommonData->FCacheBmp), OffsetX(), OffsetY(), SRCCOPY);
}

// The frame from the frame bitmap: the title strip and the three border
// strips; the client area is WM_PAINT's.
void TsSkinProvider::PaintNonClient() {
  const bool stale = FrameStale();
  if (stale && !PaintAll()) return;
  UpdateRegion();
  if (BorderWindowLayout()) return UpdateBorderWindow(stale);
  const TacWindowDC dc(Form->Handle(), true);
  const RECT client = Form->ClientRectInWindow();
  ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
  const TacWorkBitmap& image = *FCommonData->FCacheBmp;
  GdiFlush();
  BitBlt(dc.Get(), 0, 0, image.Width(), image.Height(), WorkBitmapDC(image), 0, 0, SRCCOPY);
}

// With the border window the form shows its client area alone; without it
// the whole window less the transparent pixels of the frame's corners.
void TsSkinProvider::UpdateRegion() {
  if (!RgnChanged || !Form->HandleAllocated() || Form->BorderStyle() == TFormBorderStyle::bsNone) return;
  RgnChanged = false;
  RECT window{};
  GetWindowRect(Form->Handle(), &window);
  const int32_t w = window.right - window.left, h = window.bottom - window.top;
  if (BorderWindowLayout()) {
    const int32_t f = SystemFrameWidth(), c = SystemCaptionHeight();
    SetWindowRgn(Form->Handle(), CreateRectRgn(f, f + c, w - f, h - f), TRUE);
    return;
  }
  SetWindowRgn(Form->Handle(), CornerCutRegion(*FCommonData->FCacheBmp), TRUE);
}

// A skin editor's preview record, from any process: taken only when it is
// exactly the record, with the right magic, and its texts end inside it.
void TsSkinProvider::ReceivePreview(TMessage& Message) {
  Message.Result = 0;
  const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(Message.LParam);
  TsSkinManager* manager = SkinManager();
  if (!block || !manager || block->dwData != acSkinEditorMagic || block->cbData != kEditorRecordSize || !block->lpData)
    return;
  auto record = std::make_unique<TacSkinEditorData>();
  std::memcpy(static_cast<void*>(record.get()), block->lpData, kEditorRecordSize);
  if (record->Magic != acSkinEditorMagic) return;
  Terminate(record->Name1);
  Terminate(record->Name2);
  Terminate(record->Data1);
  Terminate(record->Data2);
  manager->PreviewBuffer = *record;
  PostMessageW(Application().Handle(), SM_SKINCOMMAND, MakeSkinCommand(SK_PREVIEW_READY), 0);
  Message.Result = 1;
}
