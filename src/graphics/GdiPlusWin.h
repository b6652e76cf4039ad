#pragma once
#include <windows.h>

#include "graphics/WorkBitmap.h"

// GDI+ through its flat functions, loaded at run time so that a system
// without gdiplus.dll still starts and falls back to our own drawing.
using GpStatus = int;

struct GpRectF {
  float X = 0, Y = 0, Width = 0, Height = 0;
};

inline constexpr INT kGpPixelFormat32bppARGB = 0x26200A;
inline constexpr INT kGpSmoothingModeAntiAlias = 4;
inline constexpr INT kGpPixelOffsetModeHalf = 4;
inline constexpr INT kGpUnitPixel = 2;
inline constexpr INT kGpStringAlignmentNear = 0, kGpStringAlignmentCenter = 1, kGpStringAlignmentFar = 2;
inline constexpr INT kGpStringFormatFlagsDirectionRightToLeft = 0x1;
inline constexpr INT kGpStringFormatFlagsNoWrap = 0x1000;
inline constexpr INT kGpStringTrimmingEllipsisCharacter = 3;
inline constexpr INT kGpHotkeyPrefixNone = 0, kGpHotkeyPrefixShow = 1;
inline constexpr INT kGpTextRenderingHintAntiAliasGridFit = 3;

struct TacGdiPlus {
  GpStatus(WINAPI* CreateBitmapFromScan0)(INT, INT, INT, INT, BYTE*, void**);
  GpStatus(WINAPI* GetImageGraphicsContext)(void*, void**);
  GpStatus(WINAPI* CreateFromHDC)(HDC, void**);
  GpStatus(WINAPI* SetSmoothingMode)(void*, INT);
  GpStatus(WINAPI* SetPixelOffsetMode)(void*, INT);
  GpStatus(WINAPI* SetTextRenderingHint)(void*, INT);
  GpStatus(WINAPI* CreateSolidFill)(DWORD, void**);
  GpStatus(WINAPI* FillEllipse)(void*, void*, float, float, float, float);
  GpStatus(WINAPI* CreatePen1)(DWORD, float, INT, void**);
  GpStatus(WINAPI* CreatePath)(INT, void**);
  GpStatus(WINAPI* AddPathArc)(void*, float, float, float, float, float, float);
  GpStatus(WINAPI* AddPathLine)(void*, float, float, float, float);
  GpStatus(WINAPI* ClosePathFigure)(void*);
  GpStatus(WINAPI* DrawPath)(void*, void*, void*);
  GpStatus(WINAPI* CreateFontFromDC)(HDC, void**);
  GpStatus(WINAPI* CreateStringFormat)(INT, LANGID, void**);
  GpStatus(WINAPI* SetStringFormatAlign)(void*, INT);
  GpStatus(WINAPI* SetStringFormatLineAlign)(void*, INT);
  GpStatus(WINAPI* SetStringFormatFlags)(void*, INT);
  GpStatus(WINAPI* SetStringFormatTrimming)(void*, INT);
  GpStatus(WINAPI* SetStringFormatHotkeyPrefix)(void*, INT);
  GpStatus(WINAPI* DrawString)(void*, const WCHAR*, INT, void*, const GpRectF*, void*, void*);
  GpStatus(WINAPI* MeasureString)(void*, const WCHAR*, INT, void*, const GpRectF*, void*, GpRectF*, INT*, INT*);
  GpStatus(WINAPI* DeleteStringFormat)(void*);
  GpStatus(WINAPI* DeleteFont)(void*);
  GpStatus(WINAPI* DeletePath)(void*);
  GpStatus(WINAPI* DeletePen)(void*);
  GpStatus(WINAPI* DeleteBrush)(void*);
  GpStatus(WINAPI* DeleteGraphics)(void*);
  GpStatus(WINAPI* DisposeImage)(void*);
};

// Loaded and started once; null when gdiplus.dll or one of its functions is
// missing. The library stays for the life of the process.
const TacGdiPlus* LoadGdiPlus();

// A GDI+ graphics drawing straight into a work bitmap's pixels, whose
// straight-alpha B, G, R, A rows are GDI+'s 32-bit ARGB format, or onto a
// device context. Graphics is null when GDI+ refused.
class TacGdiPlusCanvas {
 public:
  TacGdiPlusCanvas(const TacGdiPlus& g, TacWorkBitmap& bitmap);
  TacGdiPlusCanvas(const TacGdiPlus& g, HDC dc);
  ~TacGdiPlusCanvas();
  TacGdiPlusCanvas(const TacGdiPlusCanvas&) = delete;
  TacGdiPlusCanvas& operator=(const TacGdiPlusCanvas&) = delete;

  void* Graphics = nullptr;

 private:
  const TacGdiPlus& G;
  void* Image = nullptr;
};
