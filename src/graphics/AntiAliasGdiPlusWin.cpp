#include <windows.h>

#include "graphics/AntiAlias.h"
#include "graphics/GdiPlusWin.h"
#include "graphics/WorkBitmap.h"

namespace {

// Pixel (x, y) covers (x, y) to (x + 1, y + 1), as in the built-in rasteriser.
class ShapeCanvas : public TacGdiPlusCanvas {
 public:
  ShapeCanvas(const TacGdiPlus& g, TacWorkBitmap& bitmap) : TacGdiPlusCanvas(g, bitmap) {
    if (!Graphics) return;
    g.SetSmoothingMode(Graphics, kGpSmoothingModeAntiAlias);
    g.SetPixelOffsetMode(Graphics, kGpPixelOffsetModeHalf);
  }
};

class GdiPlusPainter final : public TacAntiAliasPainter {
 public:
  explicit GdiPlusPainter(const TacGdiPlus& g) : G(g) {}

  void FillEllipse(TacWorkBitmap& bitmap, const TacRectF& b, TacPixel color) const override {
    ShapeCanvas canvas(G, bitmap);
    void* brush = nullptr;
    if (!canvas.Graphics || G.CreateSolidFill(color, &brush) != 0) return;
    G.FillEllipse(canvas.Graphics, brush, float(b.Left), float(b.Top), float(b.Right - b.Left),
                  float(b.Bottom - b.Top));
    G.DeleteBrush(brush);
  }

  void StrokeRoundRect(TacWorkBitmap& bitmap, const TacRoundRectPath& path, double width,
                       TacPixel color) const override {
    if (width <= 0) return;
    ShapeCanvas canvas(G, bitmap);
    void* pen = nullptr;
    void* gpPath = nullptr;
    if (!canvas.Graphics || G.CreatePen1(color, float(width), kGpUnitPixel, &pen) != 0) return;
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

  const TacGdiPlus& G;
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
    if (const TacGdiPlus* g = LoadGdiPlus()) {
      static const GdiPlusPainter painter(*g);
      if (DrawsLikeTheRasteriser(painter)) return &painter;
    }
    return &PortableAntiAliasPainter();
  }();
  return *chosen;
}
