#include "framework/WinControl.h"

#include <algorithm>
#include <map>

#include "base/StrUtils.h"
#include "base/WinHandles.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Form.h"
#include "framework/MessageParams.h"
#include "framework/WindowHost.h"

namespace {

const wchar_t kControlProperty[] = L"VelmoraControl";

// The control whose window is being created: it is bound to the first message.
thread_local TWinControl* CreationControl = nullptr;

// The procedure of each window class we registered: DefWindowProcW for our own
// classes, the system procedure for classes built on a system class.
// Window class names are compared without case, as the system does.
struct TacClassNameLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const { return _wcsicmp(a.c_str(), b.c_str()) < 0; }
};

std::map<std::wstring, WNDPROC, TacClassNameLess>& ClassProcedures() {
  static std::map<std::wstring, WNDPROC, TacClassNameLess> procedures;
  return procedures;
}

std::wstring WindowClassName(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<size_t>(std::max(length, 0)));
}

WNDPROC ClassProcedure(HWND window) {
  auto it = ClassProcedures().find(WindowClassName(window));
  return it != ClassProcedures().end() ? it->second : DefWindowProcW;
}

}  // namespace

LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control && CreationControl) {
    control = std::exchange(CreationControl, nullptr);
    control->FHandle = window;
    SetPropW(window, kControlProperty, control);
  }
  if (!control) return CallWindowProcW(ClassProcedure(window), window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  const TacMessageDelivery delivery(window, msg, wParam, lParam);
  // A copy: a handler may replace WindowProc while its message runs.
  const TWndMethod proc = control->WindowProc;
  DispatchGuarded([&] { proc(message); });
  if (msg == WM_NCDESTROY) control->HandleDestroyed();
  return message.Result;
}

namespace {

void RegisterWindowClass(const TCreateParams& params, WNDPROC& defaultProc) {
  auto known = ClassProcedures().find(params.WinClassName);
  if (known != ClassProcedures().end()) {
    defaultProc = known->second;
    return;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (params.SystemClass) {
    if (!GetClassInfoExW(nullptr, params.SystemClass, &wc))
      throw Exception("Window class " + WideToUtf8(params.SystemClass) + " not found");
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    defaultProc = wc.lpfnWndProc;
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The program's own icon (resource 1) when it has one.
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    defaultProc = DefWindowProcW;
  }
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = StdWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = params.WinClassName.c_str();
  wc.lpszMenuName = nullptr;
  if (!RegisterClassExW(&wc))
    throw Exception("Cannot register window class " + WideToUtf8(params.WinClassName) + " (system error " +
                    std::to_string(GetLastError()) + ")");
  ClassProcedures()[params.WinClassName] = defaultProc;
}

}  // namespace

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TClassInfo info("TWinControl", &TControl::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Boolean<TWinControl>("TabStop", &TWinControl::SetTabStop);
  });
  return info;
}

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  while (!FControls.empty()) delete FControls.back();
  if (FHandle) {
    // Whatever the window hears while it goes goes to its class, not to a
    // half-destroyed control.
    HWND window = std::exchange(FHandle, nullptr);
    RemovePropW(window, kControlProperty);
    DestroyWindow(window);
  }
}

TWinControl* TWinControl::FindControl(HWND window) {
  return window ? static_cast<TWinControl*>(GetPropW(window, kControlProperty)) : nullptr;
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  // The parent creates the windows of all its children with its own.
  if (Parent()) Parent()->HandleNeeded();
  if (FHandle) return;
  ControlState.Include(TControlStateItem::csCreating);
  try {
    CreateWnd();
    CreateHandleContents();
  } catch (...) {
    ControlState.Exclude(TControlStateItem::csCreating);
    throw;
  }
  ControlState.Exclude(TControlStateItem::csCreating);
}

void TWinControl::CreateParams(TCreateParams& params) {
  if (ControlStyle.Contains(TControlStyleItem::csSetCaption)) params.Caption = Utf8ToWide(TControl::GetText());
  params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->FHandle : nullptr;
  params.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.Style & WS_CHILD && !params.WndParent) throw Exception("Control " + Name() + " has no parent window");
  RegisterWindowClass(params, FDefWndProc);
  CreationControl = this;
  HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  CreationControl = nullptr;
  if (!window) throw Exception("Error creating window of " + (Name().empty() ? ClassName() : Name()));
  UpdateBoundsFromWindow();
}

void TWinControl::CreateHandleContents() {
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  std::vector<TWinControl*> windowed;
  for (TControl* control : FControls)
    if (auto* child = dynamic_cast<TWinControl*>(control)) windowed.push_back(child);
  // Windows are created in tab order, which makes it their dialog order too.
  std::stable_sort(windowed.begin(), windowed.end(), [](const TWinControl* a, const TWinControl* b) {
    const auto key = [](const TWinControl* c) { return c->TabOrder() < 0 ? INT32_MAX : c->TabOrder(); };
    return key(a) < key(b);
  });
  for (TWinControl* child : windowed) child->HandleNeeded();
}

void TWinControl::SaveWindowText() {
  if (!FHandle) return;
  TControl::StoreText(GetText());
  for (TControl* control : FControls)
    if (auto* child = dynamic_cast<TWinControl*>(control)) child->SaveWindowText();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  // What the user typed lives in the windows; keep it for the next ones.
  SaveWindowText();
  DestroyWindow(FHandle);
}

void TWinControl::HandleDestroyed() {
  RemovePropW(FHandle, kControlProperty);
  FHandle = nullptr;
  FTrackingMouse = false;
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  ControlState.Include(TControlStateItem::csRecreating);
  DestroyHandle();
  try {
    HandleNeeded();
  } catch (...) {
    ControlState.Exclude(TControlStateItem::csRecreating);
    throw;
  }
  ControlState.Exclude(TControlStateItem::csRecreating);
}

void TWinControl::NotifyShowingChanged() {
  Perform(CM_SHOWINGCHANGED);
  for (size_t i = 0; i < FControls.size(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(FControls[i]);
    if (child && child->FHandle && child->Visible()) child->NotifyShowingChanged();
  }
}

void TWinControl::InsertControl(TControl* control) {
  FControls.push_back(control);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (FHandle) {
    if (!windowed)
      control->Invalidate();
    else if (windowed->FHandle)
      ::SetParent(windowed->FHandle, FHandle);
    else
      windowed->HandleNeeded();
  }
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
  // A parent being destroyed frees its children and hears nothing more.
  if (!ComponentState().Contains(TComponentStateItem::csDestroying))
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
  control->Invalidate();
  std::erase(FControls, control);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->FHandle) windowed->DestroyHandle();
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    const RECT bounds = control->BoundsRect();
    if (!control->Visible() || (!allowDisabled && !control->Enabled()) || !PtInRect(&bounds, point)) continue;
    if (dynamic_cast<TWinControl*>(control) ||
        control->Perform(CM_HITTEST, 0, MousePointParam({point.x - bounds.left, point.y - bounds.top})) != 0)
      return control;
  }
  return nullptr;
}

bool TWinControl::HasGraphicChildren() const {
  return std::any_of(FControls.begin(), FControls.end(),
                     [](const TControl* c) { return !dynamic_cast<const TWinControl*>(c); });
}

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (FHandle) {
    LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(FHandle, GWL_STYLE, style);
  }
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent())
    if (!control->Visible() || !control->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && !form->Active()) {
    form->SetActiveControl(this);
    return;
  }
  if (!CanFocus()) throw Exception("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::ChangeScale(int32_t M, int32_t D) {
  TControl::ChangeScale(M, D);
  ScaleControls(M, D);
}

void TWinControl::ScaleControls(int32_t M, int32_t D) {
  if (M == D || M <= 0 || D <= 0) return;
  for (TControl* child : std::vector<TControl*>(FControls)) child->ChangeScale(M, D);
}

void TWinControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (!FHandle) {
    TControl::SetBounds(left, top, width, height);
    return;
  }
  UpdateBoundsRect({left, top, left + width, top + height});
  SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBoundsRect(const RECT& rect) { TControl::UpdateBoundsRect(rect); }

void TWinControl::UpdateBoundsFromWindow() {
  RECT rect{};
  GetWindowRect(FHandle, &rect);
  if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetParent(FHandle), reinterpret_cast<POINT*>(&rect), 2);
  UpdateBoundsRect(rect);
}

RECT TWinControl::ClientRect() const {
  RECT rect{0, 0, Width(), Height()};
  if (FHandle) GetClientRect(FHandle, &rect);
  return rect;
}

RECT TWinControl::ClientRectInWindow() const {
  RECT rect = ClientRect();
  if (!FHandle) return rect;
  RECT window{};
  GetWindowRect(FHandle, &window);
  MapWindowPoints(FHandle, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  OffsetRect(&rect, -window.left, -window.top);
  return rect;
}

bool TWinControl::Showing() const { return FHandle && IsWindowVisible(FHandle); }

POINT TWinControl::ClientToScreen(POINT point) const {
  if (!FHandle) return TControl::ClientToScreen(point);
  ::ClientToScreen(FHandle, &point);
  return point;
}

POINT TWinControl::ScreenToClient(POINT point) const {
  if (!FHandle) return TControl::ScreenToClient(point);
  ::ScreenToClient(FHandle, &point);
  return point;
}

void TWinControl::Invalidate() { Perform(CM_INVALIDATE); }

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

std::string TWinControl::GetText() const {
  if (!FHandle) return TControl::GetText();
  const int length = GetWindowTextLengthW(FHandle);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return WideToUtf8(text);
}

void TWinControl::StoreText(const std::string& text) {
  TControl::StoreText(text);
  if (FHandle) SetWindowTextW(FHandle, Utf8ToWide(text).c_str());
}

HBRUSH TWinControl::ColorBrush() {
  if (!FBrush || FBrushColor != Color()) {
    FBrush.Reset(CreateSolidBrush(ColorToRGB(Color())));
    FBrushColor = Color();
  }
  return FBrush.Get();
}

void TWinControl::CtlColorHandler(TMessage& message) {
  HDC dc = MessageDC(message);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
  SetBkColor(dc, ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(ColorBrush());
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  HandleNeeded();
  RECT window{};
  GetWindowRect(FHandle, &window);
  const RECT clientInWindow = ClientRectInWindow();
  const TacSavedDC saved(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x + x, origin.y + y, nullptr);
  RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
  IntersectClipRect(dc, 0, 0, frame.right, frame.bottom);
  if (GetWindowLongPtrW(FHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
  SetViewportOrgEx(dc, origin.x + x + clientInWindow.left, origin.y + y + clientInWindow.top, nullptr);
  const RECT client = ClientRect();
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
  if (FDefWndProc == DefWindowProcW) {
    Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  } else {
    // System classes clip to their client rectangle in device coordinates,
    // so they paint into a context of their own.
    TBitmap image(client.right, client.bottom);
    Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.Canvas().Handle()), PRF_CLIENT);
    BitBlt(dc, 0, 0, client.right, client.bottom, image.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  for (TControl* control : FControls) {
    auto* child = dynamic_cast<TWinControl*>(control);
    if (child && child->Visible()) child->PaintTo(dc, control->Left(), control->Top());
  }
}

void TWinControl::PaintWindow(HDC dc) {
  if (FDefWndProc == DefWindowProcW) return;
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : FControls) {
    if (dynamic_cast<TWinControl*>(control) || !control->Visible()) continue;
    const TacSavedDC saved(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + control->Left(), origin.y + control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  }
}

void TWinControl::PaintHandler(TMessage& message) {
  HDC dc = MessageDC(message);
  PAINTSTRUCT paint{};
  const bool ownDC = dc == nullptr;
  if (ownDC) dc = BeginPaint(FHandle, &paint);
  {
    const TacSavedDC saved(dc);
    PaintWindow(dc);
  }
  PaintControls(dc);
  if (ownDC) EndPaint(FHandle, &paint);
  message.Result = 0;
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
  const POINT point = MousePoint(message);
  TControl* captured = Application().CaptureControl();
  TControl* target = captured && captured->Parent() == this ? captured : ControlAtPos(point, true);
  if (dynamic_cast<TWinControl*>(target)) target = nullptr;
  if (message.Msg == WM_MOUSEMOVE) TrackMouse(target ? target : this);
  if (!target || (!target->Enabled() && target != captured)) return false;
  if (message.Msg == WM_LBUTTONDOWN && target->ControlStyle.Contains(TControlStyleItem::csCaptureMouse)) {
    SetCapture(FHandle);
    Application().SetCaptureControl(target);
  }
  message.Result = target->Perform(message.Msg, message.WParam,
                                   MousePointParam({point.x - target->Left(), point.y - target->Top()}));
  if (message.Msg == WM_LBUTTONUP && Application().CaptureControl() == target) {
    Application().SetCaptureControl(nullptr);
    ReleaseCapture();
  }
  return true;
}

void TWinControl::TrackMouse(TControl* target) {
  Application().SetMouseControl(target);
  if (FTrackingMouse) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
  FTrackingMouse = TrackMouseEvent(&track) != FALSE;
}

bool TWinControl::SetCursorFromControl(TMessage& message) {
  if (CursorWindow(message) != FHandle || CursorHitTest(message) != HTCLIENT) return false;
  POINT point{};
  GetCursorPos(&point);
  TControl* control = ControlAtPos(ScreenToClient(point), true);
  TCursor cursor = control && !dynamic_cast<TWinControl*>(control) ? control->Cursor() : crDefault;
  if (cursor == crDefault) cursor = Cursor();
  if (cursor == crDefault) return false;
  ::SetCursor(CursorHandle(cursor));
  message.Result = TRUE;
  return true;
}

void TWinControl::ReflectToChild(TMessage& message, HWND child) {
  TWinControl* control = FindControl(child);
  if (control && control != this)
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  else
    TControl::WndProc(message);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (HasGraphicChildren()) return PaintHandler(message);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      if (RouteMouseToChild(message)) return;
      break;
    case WM_MOUSELEAVE: {
      FTrackingMouse = false;
      TControl* current = Application().MouseControl();
      if (current == this || (current && current->Parent() == this && !dynamic_cast<TWinControl*>(current))) {
        POINT cursor{};
        GetCursorPos(&cursor);
        HWND under = WindowFromPoint(cursor);
        Application().SetMouseControl(under != FHandle ? FindControl(under) : nullptr);
      }
      break;
    }
    case WM_SETCURSOR:
      if (SetCursorFromControl(message)) return;
      break;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (HWND child = ChildWindowParam(message)) return ReflectToChild(message, child);
      // The dialog manager's Enter and Escape, with no button of those identifiers.
      if (message.Msg == WM_COMMAND && !Parent() && (LOWORD(message.WParam) == IDOK || LOWORD(message.WParam) == IDCANCEL)) {
        Perform(CM_DIALOGKEY, LOWORD(message.WParam) == IDOK ? VK_RETURN : VK_ESCAPE);
        message.Result = 0;
        return;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = LParamPointer<const DRAWITEMSTRUCT>(message);
      if (item && item->CtlType != ODT_MENU) return ReflectToChild(message, item->hwndItem);
      break;
    }
    case WM_NOTIFY: {
      const auto* header = LParamPointer<const NMHDR>(message);
      if (header) return ReflectToChild(message, header->hwndFrom);
      break;
    }
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
      return CtlColorHandler(message);
    case WM_ERASEBKGND:
      // Our own window classes have no class brush: the background is Color.
      if (FDefWndProc == DefWindowProcW) {
        const RECT client = ClientRect();
        FillRect(MessageDC(message), &client, ColorBrush());
        message.Result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      UpdateBoundsFromWindow();
      break;
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form && form != this) form->FocusChanged(this);
      Perform(CM_ENTER);
      break;
    case WM_KILLFOCUS:
      Perform(CM_EXIT);
      break;
    case CM_FONTCHANGED:
      if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
      for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->Perform(CM_PARENTFONTCHANGED);
      break;
    case CM_COLORCHANGED:
      for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->Perform(CM_PARENTCOLORCHANGED);
      break;
    case CM_ENABLEDCHANGED:
      if (FHandle) EnableWindow(FHandle, Enabled());
      break;
    case CM_VISIBLECHANGED:
      if (FHandle) {
        ShowWindow(FHandle, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (!Parent() || Parent()->Showing()) NotifyShowingChanged();
      }
      break;
    case CM_FOCUSCHANGED:
      for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->Perform(message.Msg, message.WParam, message.LParam);
      break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      // Offered to the children until one of them takes the key.
      for (size_t i = 0; i < FControls.size() && !message.Result; ++i)
        if (FControls[i]->Visible() && FControls[i]->Enabled())
          message.Result = FControls[i]->Perform(message.Msg, message.WParam, message.LParam);
      return;
    case CM_RECREATEWND:
      return RecreateWnd();
    case CM_INVALIDATE:
      if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
      return;
    default:
      break;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (FHandle) message.Result = CallWindowProcW(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

void TCustomControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT || message.Msg == WM_PRINTCLIENT) return PaintHandler(message);
  TWinControl::WndProc(message);
}

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas.SetHandle(dc);
  FCanvas.Font().Assign(Font());
  FCanvas.Brush.Color = Color();
  FCanvas.Brush.Style = TBrushStyle::bsSolid;
  Paint();
  FCanvas.SetHandle(nullptr);
}
