#include "graphics/GdiPlusWin.h"

namespace {
struct GpStartupInput {
  UINT32 GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

template <typename F>
bool Bind(HMODULE module, const char* name, F& function) {
  function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return function != nullptr;
}
}  // namespace

const TacGdiPlus* LoadGdiPlus() {
  static const TacGdiPlus* loaded = []() -> const TacGdiPlus* {
    static TacGdiPlus g{};
    HMODULE module = LoadLibraryW(L"gdiplus.dll");
    if (!module) return nullptr;
    GpStatus(WINAPI * startup)(ULONG_PTR*, const GpStartupInput*, void*) = nullptr;
    const bool bound =
        Bind(module, "GdiplusStartup", startup) && Bind(module, "GdipCreateBitmapFromScan0", g.CreateBitmapFromScan0) &&
        Bind(module, "GdipGetImageGraphicsContext", g.GetImageGraphicsContext) &&
        Bind(module, "GdipCreateFromHDC", g.CreateFromHDC) && Bind(module, "GdipSetSmoothingMode", g.SetSmoothingMode) &&
        Bind(module, "GdipSetPixelOffsetMode", g.SetPixelOffsetMode) &&
        Bind(module, "GdipSetTextRenderingHint", g.SetTextRenderingHint) &&
        Bind(module, "GdipCreateSolidFill", g.CreateSolidFill) && Bind(module, "GdipFillEllipse", g.FillEllipse) &&
        Bind(module, "GdipCreatePen1", g.CreatePen1) && Bind(module, "GdipCreatePath", g.CreatePath) &&
        Bind(module, "GdipAddPathArc", g.AddPathArc) && Bind(module, "GdipAddPathLine", g.AddPathLine) &&
        Bind(module, "GdipClosePathFigure", g.ClosePathFigure) && Bind(module, "GdipDrawPath", g.DrawPath) &&
        Bind(module, "GdipCreateFontFromDC", g.CreateFontFromDC) &&
        Bind(module, "GdipCreateStringFormat", g.CreateStringFormat) &&
        Bind(module, "GdipSetStringFormatAlign", g.SetStringFormatAlign) &&
        Bind(module, "GdipSetStringFormatLineAlign", g.SetStringFormatLineAlign) &&
        Bind(module, "GdipSetStringFormatFlags", g.SetStringFormatFlags) &&
        Bind(module, "GdipSetStringFormatTrimming", g.SetStringFormatTrimming) &&
        Bind(module, "GdipSetStringFormatHotkeyPrefix", g.SetStringFormatHotkeyPrefix) &&
        Bind(module, "GdipDrawString", g.DrawString) && Bind(module, "GdipMeasureString", g.MeasureString) &&
        Bind(module, "GdipDeleteStringFormat", g.DeleteStringFormat) && Bind(module, "GdipDeleteFont", g.DeleteFont) &&
        Bind(module, "GdipDeletePath", g.DeletePath) && Bind(module, "GdipDeletePen", g.DeletePen) &&
        Bind(module, "GdipDeleteBrush", g.DeleteBrush) && Bind(module, "GdipDeleteGraphics", g.DeleteGraphics) &&
        Bind(module, "GdipDisposeImage", g.DisposeImage);
    ULONG_PTR token = 0;
    const GpStartupInput input;
    if (!bound || startup(&token, &input, nullptr) != 0) return nullptr;
    return &g;
  }();
  return loaded;
}

TacGdiPlusCanvas::TacGdiPlusCanvas(const TacGdiPlus& g, TacWorkBitmap& bitmap) : G(g) {
  if (bitmap.Empty()) return;
  if (G.CreateBitmapFromScan0(bitmap.Width(), bitmap.Height(), static_cast<INT>(bitmap.Stride()),
                              kGpPixelFormat32bppARGB, bitmap.ScanLine(0), &Image) != 0) {
    Image = nullptr;
    return;
  }
  if (G.GetImageGraphicsContext(Image, &Graphics) != 0) Graphics = nullptr;
}

TacGdiPlusCanvas::TacGdiPlusCanvas(const TacGdiPlus& g, HDC dc) : G(g) {
  if (dc && G.CreateFromHDC(dc, &Graphics) != 0) Graphics = nullptr;
}

TacGdiPlusCanvas::~TacGdiPlusCanvas() {
  if (Graphics) G.DeleteGraphics(Graphics);
  if (Image) G.DisposeImage(Image);
}
