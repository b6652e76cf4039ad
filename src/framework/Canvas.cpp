#include "framework/Canvas.h"

#include "base/StrUtils.h"
#include "base/WinHandles.h"
#include "framework/Bitmap.h"

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
  const TacScopedBrush brush(CreateSolidBrush(ColorToRGB(Brush.Color)));
  ::FillRect(FHandle, &rect, brush.Get());
}

void TCanvas::MoveTo(int x, int y) {
  if (FHandle) MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  if (!FHandle) return;
  const TacScopedPen pen(CreatePen(PS_SOLID, Pen.Width, ColorToRGB(Pen.Color)));
  const TacSelectedObject selected(FHandle, pen.Get());
  ::LineTo(FHandle, x, y);
}

SIZE TCanvas::TextExtent(std::string_view text) {
  SIZE size{};
  if (!FHandle) return size;
  const TacSelectedObject font(FHandle, FFont.Handle());
  const std::wstring wide = Utf8ToWide(text);
  GetTextExtentPoint32W(FHandle, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int TCanvas::DrawText(std::string_view text, RECT& rect, UINT format) {
  if (!FHandle) return 0;
  PrepareText();
  const TacSelectedObject font(FHandle, FFont.Handle());
  std::wstring wide = Utf8ToWide(text);
  return ::DrawTextW(FHandle, wide.data(), static_cast<int>(wide.size()), &rect, format);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (!FHandle || bitmap.Width() == 0 || bitmap.Height() == 0) return;
  BitBlt(FHandle, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}
