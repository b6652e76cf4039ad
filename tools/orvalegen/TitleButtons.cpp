#include <cmath>
#include <numbers>
#include <vector>

#include "Elements.h"
#include "Shapes.h"

namespace {

void DrawGlyph(Raster& r, TitleGlyph glyph, float size, float weight, Colour c) {
  const float mid = size / 2;
  const float half = std::round(size * 0.19f);  // half the glyph's extent
  switch (glyph) {
    case TitleGlyph::Close: {
      const Point a[] = {{mid - half, mid - half}, {mid + half, mid + half}};
      const Point b[] = {{mid + half, mid - half}, {mid - half, mid + half}};
      StrokePolyline(r, a, weight, c);
      StrokePolyline(r, b, weight, c);
      break;
    }
    case TitleGlyph::Maximize:
      StrokeRoundBox(r, Box{mid - half, mid - half, mid + half, mid + half}, Radii::All(1), weight, c);
      break;
    case TitleGlyph::Minimize: {
      const Point line[] = {{mid - half, mid + 0.5f}, {mid + half, mid + 0.5f}};
      StrokePolyline(r, line, weight, c);
      break;
    }
    case TitleGlyph::Restore: {
      const float step = std::round(half * 0.45f);
      StrokeRoundBox(r, Box{mid - half, mid - half + step, mid + half - step, mid + half}, Radii::All(1), weight, c);
      const Point back[] = {{mid - half + step, mid - half + step - 0.5f},
                            {mid - half + step, mid - half},
                            {mid + half, mid - half},
                            {mid + half, mid + half - step},
                            {mid + half - step + 0.5f, mid + half - step}};
      StrokePolyline(r, back, weight, c);
      break;
    }
    case TitleGlyph::Help: {
      // A question mark: three quarters of a circle, a short stem and a dot.
      std::vector<Point> hook;
      const float radius = half * 0.62f;
      const Point centre{mid, mid - half + radius};
      for (int i = 0; i <= 16; ++i) {
        const float angle = std::numbers::pi_v<float> * (1.0f - 1.35f * static_cast<float>(i) / 16.0f);
        hook.push_back(Point{centre.X + radius * std::cos(angle), centre.Y - radius * std::sin(angle)});
      }
      hook.push_back(Point{mid, mid + half * 0.35f});
      StrokePolyline(r, hook, weight, c);
      FillCircle(r, Point{mid, mid + half - 0.2f}, weight * 0.75f, c);
      break;
    }
    case TitleGlyph::None:
      break;
  }
}

}  // namespace

Raster DrawTitleButton(const Design& d, TitleGlyph glyph, int size, int state) {
  const std::string_view t = "TitleButtons";
  Raster out(size, size);
  const float s = static_cast<float>(size);
  const float scale = s / 24.0f;
  if (state > 0) {
    const bool close = glyph == TitleGlyph::Close;
    const Colour back = state == 1 ? d.Col(t, close ? "CloseHot" : "Hot") : d.Col(t, close ? "ClosePressed" : "Pressed");
    FillRoundBox(out, Box{1, 1, s - 1, s - 1}, Radii::All(d.Num(t, "Radius") * scale), Flat(back));
  }
  DrawGlyph(out, glyph, s, d.Num(t, "GlyphWeight") * scale, d.Col(t, "Glyph"));
  return out;
}
