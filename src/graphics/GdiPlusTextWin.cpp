#include "graphics/GdiPlusTextWin.h"

#include <climits>
#include <cmath>
#include <optional>

#include "graphics/GdiPlusWin.h"

namespace {

// A GDI+ font and string format made from a device context and DrawTextW flags.
class TextLayout {
 public:
  TextLayout(const TacGdiPlus& g, HDC fontDC, UINT flags) : G(g) {
    if (G.CreateFontFromDC(fontDC, &Font) != 0) Font = nullptr;
    if (G.CreateStringFormat(0, LANG_NEUTRAL, &Format) != 0) {
      Format = nullptr;
      return;
    }
    const INT align = (flags & DT_CENTER) ? kGpStringAlignmentCenter
                      : (flags & DT_RIGHT) ? kGpStringAlignmentFar
                                           : kGpStringAlignmentNear;
    const INT lineAlign = (flags & DT_VCENTER) ? kGpStringAlignmentCenter
                          : (flags & DT_BOTTOM) ? kGpStringAlignmentFar
                                                : kGpStringAlignmentNear;
    G.SetStringFormatAlign(Format, align);
    G.SetStringFormatLineAlign(Format, lineAlign);
    INT formatFlags = 0;
    if (!(flags & DT_WORDBREAK)) formatFlags |= kGpStringFormatFlagsNoWrap;
    if (flags & DT_RTLREADING) formatFlags |= kGpStringFormatFlagsDirectionRightToLeft;
    G.SetStringFormatFlags(Format, formatFlags);
    if (flags & DT_END_ELLIPSIS) G.SetStringFormatTrimming(Format, kGpStringTrimmingEllipsisCharacter);
    G.SetStringFormatHotkeyPrefix(Format, (flags & DT_NOPREFIX) ? kGpHotkeyPrefixNone : kGpHotkeyPrefixShow);
  }
  ~TextLayout() {
    if (Format) G.DeleteStringFormat(Format);
    if (Font) G.DeleteFont(Font);
  }
  TextLayout(const TextLayout&) = delete;
  TextLayout& operator=(const TextLayout&) = delete;

  bool Ready() const { return Font && Format; }

  const TacGdiPlus& G;
  void* Font = nullptr;
  void* Format = nullptr;
};

INT TextLength(std::wstring_view text) { return text.size() > INT_MAX ? INT_MAX : static_cast<INT>(text.size()); }

}  // namespace

bool GdiPlusDrawText(HDC FontDC, std::wstring_view Text, const TRect& Rect, UINT Flags, TacPixel Color,
                     TacWorkBitmap* Target) {
  const TacGdiPlus* g = LoadGdiPlus();
  if (!g || !FontDC) return false;
  if (Text.empty()) return true;
  TextLayout layout(*g, FontDC, Flags);
  if (!layout.Ready()) return false;
  std::optional<TacGdiPlusCanvas> canvas;
  if (Target)
    canvas.emplace(*g, *Target);
  else
    canvas.emplace(*g, FontDC);
  if (!canvas->Graphics) return false;
  g->SetTextRenderingHint(canvas->Graphics, kGpTextRenderingHintAntiAliasGridFit);
  void* brush = nullptr;
  if (g->CreateSolidFill(Color, &brush) != 0) return false;
  const GpRectF box{float(Rect.Left), float(Rect.Top), float(Rect.Width()) + 1, float(Rect.Height()) + 1};
  const bool drawn = g->DrawString(canvas->Graphics, Text.data(), TextLength(Text), layout.Font, &box, layout.Format,
                                   brush) == 0;
  g->DeleteBrush(brush);
  return drawn;
}

bool GdiPlusMeasureText(HDC FontDC, std::wstring_view Text, int32_t Width, UINT Flags, TSize& Size) {
  const TacGdiPlus* g = LoadGdiPlus();
  if (!g || !FontDC) return false;
  TextLayout layout(*g, FontDC, Flags);
  if (!layout.Ready()) return false;
  const TacGdiPlusCanvas canvas(*g, FontDC);
  if (!canvas.Graphics) return false;
  g->SetTextRenderingHint(canvas.Graphics, kGpTextRenderingHintAntiAliasGridFit);
  const GpRectF box{0, 0, Width > 0 ? float(Width) : 0.0f, 0};
  GpRectF bounds{};
  INT fitted = 0, lines = 0;
  if (g->MeasureString(canvas.Graphics, Text.data(), TextLength(Text), layout.Font, &box, layout.Format, &bounds,
                       &fitted, &lines) != 0)
    return false;
  Size = {static_cast<int32_t>(std::ceil(bounds.Width)), static_cast<int32_t>(std::ceil(bounds.Height))};
  return true;
}
