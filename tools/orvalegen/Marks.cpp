#include <algorithm>
#include <cmath>

#include "Elements.h"
#include "Shapes.h"

namespace {

void CheckStroke(Raster& r, float size, float weight, Colour c) {
  const Point tick[] = {{size * 0.26f, size * 0.52f}, {size * 0.43f, size * 0.68f}, {size * 0.75f, size * 0.33f}};
  StrokePolyline(r, tick, weight, c);
}

}  // namespace

Raster DrawMark(const Design& d, MarkKind kind, int size, int state) {
  const std::string_view c = "Controls";
  Raster out(size, size);
  const float s = static_cast<float>(size);
  const bool filled = kind == MarkKind::BoxChecked || kind == MarkKind::RadioChecked;
  static constexpr std::string_view accents[] = {"Accent", "AccentHot", "AccentPressed"};
  const Colour accent = d.Col(c, accents[state]);
  const Colour field = state == 0 ? d.Col(c, "Field") : d.Col(c, state == 1 ? "AccentSoft" : "AccentSoftPressed");
  const Colour border = state == 0 ? d.Col(c, "FieldBorder") : accent;
  const bool radio = kind == MarkKind::Radio || kind == MarkKind::RadioChecked;
  const Box box{0.5f, 0.5f, s - 0.5f, s - 0.5f};
  const Radii radii = Radii::All(radio ? box.Width() / 2 : d.Num(c, "Radius"));
  if (filled) {
    FillRoundBox(out, box, radii, Flat(accent));
  } else {
    FillRoundBox(out, box, radii, Flat(field));
    StrokeRoundBox(out, box, radii, 1, border);
  }
  if (kind == MarkKind::BoxChecked) CheckStroke(out, s, std::max(1.6f, s * 0.12f), d.Col(c, "Mark"));
  if (kind == MarkKind::RadioChecked) FillCircle(out, Point{s / 2, s / 2}, s * 0.18f, d.Col(c, "Mark"));
  if (kind == MarkKind::BoxGrayed) {
    const float inset = std::round(s * 0.3f);
    FillRoundBox(out, Box{inset, inset, s - inset, s - inset}, Radii::All(1), Flat(accent));
  }
  return out;
}

Raster DrawArrow(const Design& d, ArrowDirection direction, int size, int state) {
  const std::string_view c = "Controls";
  Raster down(size, size);
  const float s = static_cast<float>(size);
  const Colour colour = state == 0 ? d.Col(c, "Arrow") : state == 1 ? d.Col(c, "ArrowHot") : d.Col(c, "Accent");
  const Point chevron[] = {{s * 0.22f, s * 0.38f}, {s * 0.5f, s * 0.66f}, {s * 0.78f, s * 0.38f}};
  StrokePolyline(down, chevron, std::max(1.4f, s * 0.15f), colour);
  switch (direction) {
    case ArrowDirection::Down: return down;
    case ArrowDirection::Up: return down.FlippedVertically();
    case ArrowDirection::Right: return down.Transposed();
    case ArrowDirection::Left: return down.Transposed().FlippedHorizontally();
  }
  return down;
}

Raster DrawMenuCheck(const Design& d, int size) {
  Raster out(size, size);
  CheckStroke(out, static_cast<float>(size), 1.6f, d.Col("Window", "Text"));
  return out;
}

Raster DrawSizeGrip(const Design& d, int size) {
  Raster out(size, size);
  const float s = static_cast<float>(size);
  // Six dots in a triangle that points into the lower right corner.
  for (int row = 0; row < 3; ++row)
    for (int col = 2 - row; col < 3; ++col)
      FillCircle(out, Point{s - 2.0f - 4.0f * static_cast<float>(2 - col), s - 2.0f - 4.0f * static_cast<float>(2 - row)},
                 1.1f, d.Col("Controls", "Grip"));
  return out;
}

Raster DrawGripDots(const Design& d, int width, int height) {
  Raster out(width, height);
  const bool across = width >= height;
  const int count = 3;
  for (int i = 0; i < count; ++i) {
    const float along = static_cast<float>((across ? width : height) / 2 + (i - 1) * 4);
    const float middle = static_cast<float>(across ? height : width) / 2;
    FillCircle(out, across ? Point{along, middle} : Point{middle, along}, 1.1f, d.Col("Controls", "Grip"));
  }
  return out;
}

Raster OnKeyColour(const Raster& image, Colour background) {
  const Colour key = RgbColour(0xFF00FF);
  Raster out(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Colour p = image.Pixel(x, y);
      if (p.A < 0.5f) {
        out.SetPixel(x, y, key);
        continue;
      }
      out.SetPixel(x, y, background);
      out.Blend(x, y, WithAlpha(p, 1), p.A);
    }
  return out;
}
