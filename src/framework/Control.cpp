#include "framework/Control.h"

#include "base/StrUtils.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/MessageParams.h"
#include "framework/WinControl.h"
#include "framework/WindowHost.h"

const TIdentTable<TAlignment> kAlignmentIdents{{"taLeftJustify", TAlignment::taLeftJustify},
                                               {"taRightJustify", TAlignment::taRightJustify},
                                               {"taCenter", TAlignment::taCenter}};
const TIdentTable<TVerticalAlignment> kVerticalAlignmentIdents{
    {"taAlignTop", TVerticalAlignment::taAlignTop},
    {"taAlignBottom", TVerticalAlignment::taAlignBottom},
    {"taVerticalCenter", TVerticalAlignment::taVerticalCenter}};
const TIdentTable<TBevelCut> kBevelIdents{{"bvNone", TBevelCut::bvNone},
                                          {"bvLowered", TBevelCut::bvLowered},
                                          {"bvRaised", TBevelCut::bvRaised},
                                          {"bvSpace", TBevelCut::bvSpace}};

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info("TControl", &TComponent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Integer<TControl>("Left", &TControl::SetLeft);
    c.Integer<TControl>("Top", &TControl::SetTop);
    c.Integer<TControl>("Width", &TControl::SetWidth);
    c.Integer<TControl>("Height", &TControl::SetHeight);
    c.Boolean<TControl>("Visible", &TControl::SetVisible);
    c.Boolean<TControl>("Enabled", &TControl::SetEnabled);
    c.String<TControl>("Caption", &TControl::SetCaption);
    c.String<TControl>("Text", &TControl::SetText);
    c.Object<TControl, TFont>("Font", &TControl::Font);
    c.Color<TControl>("Color", &TControl::SetColor);
    c.Boolean<TControl>("ParentColor", &TControl::SetParentColor);
    c.Boolean<TControl>("ParentFont", &TControl::SetParentFont);
    c.Cursor<TControl>("Cursor", &TControl::SetCursor);
    c.Integer<TControl>("TabOrder", &TControl::SetTabOrder);
    c.Event<TControl>("OnClick", &TControl::SetOnClick);
    c.Event<TControl>("OnMouseEnter", &TControl::SetOnMouseEnter);
    c.Event<TControl>("OnMouseLeave", &TControl::SetOnMouseLeave);
  });
  return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      ControlStyle{TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                   TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks},
      WindowProc([this](TMessage& message) { WndProc(message); }) {
  FFont.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  Application().ControlDestroyed(this);
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw Exception("A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  FParent = parent;
  if (!parent) return;
  parent->InsertControl(this);
  Perform(CM_PARENTCOLORCHANGED);
  Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  UpdateBoundsRect({left, top, left + width, top + height});
  Invalidate();
}

void TControl::ChangeScale(int32_t M, int32_t D) {
  if (M == D || M <= 0 || D <= 0) return;
  SetBounds(MulDivRounded(FLeft, M, D), MulDivRounded(FTop, M, D), MulDivRounded(FWidth, M, D),
            MulDivRounded(FHeight, M, D));
  if (!FParentFont) FFont.SetHeight(MulDivRounded(FFont.Height(), M, D));
}

void TControl::UpdateBoundsRect(const RECT& rect) {
  FLeft = rect.left;
  FTop = rect.top;
  FWidth = rect.right - rect.left;
  FHeight = rect.bottom - rect.top;
}

POINT TControl::ClientToScreen(POINT point) const {
  if (!FParent) return point;
  return FParent->ClientToScreen({point.x + FLeft, point.y + FTop});
}

POINT TControl::ScreenToClient(POINT point) const {
  if (!FParent) return point;
  const POINT inParent = FParent->ScreenToClient(point);
  return {inParent.x - FLeft, inParent.y - FTop};
}

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  if (!visible) Invalidate();
  FVisible = visible;
  Perform(CM_VISIBLECHANGED, visible);
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (text == GetText()) return;
  StoreText(text);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
  FParentColor = false;
  if (color == FColor) return;
  FColor = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  if (value) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  if (value) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == FCursor) return;
  FCursor = cursor;
  Perform(CM_CURSORCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  const TacMessageDelivery delivery(true);
  // A copy: a handler may replace WindowProc while its message runs.
  const TWndMethod proc = WindowProc;
  proc(message);
  return message.Result;
}

void TControl::Invalidate() {
  if (FVisible && FParent && FParent->HandleAllocated()) {
    const RECT bounds = BoundsRect();
    InvalidateRect(FParent->Handle(), &bounds, TRUE);
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::FontChanged() {
  if (!FAdoptingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (ControlStyle.Contains(TControlStyleItem::csClickEvents))
        ControlState.Include(TControlStateItem::csClicked);
      ControlState.Include(TControlStateItem::csLButtonDown);
      break;
    case WM_LBUTTONUP: {
      ControlState.Exclude(TControlStateItem::csLButtonDown);
      if (ControlState.Contains(TControlStateItem::csClicked)) {
        ControlState.Exclude(TControlStateItem::csClicked);
        const POINT point = MousePoint(message);
        const RECT client = ClientRect();
        if (FEnabled && PtInRect(&client, point)) Click();
      }
      break;
    }
    case CM_HITTEST:
      message.Result = 1;
      return;
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor && FParent && FParent->FColor != FColor) {
        FColor = FParent->FColor;
        Perform(CM_COLORCHANGED);
      }
      break;
    case CM_PARENTFONTCHANGED:
      if (FParentFont && FParent) {
        FAdoptingParentFont = true;
        FFont.Assign(FParent->FFont);
        FAdoptingParentFont = false;
      }
      break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

TCustomForm* GetParentForm(const TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(control));
}
