#include "framework/Canvas.h"

#include "base/StrUtils.h"
#include "framework/Bitmap.h"

namespace {
// Selects a font only for the duration of one call, so that the font can
// change (and its GDI object be deleted) between calls.
class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : FDC(dc), FOld(SelectObject(dc, font)) {}
  ~SelectedFont() { SelectObject(FDC, FOld); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};
}  // namespace

void TCanvas::PrepareText() {
  SetTextColor(FHandle, ColorToRGB(FFont.Color()));
  if (Brush.Style == TBrushStyle::bsClear) {
    SetBkMode(FHandle, TRANSPARENT);
  } else {
    SetBkMode(FHandle, OPAQUE);
    SetBkColor(FHandle, ColorToRGB(Brush.Color));
  }
}

void TCanvas::FillRect(const RECT& rect) {
  if (!FHandle || Brush.Style == TBrushStyle::bsClear) return;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(Brush.Color));
  ::FillRect(FHandle, &rect, brush);
  DeleteObject(brush);
}

void TCanvas::FrameRect(const RECT& rect) {
  if (!FHandle) return;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(Brush.Color));
  ::FrameRect(FHandle, &rect, brush);
  DeleteObject(brush);
}

void TCanvas::MoveTo(int x, int y) {
  if (FHandle) MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  if (!FHandle) return;
  HPEN pen = CreatePen(PS_SOLID, Pen.Width, ColorToRGB(Pen.Color));
  HGDIOBJ old = SelectObject(FHandle, pen);
  ::LineTo(FHandle, x, y);
  SelectObject(FHandle, old);
  DeleteObject(pen);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  if (!FHandle) return;
  PrepareText();
  const SelectedFont font(FHandle, FFont.Handle());
  const std::wstring wide = Utf8ToWide(text);
  ::TextOutW(FHandle, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

SIZE TCanvas::TextExtent(std::string_view text) {
  SIZE size{};
  if (!FHandle) return size;
  const SelectedFont font(FHandle, FFont.Handle());
  const std::wstring wide = Utf8ToWide(text);
  GetTextExtentPoint32W(FHandle, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int TCanvas::DrawText(std::string_view text, RECT& rect, UINT format) {
  if (!FHandle) return 0;
  PrepareText();
  const SelectedFont font(FHandle, FFont.Handle());
  std::wstring wide = Utf8ToWide(text);
  return ::DrawTextW(FHandle, wide.data(), static_cast<int>(wide.size()), &rect, format);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (!FHandle || bitmap.Width() == 0 || bitmap.Height() == 0) return;
  BitBlt(FHandle, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}
