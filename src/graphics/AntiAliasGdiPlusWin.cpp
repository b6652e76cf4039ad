#include <windows.h>

#include "graphics/AntiAlias.h"
#include "graphics/WorkBitmap.h"

// GDI+ through its flat functions, loaded at run time so that a system
// without gdiplus.dll still starts and falls back to the built-in rasteriser.
namespace {
using GpStatus = int;
struct GpStartupInput {
  UINT32 GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

constexpr INT kPixelFormat32bppARGB = 0x26200A;
constexpr INT kSmoothingModeAntiAlias = 4;
constexpr INT kPixelOffsetModeHalf = 4;
constexpr INT kUnitPixel = 2;

struct GdiPlus {
  GpStatus(WINAPI* Startup)(ULONG_PTR*, const GpStartupInput*, void*);
  GpStatus(WINAPI* CreateBitmapFromScan0)(INT, INT, INT, INT, BYTE*, void**);
  GpStatus(WINAPI* GetImageGraphicsContext)(void*, void**);
  GpStatus(WINAPI* SetSmoothingMode)(void*, INT);
  GpStatus(WINAPI* SetPixelOffsetMode)(void*, INT);
  GpStatus(WINAPI* CreateSolidFill)(DWORD, void**);
  GpStatus(WINAPI* FillEllipse)(void*, void*, float, float, float, float);
  GpStatus(WINAPI* CreatePen1)(DWORD, float, INT, void**);
  GpStatus(WINAPI* CreatePath)(INT, void**);
  GpStatus(WINAPI* AddPathArc)(void*, float, float, float, float, float, float);
  GpStatus(WINAPI* AddPathLine)(void*, float, float, float, float);
  GpStatus(WINAPI* ClosePathFigure)(void*);
  GpStatus(WINAPI* DrawPath)(void*, void*, void*);
  GpStatus(WINAPI* DeletePath)(void*);
  GpStatus(WINAPI* DeletePen)(void*);
  GpStatus(WINAPI* DeleteBrush)(void*);
  GpStatus(WINAPI* DeleteGraphics)(void*);
  GpStatus(WINAPI* DisposeImage)(void*);
};

template <typename F>
bool Bind(HMODULE module, const char* name, F& function) {
  function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return function != nullptr;
}

// Loaded and started once; the library stays for the life of the process.
const GdiPlus* LoadGdiPlus() {
  static const GdiPlus* loaded = [] () -> const GdiPlus* {
    static GdiPlus g{};
    HMODULE module = LoadLibraryW(L"gdiplus.dll");
    if (!module) return nullptr;
    const bool bound = Bind(module, "GdiplusStartup", g.Startup) &&
                       Bind(module, "GdipCreateBitmapFromScan0", g.CreateBitmapFromScan0) &&
                       Bind(module, "GdipGetImageGraphicsContext", g.GetImageGraphicsContext) &&
                       Bind(module, "GdipSetSmoothingMode", g.SetSmoothingMode) &&
                       Bind(module, "GdipSetPixelOffsetMode", g.SetPixelOffsetMode) &&
                       Bind(module, "GdipCreateSolidFill", g.CreateSolidFill) &&
                       Bind(module, "GdipFillEllipse", g.FillEllipse) && Bind(module, "GdipCreatePen1", g.CreatePen1) &&
                       Bind(module, "GdipCreatePath", g.CreatePath) && Bind(module, "GdipAddPathArc", g.AddPathArc) &&
                       Bind(module, "GdipAddPathLine", g.AddPathLine) &&
                       Bind(module, "GdipClosePathFigure", g.ClosePathFigure) &&
                       Bind(module, "GdipDrawPath", g.DrawPath) && Bind(module, "GdipDeletePath", g.DeletePath) &&
                       Bind(module, "GdipDeletePen", g.DeletePen) && Bind(module, "GdipDeleteBrush", g.DeleteBrush) &&
                       Bind(module, "GdipDeleteGraphics", g.DeleteGraphics) &&
                       Bind(module, "GdipDisposeImage", g.DisposeImage);
    ULONG_PTR token = 0;
    const GpStartupInput input;
    if (!bound || g.Startup(&token, &input, nullptr) != 0) return nullptr;
    return &g;
  }();
  return loaded;
}

// A GDI+ graphics drawing straight into the work bitmap's pixels, whose
// straight-alpha B, G, R, A rows are GDI+'s 32-bit ARGB format.
class Canvas {
 public:
  Canvas(const GdiPlus& g, TacWorkBitmap& bitmap) : G(g) {
    if (bitmap.Empty()) return;
    if (G.CreateBitmapFromScan0(bitmap.Width(), bitmap.Height(), static_cast<INT>(bitmap.Stride()),
                                kPixelFormat32bppARGB, bitmap.ScanLine(0), &Image) != 0)
      return;
    if (G.GetImageGraphicsContext(Image, &Graphics) != 0) return;
    G.SetSmoothingMode(Graphics, kSmoothingModeAntiAlias);
    // Pixel (x, y) covers (x, y) to (x + 1, y + 1), as in the built-in rasteriser.
    G.SetPixelOffsetMode(Graphics, kPixelOffsetModeHalf);
  }
  ~Canvas() {
    if (Graphics) G.DeleteGraphics(Graphics);
    if (Image) G.DisposeImage(Image);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  const GdiPlus& G;
  void* Image = nullptr;
  void* Graphics = nullptr;
};

class GdiPlusPainter final : public TacAntiAliasPainter {
 public:
  explicit GdiPlusPainter(const GdiPlus& g) : G(g) {}

  void FillEllipse(TacWorkBitmap& bitmap, const TacRectF& b, TacPixel color) const override {
    Canvas canvas(G, bitmap);
    void* brush = nullptr;
    if (!canvas.Graphics || G.CreateSolidFill(color, &brush) != 0) return;
    G.FillEllipse(canvas.Graphics, brush, float(b.Left), float(b.Top), float(b.Right - b.Left),
                  float(b.Bottom - b.Top));
    G.DeleteBrush(brush);
  }

  void StrokeRoundRect(TacWorkBitmap& bitmap, const TacRoundRectPath& path, double width,
                       TacPixel color) const override {
    if (width <= 0) return;
    Canvas canvas(G, bitmap);
    void* pen = nullptr;
    void* gpPath = nullptr;
    if (!canvas.Graphics || G.CreatePen1(color, float(width), kUnitPixel, &pen) != 0) return;
    if (G.CreatePath(0, &gpPath) == 0) {
      AddRoundRect(gpPath, path);
      G.DrawPath(canvas.Graphics, pen, gpPath);
      G.DeletePath(gpPath);
    }
    G.DeletePen(pen);
  }

 private:
  void AddRoundRect(void* gpPath, const TacRoundRectPath& path) const {
    const TacRectF& r = path.Rect;
    const double limit = std::max(0.0, std::min(r.Right - r.Left, r.Bottom - r.Top) / 2);
    auto radius = [&](size_t i) { return float(std::min(std::max(path.Radii[i], 0.0), limit)); };
    const float L = float(r.Left), T = float(r.Top), R = float(r.Right), B = float(r.Bottom);
    // Clockwise from the top-left corner; a corner without radius is a point.
    struct Corner {
      float X, Y, Radius, StartAngle, OriginX, OriginY;
    };
    const float tl = radius(0), tr = radius(1), bl = radius(2), br = radius(3);
    const Corner corners[4] = {{L, T, tl, 180, L, T},
                               {R, T, tr, 270, R - 2 * tr, T},
                               {R, B, br, 0, R - 2 * br, B - 2 * br},
                               {L, B, bl, 90, L, B - 2 * bl}};
    for (const Corner& c : corners) {
      if (c.Radius > 0)
        G.AddPathArc(gpPath, c.OriginX, c.OriginY, 2 * c.Radius, 2 * c.Radius, c.StartAngle, 90);
      else
        G.AddPathLine(gpPath, c.X, c.Y, c.X, c.Y);
    }
    G.ClosePathFigure(gpPath);
  }

  const GdiPlus& G;
};

// Some GDI+ builds (Wine's) start but do not draw both shapes where the
// built-in rasteriser does; a small probe finds out before GDI+ is trusted.
bool DrawsLikeTheRasteriser(const TacAntiAliasPainter& painter) {
  TacWorkBitmap disc(8, 8);
  painter.FillEllipse(disc, {0, 0, 8, 8}, 0xFFFFFFFFu);
  TacWorkBitmap frame(8, 8);
  painter.StrokeRoundRect(frame, {{0.5, 0.5, 7.5, 7.5}, {}}, 1.0, 0xFFFFFFFFu);
  return disc.Pixel(4, 4) == 0xFFFFFFFFu && disc.Pixel(0, 0) != 0xFFFFFFFFu &&
         frame.Pixel(4, 0) == 0xFFFFFFFFu && frame.Pixel(7, 4) == 0xFFFFFFFFu && frame.Pixel(4, 4) == 0;
}
}  // namespace

const TacAntiAliasPainter& AntiAliasPainter() {
  static const TacAntiAliasPainter* chosen = [] () -> const TacAntiAliasPainter* {
    if (const GdiPlus* g = LoadGdiPlus()) {
      static const GdiPlusPainter painter(*g);
      if (DrawsLikeTheRasteriser(painter)) return &painter;
    }
    return &PortableAntiAliasPainter();
  }();
  return *chosen;
}
