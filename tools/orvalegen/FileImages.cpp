#include "Elements.h"
#include "Shadow.h"
#include "Shapes.h"

namespace {

// "GLOWEDIT.PNG" is a nine-slice of 7-pixel margins; the engine pulls them in
// by the edit's glow margin of 2, so the field's edge lies 5 pixels inside.
constexpr int GlowSize = 24;
constexpr float FieldInset = 5;

}  // namespace

Raster DrawEditGlow(const Design& d) {
  const std::string_view g = "Glow";
  const Colour colour = d.Col(g, "Colour");
  const float size = static_cast<float>(GlowSize);
  const Box field{FieldInset, FieldInset, size - FieldInset, size - FieldInset};
  const Radii radii = Radii::All(d.Num("Controls", "Radius"));

  Raster ring(GlowSize, GlowSize);
  StrokeRoundBox(ring, field.Inset(-1), radii, 2, RgbColour(0));
  Raster out = DropShadow(ring, d.Num(g, "Sigma"), WithAlpha(colour, d.Num(g, "Opacity")));
  // The field itself shows through: only its outer edge carries a crisp accent line.
  for (int y = 0; y < GlowSize; ++y)
    for (int x = 0; x < GlowSize; ++x)
      if (RoundBoxDistance(field.Inset(1), Radii::All(radii.TopLeft - 1), static_cast<float>(x) + 0.5f,
                           static_cast<float>(y) + 0.5f) < 0)
        out.SetPixel(x, y, Colour{});
  StrokeRoundBox(out, field, radii, 1, colour);
  return out;
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
