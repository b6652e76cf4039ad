#include "framework/Form.h"

#include "base/StrUtils.h"
#include "framework/Application.h"
#include "framework/MessageParams.h"
#include "framework/Screen.h"

const TClassInfo& TCustomForm::StaticClassInfo() {
  static const TClassInfo info("TCustomForm", &TWinControl::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Enum<TCustomForm, TFormBorderStyle>("BorderStyle", &TCustomForm::SetBorderStyle,
                                          {{"bsNone", TFormBorderStyle::bsNone},
                                           {"bsSingle", TFormBorderStyle::bsSingle},
                                           {"bsSizeable", TFormBorderStyle::bsSizeable},
                                           {"bsDialog", TFormBorderStyle::bsDialog},
                                           {"bsToolWindow", TFormBorderStyle::bsToolWindow},
                                           {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}});
    c.Set<TCustomForm, TBorderIcon>("BorderIcons", &TCustomForm::SetBorderIcons,
                                    {{"biSystemMenu", TBorderIcon::biSystemMenu},
                                     {"biMinimize", TBorderIcon::biMinimize},
                                     {"biMaximize", TBorderIcon::biMaximize},
                                     {"biHelp", TBorderIcon::biHelp}});
    c.Enum<TCustomForm, TPosition>("Position", &TCustomForm::SetPosition,
                                   {{"poDesigned", TPosition::poDesigned},
                                    {"poDefault", TPosition::poDefault},
                                    {"poDefaultPosOnly", TPosition::poDefaultPosOnly},
                                    {"poDefaultSizeOnly", TPosition::poDefaultSizeOnly},
                                    {"poScreenCenter", TPosition::poScreenCenter},
                                    {"poDesktopCenter", TPosition::poDesktopCenter},
                                    {"poMainFormCenter", TPosition::poMainFormCenter},
                                    {"poOwnerFormCenter", TPosition::poOwnerFormCenter}});
    c.Integer<TCustomForm>("ClientWidth", &TCustomForm::SetClientWidth);
    c.Integer<TCustomForm>("ClientHeight", &TCustomForm::SetClientHeight);
    c.Integer<TCustomForm>("PixelsPerInch", &TCustomForm::SetPixelsPerInch);
    c.Boolean<TCustomForm>("Scaled", &TCustomForm::SetScaled);
    c.Integer<TCustomForm>("TextHeight", &TCustomForm::SetTextHeight);
    c.Event<TCustomForm>("OnShow", &TCustomForm::SetOnShow);
    c.Event<TCustomForm>("OnHide", &TCustomForm::SetOnHide);
  });
  return info;
}

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info("TForm", &TCustomForm::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  ControlStyle.Include(TControlStyleItem::csAcceptsControls);
  Screen().AddForm(this);
}

TCustomForm::~TCustomForm() { Screen().RemoveForm(this); }

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == FBorderIcons) return;
  FBorderIcons = icons;
  RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.ExStyle = WS_EX_CONTROLPARENT;
  params.WndParent = nullptr;
  params.ClassStyle = CS_DBLCLKS;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.Style |= WS_CAPTION; break;
    case TFormBorderStyle::bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.Style |= WS_CAPTION;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (FBorderStyle == TFormBorderStyle::bsNone) return;
  if (FBorderIcons.Contains(TBorderIcon::biSystemMenu)) params.Style |= WS_SYSMENU;
  const bool dialog = FBorderStyle == TFormBorderStyle::bsDialog || FBorderStyle == TFormBorderStyle::bsToolWindow ||
                      FBorderStyle == TFormBorderStyle::bsSizeToolWin;
  if (!dialog && FBorderIcons.Contains(TBorderIcon::biMinimize)) params.Style |= WS_MINIMIZEBOX;
  if (!dialog && FBorderIcons.Contains(TBorderIcon::biMaximize)) params.Style |= WS_MAXIMIZEBOX;
  if (FBorderIcons.Contains(TBorderIcon::biHelp) && !(params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
    params.ExStyle |= WS_EX_CONTEXTHELP;
}

void TCustomForm::CreateHandleContents() {
  TWinControl::CreateHandleContents();
  // A visible form whose window is re-created shows the new window at once.
  if (Visible() && ControlState.Contains(TControlStateItem::csRecreating)) ShowWindow(Handle(), SW_SHOW);
}

SIZE TCustomForm::FrameSize() const {
  TCreateParams params;
  const_cast<TCustomForm*>(this)->CreateParams(params);
  RECT rect{0, 0, 0, 0};
  AdjustWindowRectEx(&rect, params.Style, FALSE, params.ExStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  const SIZE frame = FrameSize();
  return {0, 0, Width() - frame.cx, Height() - frame.cy};
}

void TCustomForm::ApplyClientSize(int32_t width, int32_t height) {
  const SIZE frame = FrameSize();
  SetBounds(Left(), Top(), width + frame.cx, height + frame.cy);
}

void TCustomForm::ChangeScale(int32_t M, int32_t D) {
  if (M == D || M <= 0 || D <= 0) return;
  Font().SetHeight(MulDivRounded(Font().Height(), M, D));
  ScaleControls(M, D);
}

void TCustomForm::SetClientWidth(int32_t width) {
  if (ComponentState().Contains(TComponentStateItem::csLoading))
    FPendingClientWidth = width;
  else
    ApplyClientSize(width, ClientHeight());
}

void TCustomForm::SetClientHeight(int32_t height) {
  if (ComponentState().Contains(TComponentStateItem::csLoading))
    FPendingClientHeight = height;
  else
    ApplyClientSize(ClientWidth(), height);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  const int32_t screenPPI = Screen().PixelsPerInch();
  // Stored values outside any real display are left as they are.
  if (FScaled && FPixelsPerInch >= 24 && FPixelsPerInch <= 960 && screenPPI != FPixelsPerInch) {
    ChangeScale(screenPPI, FPixelsPerInch);
    if (FPendingClientWidth >= 0) FPendingClientWidth = MulDivRounded(FPendingClientWidth, screenPPI, FPixelsPerInch);
    if (FPendingClientHeight >= 0) FPendingClientHeight = MulDivRounded(FPendingClientHeight, screenPPI, FPixelsPerInch);
    FPixelsPerInch = screenPPI;
  }
  if (FPendingClientWidth >= 0 || FPendingClientHeight >= 0)
    ApplyClientSize(FPendingClientWidth >= 0 ? FPendingClientWidth : ClientWidth(),
                    FPendingClientHeight >= 0 ? FPendingClientHeight : ClientHeight());
  FPendingClientWidth = FPendingClientHeight = -1;
}

void TCustomForm::PlaceOnScreen() {
  if (FPlaced) return;
  FPlaced = true;
  RECT area{0, 0, Screen().Width(), Screen().Height()};
  TCustomForm* mainForm = Application().MainForm();
  if (FPosition == TPosition::poMainFormCenter && mainForm && mainForm != this && mainForm->HandleAllocated())
    GetWindowRect(mainForm->Handle(), &area);
  else if (FPosition != TPosition::poScreenCenter && FPosition != TPosition::poDesktopCenter &&
           FPosition != TPosition::poMainFormCenter)
    return;
  SetBounds(area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2,
            Width(), Height());
}

void TCustomForm::ShowingChanged() {
  if (Visible()) {
    HandleNeeded();
    PlaceOnScreen();
    DoShow();
    ShowWindow(Handle(), SW_SHOW);
    NotifyShowingChanged();
  } else {
    DoHide();
    if (!HandleAllocated()) return;
    ShowWindow(Handle(), SW_HIDE);
    NotifyShowingChanged();
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

bool TCustomForm::Active() const { return HandleAllocated() && GetActiveWindow() == const_cast<TCustomForm*>(this)->Handle(); }

void TCustomForm::FocusChanged(TWinControl* control) {
  // The control losing the focus drops whatever it was in the middle of.
  if (FActiveControl && FActiveControl != control)
    FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(control));
  SetActiveControlField(control);
  // Every control hears which one has the focus now.
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::SetActiveControlField(TWinControl* control) {
  if (FActiveControl == control) return;
  if (FActiveControl) RemoveFreeNotification(FActiveControl);
  FActiveControl = control;
  if (control) FreeNotification(control);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  SetActiveControlField(control);
  if (control && Active() && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FActiveControl) FActiveControl = nullptr;
}

void TCustomForm::Close() {
  if (this == Application().MainForm()) Application().Terminate();
  Hide();
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      ShowingChanged();
      return;
    case WM_CANCELMODE:
      if (FActiveControl) FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(FActiveControl));
      break;
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      // The control chosen while the form was hidden or inactive gets the focus.
      if (ActivationState(message) != WA_INACTIVE && FActiveControl && FActiveControl->CanFocus()) {
        ::SetFocus(FActiveControl->Handle());
        message.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
