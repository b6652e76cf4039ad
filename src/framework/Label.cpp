#include "framework/Label.h"

#include <utility>

#include "base/WinHandles.h"
#include "framework/WinControl.h"

const TClassInfo& TCustomLabel::StaticClassInfo() {
  static const TClassInfo info("TCustomLabel", &TGraphicControl::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Enum<TCustomLabel, TAlignment>("Alignment", &TCustomLabel::SetAlignment, kAlignmentIdents);
    c.Boolean<TCustomLabel>("AutoSize", &TCustomLabel::SetAutoSize);
    c.Boolean<TCustomLabel>("WordWrap", &TCustomLabel::SetWordWrap);
    c.Boolean<TCustomLabel>("Transparent", &TCustomLabel::SetTransparent);
    c.Enum<TCustomLabel, TTextLayout>(
        "Layout", &TCustomLabel::SetLayout,
        {{"tlTop", TTextLayout::tlTop}, {"tlCenter", TTextLayout::tlCenter}, {"tlBottom", TTextLayout::tlBottom}});
    c.Boolean<TCustomLabel>("ShowAccelChar", &TCustomLabel::SetShowAccelChar);
    c.Enum<TCustomLabel, TEllipsisPosition>("EllipsisPosition", &TCustomLabel::SetEllipsisPosition,
                                            {{"epNone", TEllipsisPosition::epNone},
                                             {"epPathEllipsis", TEllipsisPosition::epPathEllipsis},
                                             {"epEndEllipsis", TEllipsisPosition::epEndEllipsis},
                                             {"epWordEllipsis", TEllipsisPosition::epWordEllipsis}});
  });
  return info;
}

const TClassInfo& TLabel::StaticClassInfo() {
  static const TClassInfo info("TLabel", &TCustomLabel::StaticClassInfo(),
                               [](TComponent* owner) { return new TLabel(owner); }, nullptr);
  return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle.Include(TControlStyleItem::csReplicatable);
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  FTransparent = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
  FLayout = layout;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition position) {
  FEllipsisPosition = position;
  Invalidate();
}

UINT TCustomLabel::DrawTextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (FEllipsisPosition != TEllipsisPosition::epNone && !FAutoSize) {
    flags &= ~DT_EXPANDTABS;
    flags |= FEllipsisPosition == TEllipsisPosition::epPathEllipsis  ? DT_PATH_ELLIPSIS
             : FEllipsisPosition == TEllipsisPosition::epEndEllipsis ? DT_END_ELLIPSIS
                                                                     : DT_WORD_ELLIPSIS;
  }
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  if (FAlignment == TAlignment::taCenter) flags |= DT_CENTER;
  if (FAlignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  return flags;
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(TComponentStateItem::csLoading)) return;
  FMeasuredShape = CurrentShape();
  const TacWindowDC screen(nullptr);
  Canvas().SetHandle(screen.Get());
  Canvas().Font().Assign(Font());
  RECT rect{0, 0, FWordWrap ? Width() : 0, 0};
  // An empty label keeps the height of one line.
  const std::string caption = Caption();
  const std::string_view text = caption.empty() ? std::string_view(" ") : std::string_view(caption);
  Canvas().DrawText(text, rect, DrawTextFlags() | DT_CALCRECT);
  Canvas().SetHandle(nullptr);
  int32_t left = Left();
  if (FAlignment == TAlignment::taRightJustify) left += Width() - rect.right;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TCustomLabel::Paint() {
  RECT rect = ClientRect();
  if (!FTransparent) Canvas().FillRect(rect);
  Canvas().Brush.Style = TBrushStyle::bsClear;
  const std::string text = Caption();
  if (FLayout != TTextLayout::tlTop) {
    RECT measured = rect;
    Canvas().DrawText(text, measured, DrawTextFlags() | DT_CALCRECT);
    const int32_t free = rect.bottom - measured.bottom;
    rect.top += FLayout == TTextLayout::tlCenter ? free / 2 : free;
  }
  if (!Enabled()) Canvas().Font().SetColor(clGrayText);
  Canvas().DrawText(text, rect, DrawTextFlags());
}

void TCustomLabel::ChangeScale(int32_t M, int32_t D) {
  TGraphicControl::ChangeScale(M, D);
  if (ComponentState().Contains(TComponentStateItem::csLoading))
    FScaledWhileLoading = true;
  else
    AdjustBounds();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  FMeasuredShape = CurrentShape();
  if (std::exchange(FScaledWhileLoading, false)) AdjustBounds();
}

TCustomLabel::TFontShape TCustomLabel::CurrentShape() {
  return {Font().Name(), Font().Height(), Font().Style(), Font().Charset()};
}

void TCustomLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED || (message.Msg == CM_FONTCHANGED && CurrentShape() != FMeasuredShape))
    AdjustBounds();
  TGraphicControl::WndProc(message);
}
