#include "framework/Panel.h"

#include <algorithm>

const TClassInfo& TCustomPanel::StaticClassInfo() {
  static const TClassInfo info("TCustomPanel", &TCustomControl::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Enum<TCustomPanel, TAlignment>("Alignment", &TCustomPanel::SetAlignment, kAlignmentIdents);
    c.Enum<TCustomPanel, TBevelCut>("BevelInner", &TCustomPanel::SetBevelInner, kBevelIdents);
    c.Enum<TCustomPanel, TBevelCut>("BevelOuter", &TCustomPanel::SetBevelOuter, kBevelIdents);
    c.Integer<TCustomPanel>("BevelWidth", &TCustomPanel::SetBevelWidth);
    c.Integer<TCustomPanel>("BorderWidth", &TCustomPanel::SetBorderWidth);
    c.Boolean<TCustomPanel>("ShowCaption", &TCustomPanel::SetShowCaption);
    c.Enum<TCustomPanel, TVerticalAlignment>("VerticalAlignment", &TCustomPanel::SetVerticalAlignment,
                                             kVerticalAlignmentIdents);
  });
  return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
  static const TClassInfo info("TPanel", &TCustomPanel::StaticClassInfo(),
                               [](TComponent* owner) { return new TPanel(owner); }, nullptr);
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  ControlStyle.Include(TControlStyleItem::csAcceptsControls);
  ControlStyle.Include(TControlStyleItem::csOpaque);
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
  FBevelInner = bevel;
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
  FBevelOuter = bevel;
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int32_t width) {
  FBevelWidth = width < 1 ? 1 : width;
  Invalidate();
}

void TCustomPanel::SetBorderWidth(int32_t width) {
  // A border wider than any panel only hides the caption.
  FBorderWidth = std::clamp(width, 0, 1000);
  Invalidate();
}

void TCustomPanel::SetShowCaption(bool value) {
  FShowCaption = value;
  Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment alignment) {
  FVerticalAlignment = alignment;
  Invalidate();
}

RECT TCustomPanel::CaptionRect() const {
  RECT rect = ClientRect();
  const int32_t bevels = (FBevelInner != TBevelCut::bvNone) + (FBevelOuter != TBevelCut::bvNone);
  const int32_t inset = FBevelWidth * bevels + FBorderWidth;
  InflateRect(&rect, -inset, -inset);
  return rect;
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  // Tab moves into the panel's children.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TCustomPanel::PaintBevel(RECT& rect, TBevelCut bevel) {
  if (bevel == TBevelCut::bvNone) return;
  const TColor topLeft = bevel == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
  const TColor bottomRight = bevel == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
  for (int32_t i = 0; i < FBevelWidth; ++i) {
    if (bevel != TBevelCut::bvSpace) {
      Canvas().Pen.Color = topLeft;
      Canvas().MoveTo(rect.left, rect.bottom - 1);
      Canvas().LineTo(rect.left, rect.top);
      Canvas().LineTo(rect.right, rect.top);
      Canvas().Pen.Color = bottomRight;
      Canvas().MoveTo(rect.right - 1, rect.top);
      Canvas().LineTo(rect.right - 1, rect.bottom - 1);
      Canvas().LineTo(rect.left - 1, rect.bottom - 1);
    }
    InflateRect(&rect, -1, -1);
  }
}

void TCustomPanel::Paint() {
  RECT rect = ClientRect();
  Canvas().FillRect(rect);
  PaintBevel(rect, FBevelOuter);
  InflateRect(&rect, -FBorderWidth, -FBorderWidth);
  PaintBevel(rect, FBevelInner);
  const std::string caption = Caption();
  if (caption.empty() || !FShowCaption) return;
  UINT format = DT_SINGLELINE | DT_NOPREFIX;
  format |= FVerticalAlignment == TVerticalAlignment::taVerticalCenter ? DT_VCENTER
            : FVerticalAlignment == TVerticalAlignment::taAlignBottom  ? DT_BOTTOM
                                                                       : DT_TOP;
  format |= FAlignment == TAlignment::taCenter ? DT_CENTER : FAlignment == TAlignment::taRightJustify ? DT_RIGHT : DT_LEFT;
  Canvas().Brush.Style = TBrushStyle::bsClear;
  Canvas().DrawText(caption, rect, format);
}
