#include "core/SkinText.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/StrUtils.h"
#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "framework/Canvas.h"
#include "graphics/Clip.h"
#include "graphics/ColorOps.h"
#include "graphics/ColorTransforms.h"
#include "graphics/GdiPlusTextWin.h"
#include "graphics/WorkBitmapDib.h"

namespace {

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

int UnitCount(const std::wstring& units) { return static_cast<int>(units.size()); }

// Straight-alpha composition of Color over D at coverage A (0..255), the
// result's alpha already decided. Over an opaque pixel it is the plain
// mix (A x c + (256 - A) x d) div 256 per channel.
TacPixel Compose(TacPixel D, TColor Color, uint32_t Coverage, uint32_t NewAlpha) {
  const uint32_t c[3] = {static_cast<uint32_t>(Color >> 16) & 0xFF, static_cast<uint32_t>(Color >> 8) & 0xFF,
                         static_cast<uint32_t>(Color) & 0xFF};  // B, G, R
  const uint32_t d[3] = {Blue(D), Green(D), Red(D)};
  const uint32_t dA = Alpha(D);
  uint32_t out[3];
  if (dA == 255) {
    for (int k = 0; k < 3; ++k) out[k] = (Coverage * c[k] + (256 - Coverage) * d[k]) >> 8;
  } else {
    const uint32_t ws = Coverage * 255, wd = dA * (255 - Coverage);
    if (ws + wd == 0) return WithAlpha(D, NewAlpha);
    for (int k = 0; k < 3; ++k) out[k] = (c[k] * ws + d[k] * wd) / (ws + wd);
  }
  return MakePixel(std::min(out[2], 255u), std::min(out[1], 255u), std::min(out[0], 255u), NewAlpha);
}

// Text drawn black on white into Mask (the size of Visible) as it would lie in Rect.
void RenderTextMask(TacWorkBitmap& Mask, HFONT Font, const std::wstring& Units, const TRect& Rect, TPoint Origin,
                    UINT Flags) {
  Mask.Fill(0xFFFFFFFFu);
  const HDC dc = WorkBitmapDC(Mask);
  if (!dc) return;
  const TacSelectedObject font(dc, Font);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT rect{Rect.Left - Origin.X, Rect.Top - Origin.Y, Rect.Right - Origin.X, Rect.Bottom - Origin.Y};
  std::wstring text = Units;
  DrawTextW(dc, text.data(), UnitCount(text), &rect, Flags & ~(acAlphaTextFlag | DT_CALCRECT));
  GdiFlush();
}

uint32_t Luminance(TacPixel P) { return (299 * Red(P) + 587 * Green(P) + 114 * Blue(P) + 500) / 1000; }

// One pass of the box blur over a line of N values Stride apart.
void BlurLine(std::vector<uint8_t>& Values, size_t Start, size_t Count, size_t Stride, int32_t Half,
              std::vector<uint8_t>& Line) {
  Line.resize(Count);
  for (size_t i = 0; i < Count; ++i) Line[i] = Values[Start + i * Stride];
  const int32_t width = 2 * Half + 1;
  const auto last = static_cast<int64_t>(Count) - 1;
  for (size_t i = 0; i < Count; ++i) {
    uint32_t sum = 0;
    for (int32_t j = -Half; j <= Half; ++j) sum += Line[static_cast<size_t>(std::clamp<int64_t>(int64_t(i) + j, 0, last))];
    Values[Start + i * Stride] = static_cast<uint8_t>(std::min<uint32_t>((sum + width / 2) / width, 255));
  }
}

}  // namespace

std::wstring DrawTextUnits(std::string_view Text) {
  std::wstring units = Utf8ToWide(Text);
  if (units.size() > acMaxDrawTextLength) {
    size_t length = acMaxDrawTextLength;
    if (IsHighSurrogate(units[length - 1])) --length;
    units.resize(length);
  }
  return units;
}

int32_t DrawSkinText(HDC DC, std::string_view Text, TRect& Rect, TacWorkBitmap* Bitmap, UINT Flags) {
  if (Flags & acAlphaTextFlag) {
    DrawTextAlpha(DC, Text, Rect, Bitmap, Flags & ~acAlphaTextFlag);
    return Rect.Height();
  }
  if (!DC) return 0;
  std::wstring units = DrawTextUnits(Text);
  RECT rect{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  const int height = DrawTextW(DC, units.data(), UnitCount(units), &rect, Flags);
  if (Flags & DT_CALCRECT) Rect = {rect.left, rect.top, rect.right, rect.bottom};
  return height;
}

void DrawTextAlpha(HDC DC, std::string_view Text, TRect& Rect, TacWorkBitmap* Bitmap, UINT Flags) {
  if (!DC) return;
  Flags &= ~acAlphaTextFlag;
  const std::wstring units = DrawTextUnits(Text);
  if (Flags & DT_CALCRECT) {
    TSize size;
    const int32_t width = (Flags & DT_WORDBREAK) ? Rect.Width() : 0;
    if (GdiPlusMeasureText(DC, units, width, Flags, size)) {
      Rect.Right = SaturatedAdd(Rect.Left, size.cx);
      Rect.Bottom = SaturatedAdd(Rect.Top, size.cy);
    } else {
      DrawSkinText(DC, Text, Rect, nullptr, Flags);
    }
    return;
  }
  const COLORREF textColor = GetTextColor(DC);
  TacPixel color = PixelOfColor(static_cast<TColor>(textColor));
  if (Alpha(color) == 0) color = WithAlpha(color, 255);
  if (Bitmap) GdiFlush();
  if (GdiPlusDrawText(DC, units, Rect, Flags, color, Bitmap)) return;
  if (Bitmap)
    DrawTextOnAlphaBitmap(*Bitmap, static_cast<HFONT>(GetCurrentObject(DC, OBJ_FONT)), Text, false,
                          static_cast<TColor>(textColor & 0xFFFFFF), Flags, Rect);
}

void DrawTextOnAlphaBitmap(TacWorkBitmap& Bitmap, HFONT Font, std::string_view Text, bool AlphaMode, TColor Color,
                           UINT Flags, const TRect& Rect) {
  if (Text.empty() || Rect.IsEmpty()) return;
  const std::optional<TRect> visible = ClipToBitmap(Rect, Bitmap);
  if (!visible) return;
  TacWorkBitmap mask(visible->Width(), visible->Height());
  RenderTextMask(mask, Font, DrawTextUnits(Text), Rect, {visible->Left, visible->Top}, Flags);
  const TColor color = ColorToRGB(Color);
  GdiFlush();
  for (int32_t y = 0; y < mask.Height(); ++y) {
    const TacPixel* m = mask.Row(y);
    TacPixel* d = Bitmap.Row(visible->Top + y) + visible->Left;
    for (int32_t x = 0; x < mask.Width(); ++x) {
      const TacPixel mp = m[x] & 0x00FFFFFFu;
      if (mp == 0x00FFFFFFu) continue;
      if (!AlphaMode) {
        // Sub-pixel text keeps its channels: each channel mixes by its own coverage.
        const uint32_t mk[3] = {Blue(mp), Green(mp), Red(mp)};
        const uint32_t c[3] = {static_cast<uint32_t>(color >> 16) & 0xFF, static_cast<uint32_t>(color >> 8) & 0xFF,
                               static_cast<uint32_t>(color) & 0xFF};
        const uint32_t dk[3] = {Blue(d[x]), Green(d[x]), Red(d[x])};
        uint32_t out[3];
        for (int k = 0; k < 3; ++k) out[k] = (mk[k] * dk[k] + (256 - mk[k]) * c[k]) >> 8;
        d[x] = MakePixel(out[2], out[1], out[0], 255);
        continue;
      }
      const uint32_t dA = Alpha(d[x]);
      if (mp == 0) {
        d[x] = Compose(d[x], color, 255, dA == 255 ? 255 : 254);
        continue;
      }
      const uint32_t u = Luminance(mp);
      d[x] = Compose(d[x], color, 256 - u, std::max(255 - u, dA));
    }
  }
}

int32_t GlowKernelHalfWidth(int32_t GlowSize) {
  if (GlowSize <= 0) return 1;
  int32_t largest = 0;
  for (int32_t i = 1; i <= 16; ++i) {
    const double ratio = static_cast<double>(i) / GlowSize;
    if (std::lround(std::exp(-ratio * ratio / 2)) > 0) largest = i;
  }
  return std::clamp(largest - 1, 1, 15);
}

void DrawTextGlow(TacWorkBitmap& Bitmap, HFONT Font, std::string_view Text, const TRect& Rect,
                  TacWorkBitmap* MaskCache, TColor GlowColor, int32_t GlowSize, uint8_t Sides, UINT Flags) {
  if (Text.empty() || GlowSize <= 0 || Bitmap.Empty()) return;
  GlowSize = std::min(GlowSize, 255);
  const int32_t margin = GlowSize + 4;
  const TRect r{SaturatedAdd(Rect.Left, 1), SaturatedAdd(Rect.Top, 1), SaturatedAdd(Rect.Right, 1),
                SaturatedAdd(Rect.Bottom, 1)};
  // The mask covers the glow's reach, but never more of it than can land in the bitmap.
  const TRect reach{SaturatedAdd(r.Left, -margin), SaturatedAdd(r.Top, -margin), SaturatedAdd(r.Right, margin),
                    SaturatedAdd(r.Bottom, margin)};
  const int32_t slack = margin + 16;
  const TRect usable{std::max(reach.Left, -slack), std::max(reach.Top, -slack),
                     std::min(reach.Right, SaturatedAdd(Bitmap.Width(), slack)),
                     std::min(reach.Bottom, SaturatedAdd(Bitmap.Height(), slack))};
  if (usable.IsEmpty()) return;
  TacWorkBitmap local;
  TacWorkBitmap& mask = MaskCache ? *MaskCache : local;
  mask.EnsureSize(usable.Width(), usable.Height());
  mask.Fill(0xFFFFFFFFu);
  const std::wstring units = DrawTextUnits(Text);
  const HDC dc = WorkBitmapDC(mask);
  if (!dc) return;
  {
    const TacSelectedObject font(dc, Font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    const TPoint offsets[5] = {{0, 0}, {-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    const uint8_t bits[5] = {0, tgLeft, tgUp, tgRight, tgDown};
    for (int i = 0; i < 5; ++i) {
      if (i > 0 && !(Sides & bits[i])) continue;
      RECT rect{r.Left - usable.Left + offsets[i].X, r.Top - usable.Top + offsets[i].Y,
                r.Right - usable.Left + offsets[i].X, r.Bottom - usable.Top + offsets[i].Y};
      std::wstring text = units;
      DrawTextW(dc, text.data(), UnitCount(text), &rect, Flags & ~(acAlphaTextFlag | DT_CALCRECT));
    }
  }
  GdiFlush();

  const auto w = static_cast<size_t>(mask.Width()), h = static_cast<size_t>(mask.Height());
  std::vector<uint8_t> values(w * h);
  for (size_t y = 0; y < h; ++y)
    for (size_t x = 0; x < w; ++x) values[y * w + x] = static_cast<uint8_t>(Luminance(mask.Pixel(int32_t(x), int32_t(y))));
  const int32_t half = GlowKernelHalfWidth(GlowSize);
  std::vector<uint8_t> line;
  for (size_t y = 0; y < h; ++y) BlurLine(values, y * w, w, 1, half, line);
  for (size_t x = 0; x < w; ++x) BlurLine(values, x, h, w, half, line);

  const TColor glow = ColorToRGB(GlowColor);
  for (size_t y = 0; y < h; ++y) {
    const int64_t dy = int64_t(y) + usable.Top;
    if (dy < 0 || dy >= Bitmap.Height()) continue;
    TacPixel* row = Bitmap.Row(static_cast<int32_t>(dy));
    for (size_t x = 0; x < w; ++x) {
      const uint32_t v = values[y * w + x];
      const int64_t dx = int64_t(x) + usable.Left;
      if (v == 255 || dx < 0 || dx >= Bitmap.Width()) continue;
      const uint32_t a = 255 - v;
      TacPixel& d = row[dx];
      const uint32_t dA = Alpha(d);
      d = Compose(d, glow, a, dA + (((255 - dA) * a) >> 8));
    }
  }
}

TColor ToneColor(TColor Color, const TsCommonData& CommonData) {
  TacPixel pixel = PixelOfColor(ColorToRGB(Color));
  if (CommonData.FColorTone != clNone) ToneTransform(pixel, CommonData.FColorTone);
  HueTransform(pixel, CommonData.FHUEOffset);
  SaturationTransform(pixel, CommonData.FSaturation * 256 / 100);
  return ColorToRGB(static_cast<TColor>(PixelOfColor(pixel) & 0x00FFFFFF));
}

TSize MeasureText(HFONT Font, std::string_view Text, UINT Flags, bool AddOneChar, int32_t WrapWidth, bool WordWrap) {
  const TacWindowDC screen(nullptr);
  const HDC dc = screen.Get();
  if (!dc) return {};
  const TacSelectedObject font(dc, Font);
  TSize size;
  if (WordWrap) {
    TRect rect{0, 0, WrapWidth, 0};
    DrawSkinText(dc, Text, rect, nullptr, Flags | DT_CALCRECT | DT_WORDBREAK);
    size = {rect.Width(), rect.Height()};
  } else {
    const std::wstring units = DrawTextUnits(Text);
    SIZE extent{};
    if (GetTextExtentPoint32W(dc, units.c_str(), UnitCount(units), &extent)) size = {extent.cx, extent.cy};
  }
  if (AddOneChar) {
    SIZE one{};
    if (GetTextExtentPoint32W(dc, L"I", 1, &one)) size.cx = SaturatedAdd(size.cx, one.cx);
  }
  return size;
}

std::string CutTextToWidth(TCanvas& Canvas, std::string_view Text, int32_t Width) {
  if (Width < 1) return {};
  if (Canvas.TextWidth(Text) <= Width) return std::string(Text);
  std::wstring units = Utf8ToWide(Text);
  while (!units.empty()) {
    units.pop_back();
    if (!units.empty() && IsHighSurrogate(units.back())) units.pop_back();
    const std::string candidate = WideToUtf8(units) + "...";
    if (Canvas.TextWidth(candidate) <= Width) return units.empty() ? std::string() : candidate;
  }
  return {};
}
