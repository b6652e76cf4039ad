#include "Elements.h"
#include "Shadow.h"
#include "Shapes.h"

namespace {

// "GLOWEDIT.PNG" is a nine-slice of 7-pixel margins; the engine pulls them in
// by the edit's glow margin of 2, so the field's edge lies 5 pixels inside and
// its corners must round off within the 2 pixels the corner slices still hold.
constexpr int GlowSize = 24;
constexpr int GlowMargin = 7;
constexpr float FieldInset = 5;

}  // namespace

Raster DrawEditGlow(const Design& d) {
  const std::string_view g = "Glow";
  const Colour colour = d.Col(g, "Colour");
  // Drawn large and cut down, so that the middle slices are uniform.
  const int big = 4 * GlowSize;
  const float size = static_cast<float>(big);
  const Box field{FieldInset, FieldInset, size - FieldInset, size - FieldInset};
  // The edit's own corner radius, so that glow and field meet along the corners.
  const float fieldRadius = d.Num("Controls", "FieldRadius");
  const Radii radii = Radii::All(fieldRadius);

  Raster ring(big, big);
  StrokeRoundBox(ring, field.Inset(-1), Radii::All(fieldRadius + 1), 2, RgbColour(0));
  Raster glow = DropShadow(ring, d.Num(g, "Sigma"), WithAlpha(colour, d.Num(g, "Opacity")));
  // The field itself shows through: only its outer edge carries a crisp accent line.
  for (int y = 0; y < big; ++y)
    for (int x = 0; x < big; ++x)
      if (RoundBoxDistance(field.Inset(1), Radii::All(fieldRadius - 1), static_cast<float>(x) + 0.5f,
                           static_cast<float>(y) + 0.5f) < 0)
        glow.SetPixel(x, y, Colour{});
  StrokeRoundBox(glow, field, radii, 1, colour);
  return ShrinkNineSlice(glow, GlowSize, GlowSize, Slices{GlowMargin, GlowMargin, GlowMargin, GlowMargin});
}

Raster DrawHugeButton(const Design& d, int size, int state) {
  const std::string_view b = "Buttons";
  static constexpr std::string_view prefixes[] = {"Normal", "Hot", "Pressed", "Normal"};
  const std::string prefix(prefixes[state]);
  const float s = static_cast<float>(size);
  Raster out(size, size);
  const Box box{0, 0, s, s};
  const Radii radii = Radii::All(d.Num(b, "Radius") * 2);
  FillRoundBox(out, box, radii, Vertical(d.Col(b, prefix + "Top"), d.Col(b, prefix + "Bottom"), 0, s));
  if (state != 2)
    StrokeRoundBox(out, box.Inset(1), Radii::All(radii.TopLeft - 1), 1, d.Col(b, "Sheen"));
  StrokeRoundBox(out, box, radii, 1, state == 3 ? d.Col(b, "DefaultBorder") : d.Col(b, prefix + "Border"));
  if (state == 3) StrokeRoundBox(out, box.Inset(1), Radii::All(radii.TopLeft - 1), 1, d.Col(b, "DefaultInner"));
  return out;
}
