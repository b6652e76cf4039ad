#include "forms/BorderWindow.h"

#include <algorithm>

#include "core/LayeredWindowApi.h"
#include "forms/SkinProvider.h"
#include "graphics/AlphaOps.h"
#include "graphics/BlockCopy.h"
#include "graphics/PixelFill.h"
#include "graphics/WorkBitmapDib.h"
#include "messages/SkinCommand.h"

// The layered window itself: it carries the engine's adapter property, so
// the attachment never takes it for a window to skin, and hands its
// messages to its controller.
class TacBorderForm::TacBorderWindow final : public TacWindowHost {
 public:
  TacBorderWindow(TacBorderForm& Owner, HWND Form) : FOwner(Owner) {
    CreateHostWindow({.ClassName = L"TacBorderWindow", .Style = WS_POPUP, .ExStyle = WS_EX_LAYERED, .Parent = Form});
    if (Handle()) SetPropW(Handle(), kAcsAdapterProperty, this);
  }
  ~TacBorderWindow() override {
    if (Handle()) RemovePropW(Handle(), kAcsAdapterProperty);
  }
  void Default(TMessage& Message) { DefaultHostProc(Message); }

 protected:
  void HostWndProc(TMessage& Message) override { FOwner.WindowMessage(*this, Message); }

 private:
  TacBorderForm& FOwner;
};

TacBorderForm::TacBorderForm(TsSkinProvider& Provider) : FProvider(Provider) {}

TacBorderForm::~TacBorderForm() { FreeWindow(); }

HWND TacBorderForm::Handle() const { return FWindow ? FWindow->Handle() : nullptr; }

void TacBorderForm::FreeWindow() {
  FWindow.reset();
  FShown = false;
  FHoleCut = false;
  FSize = {};
  FImage.SetSize(0, 0);
}

bool TacBorderForm::EnsureWindow() {
  if (FWindow && FWindow->Handle()) return true;
  FWindow = std::make_unique<TacBorderWindow>(*this, FProvider.Form->Handle());
  FShown = false;
  FSize = {};
  if (FWindow->Handle()) {
    EnableWindow(FWindow->Handle(), FProvider.Form->Enabled());
    return true;
  }
  FWindow.reset();
  return false;
}

HRGN TacBorderForm::MakeRgn() const {
  const TRect s = FProvider.ShadowSize();
  const int32_t b = FProvider.BorderWidth();
  const int32_t w = FSize.cx, h = FSize.cy;
  const HWND form = FProvider.Form->Handle();
  // No shadow shows around a maximised window.
  const HRGN region = IsZoomed(form) ? CreateRectRgn(b + s.Left, s.Top + 4, w - b - s.Right, h - b - s.Bottom)
                                     : CreateRectRgn(0, 0, w, h);
  const int32_t x = FProvider.OffsetX(), y = FProvider.OffsetY();
  const TacScopedRegion hole(CreateRectRgn(x, y, x + FProvider.Form->ClientWidth(), y + FProvider.Form->ClientHeight()));
  CombineRgn(region, region, hole.Get(), RGN_DIFF);
  return region;
}

void TacBorderForm::CutHoleAt(POINT Screen) {
  const HWND window = Handle();
  if (!window) return;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int32_t x = Screen.x - bounds.left, y = Screen.y - bounds.top;
  const HRGN region = MakeRgn();
  const TacScopedRegion pixel(CreateRectRgn(x, y, x + 1, y + 1));
  CombineRgn(region, region, pixel.Get(), RGN_DIFF);
  SetWindowRgn(window, region, FALSE);
  FHoleCut = true;
}

void TacBorderForm::RestoreRegion() {
  if (!FHoleCut || !Handle()) return;
  FHoleCut = false;
  SetWindowRgn(Handle(), MakeRgn(), FALSE);
}

void TacBorderForm::ClipToFormSize(SIZE FormSize) {
  const HWND window = Handle();
  if (!window || !FShown) return;
  RECT form{};
  GetWindowRect(FProvider.Form->Handle(), &form);
  const int32_t w = FSize.cx + FormSize.cx - (form.right - form.left);
  const int32_t h = FSize.cy + FormSize.cy - (form.bottom - form.top);
  if (w >= FSize.cx && h >= FSize.cy) return;
  const HRGN region = MakeRgn();
  const TacScopedRegion bounds(CreateRectRgn(0, 0, std::max(w, 0), std::max(h, 0)));
  CombineRgn(region, region, bounds.Get(), RGN_AND);
  SetWindowRgn(window, region, FALSE);
  // The next update gives the window its full region again.
  FHoleCut = true;
}

void TacBorderForm::Restack() {
  if (!Handle() || !FShown) return;
  SetWindowPos(Handle(), FProvider.Form->Handle(), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING | SWP_NOREDRAW);
}

// The layered image wants premultiplied pixels; the frame bitmap has straight ones.
void TacBorderForm::PutImage(POINT At, SIZE Size) {
  const TacWorkBitmap& frame = *FProvider.SkinData().FCacheBmp;
  FImage.EnsureSize(frame.Width(), frame.Height());
  CopyPixels(FImage, {0, 0}, frame, frame.BoundsRect());
  PremultiplyAlpha(FImage);
  // Under the form's client area the image is clear as well as cut away:
  // where the system keeps a layered window's pixels but not its region
  // (Wine's X11 driver), the form still shows through, and the pointer
  // passes to it.
  const int32_t x = FProvider.OffsetX(), y = FProvider.OffsetY();
  FillPixels(FImage, {x, y, x + FProvider.Form->ClientWidth(), y + FProvider.Form->ClientHeight()}, 0, 0);
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiFlush();
  const TacWindowDC screen(nullptr);
  UpdateLayeredWindowProc()(Handle(), screen.Get(), &At, &Size, WorkBitmapDC(FImage), &source, 0, &blend, ULW_ALPHA);
}

void TacBorderForm::Update(bool Redraw) {
  TCustomForm* form = FProvider.Form;
  if (FUpdating || !form || !form->HandleAllocated()) return;
  const HWND formWindow = form->Handle();
  if (!IsWindowVisible(formWindow) || IsIconic(formWindow)) {
    FreeWindow();
    return;
  }
  FUpdating = true;
  if (FProvider.FrameStale()) {
    FProvider.PaintAll();
    Redraw = true;
  }
  const TacWorkBitmap& frame = *FProvider.SkinData().FCacheBmp;
  if (frame.Empty() || !EnsureWindow()) {
    FUpdating = false;
    return;
  }
  // The window's own rectangle, not the framework's idea of it, which may lag behind.
  RECT bounds{};
  GetWindowRect(formWindow, &bounds);
  const POINT at{bounds.left - FProvider.BorderWindowOffset().X, bounds.top - FProvider.BorderWindowOffset().Y};
  const SIZE size{frame.Width(), frame.Height()};
  const bool resized = size.cx != FSize.cx || size.cy != FSize.cy;
  UINT flags = SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING | SWP_NOSIZE | SWP_NOREDRAW;
  if (UpdateLayeredWindowProc() && (Redraw || resized || !FShown || FShownVersion != FProvider.FrameVersion())) {
    PutImage(at, size);
    FShownVersion = FProvider.FrameVersion();
    FSize = size;
    if (resized || FHoleCut) {
      FHoleCut = false;
      SetWindowRgn(Handle(), MakeRgn(), FALSE);
    }
  }
  FSize = size;
  // Shown through the position change: the form keeps its own show state.
  if (!FShown) flags |= SWP_SHOWWINDOW;
  SetWindowPos(Handle(), formWindow, at.x, at.y, 0, 0, flags);
  if (!FShown) {
    FShown = true;
    FProvider.ClipFormToClient();
  }
  FUpdating = false;
}

void TacBorderForm::WindowMessage(TacBorderWindow& Window, TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      // The layered image is all there is.
      Message.Result = Message.Msg == WM_ERASEBKGND ? 1 : 0;
      return;
    case WM_SETFOCUS:
      if (IsWindowVisible(FProvider.Form->Handle()) && FProvider.Form->CanFocus()) SetFocus(FProvider.Form->Handle());
      return;
    case WM_MOVE:
      RestoreRegion();
      Window.Default(Message);
      return;
    case WM_DPICHANGED:
      // The form follows resolution changes; this window follows the form.
      Message.Result = 1;
      return;
    default:
      if (FProvider.BorderWindowMouse(Message)) return;
      Window.Default(Message);
  }
}
