#pragma once
#include <windows.h>

#include <string_view>

#include "framework/Colors.h"
#include "framework/Font.h"

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
};

class TBitmap;

// Drawing on a device context with the framework's font, brush and pen.
// Text is UTF-8. The canvas does not own the context it is given.
class TCanvas {
 public:
  TCanvas() = default;
  ~TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FHandle; }
  void SetHandle(HDC dc) { FHandle = dc; }

  TFont& Font() { return FFont; }
  TBrush Brush;
  TPen Pen;

  void FillRect(const RECT& rect);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  SIZE TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  // DrawTextW with the canvas font; with DT_CALCRECT rect receives the size.
  int DrawText(std::string_view text, RECT& rect, UINT format);
  void Draw(int x, int y, TBitmap& bitmap);

 private:
  void PrepareText();

  HDC FHandle = nullptr;
  TFont FFont;
};
