#include "Elements.h"
#include "Shapes.h"

namespace {

Box Whole(int width, int height) { return Box{0, 0, static_cast<float>(width), static_cast<float>(height)}; }

// A filled rounded box with a one-pixel border and an optional inner sheen.
void Face(Raster& r, const Box& box, const Radii& radii, const Paint& fill, const Paint& border, Colour sheen = {}) {
  FillRoundBox(r, box, radii, fill);
  if (sheen.A > 0)
    StrokeRoundBox(r, box.Inset(1), Radii{radii.TopLeft - 1, radii.TopRight - 1, radii.BottomRight - 1, radii.BottomLeft - 1},
                   1, sheen);
  StrokeRoundBox(r, box, radii, 1, border);
}

}  // namespace

Raster DrawButtonFace(const Design& d, int width, int height, int state) {
  const std::string_view b = "Buttons";
  static constexpr std::string_view prefixes[] = {"Normal", "Hot", "Pressed", "Normal"};
  const std::string prefix(prefixes[state]);
  Raster out(width, height);
  const Box box = Whole(width, height);
  const Radii radii = Radii::All(d.Num(b, "Radius"));
  const Colour border = state == 3 ? d.Col(b, "DefaultBorder") : d.Col(b, prefix + "Border");
  const Colour sheen = state == 3 ? d.Col(b, "DefaultInner") : state == 2 ? Colour{} : d.Col(b, "Sheen");
  // The lower edge is a shade darker, so the face seems to stand on the surface.
  const Paint edge = Vertical(border, Mix(border, RgbColour(0), d.Num(b, "LowerEdgeShade")), static_cast<float>(height) / 2,
                              static_cast<float>(height));
  Face(out, box, radii, Vertical(d.Col(b, prefix + "Top"), d.Col(b, prefix + "Bottom"), 0, static_cast<float>(height)),
       edge, sheen);
  return out;
}

Raster DrawToolFace(const Design& d, int width, int height, int state) {
  const std::string_view c = "Controls";
  Raster out(width, height);
  if (state == 0) return out;
  const Colour fill = d.Col(c, state == 1 ? "AccentSoft" : "AccentSoftPressed");
  const Colour border = state == 1 ? WithAlpha(d.Col(c, "Accent"), 0.45f) : d.Col(c, "Accent");
  Face(out, Whole(width, height), Radii::All(d.Num(c, "Radius")), Flat(fill), Flat(border));
  return out;
}

Raster DrawTopTab(const Design& d, int width, int height, int state) {
  const std::string_view c = "Controls";
  Raster out(width, height);
  const float radius = d.Num(c, "Radius");
  // The box reaches below the frame so that its lower corners and edge stay outside.
  const Box box{0, state == 2 ? 0.0f : 2.0f, static_cast<float>(width), static_cast<float>(height) + radius + 1};
  const Colour fill = state == 2 ? d.Col(c, "Field") : d.Col(c, state == 1 ? "TabHot" : "Tab");
  Face(out, box, Radii::Top(radius), Flat(fill), Flat(d.Col(c, "TrackBorder")));
  if (state == 2) {
    Raster accent(width, height);
    FillRoundBox(accent, Box{0, 0, static_cast<float>(width), 6}, Radii::Top(radius), Flat(d.Col(c, "Accent")));
    out.Draw(accent.Crop(0, 0, width, 2), 0, 0);
  }
  return out;
}

Raster DrawColumnHeader(const Design& d, int width, int height, int state) {
  const std::string_view c = "Controls";
  Raster out(width, height);
  const Colour top = state == 0 ? d.Col(c, "Field") : d.Col(c, state == 1 ? "AccentSoft" : "AccentSoftPressed");
  FillRoundBox(out, Whole(width, height), Radii{}, Vertical(top, Mix(top, d.Col(c, "Tab"), 0.6f), 0, static_cast<float>(height)));
  const Colour line = d.Col(c, "Divider");
  FillRoundBox(out, Box{0, static_cast<float>(height - 1), static_cast<float>(width), static_cast<float>(height)}, Radii{},
               Flat(line));
  FillRoundBox(out, Box{static_cast<float>(width - 1), 3, static_cast<float>(width), static_cast<float>(height - 3)},
               Radii{}, Flat(line));
  return out;
}

Raster DrawScrollThumb(const Design& d, int width, int height, int state) {
  const std::string_view c = "Controls";
  Raster out(width, height);
  const Box pill{1, 3, static_cast<float>(width - 1), static_cast<float>(height - 3)};
  FillRoundBox(out, pill, Radii::All(pill.Height() / 2), Flat(d.Col(c, state == 0 ? "Thumb" : "ThumbHot")));
  return out;
}

Raster DrawSwitchTrack(const Design& d, bool on, int width, int height, int state) {
  const std::string_view c = "Controls";
  Raster out(width, height);
  const Box pill = Whole(width, height).Inset(1);
  const Radii radii = Radii::All(pill.Height() / 2);
  if (on) {
    static constexpr std::string_view fills[] = {"Accent", "AccentHot", "AccentPressed"};
    FillRoundBox(out, pill, radii, Flat(d.Col(c, fills[state])));
  } else {
    const Colour fill = state == 2 ? d.Col(c, "TrackBorder") : d.Col(c, "Track");
    Face(out, pill, radii, Flat(fill), Flat(state == 0 ? d.Col(c, "TrackBorder") : d.Col(c, "Arrow")));
  }
  return out;
}

Raster DrawSwitchThumb(const Design& d, bool on, int size, int state) {
  const std::string_view c = "Controls";
  Raster out(size, size);
  const float s = static_cast<float>(size);
  const Point centre{s / 2, s / 2};
  FillCircle(out, Point{centre.X, centre.Y + 0.6f}, s / 2 - 1, RgbColour(0x000000, 0.18f));
  FillCircle(out, centre, s / 2 - 1.5f, state == 2 ? d.Col(c, "AccentSoft") : d.Col(c, "Field"));
  if (!on && state == 1) StrokeCircle(out, centre, s / 2 - 1.5f, 1, d.Col(c, "Arrow"));
  return out;
}

Raster DrawTrackThumb(const Design& d, int size, int state) {
  const std::string_view c = "Controls";
  Raster out(size, size);
  const float s = static_cast<float>(size);
  const Point centre{s / 2, s / 2};
  static constexpr std::string_view rings[] = {"Accent", "AccentHot", "AccentPressed"};
  FillCircle(out, centre, s / 2 - 0.5f, d.Col(c, rings[state]));
  FillCircle(out, centre, s / 2 - (state == 2 ? 4.5f : 3.0f), d.Col(c, "Field"));
  return out;
}

Raster DrawChannel(const Design& d, int width, int height) {
  const std::string_view c = "Controls";
  Raster out(width, height);
  const Box pill = Whole(width, height);
  Face(out, pill, Radii::All(pill.Height() / 2), Flat(d.Col(c, "Track")), Flat(d.Col(c, "TrackBorder")));
  return out;
}

Raster DrawProgressFill(const Design& d, int width, int height) {
  const std::string_view c = "Controls";
  Raster out(width, height);
  FillRoundBox(out, Whole(width, height), Radii::All(d.Num(c, "Radius")),
               Vertical(d.Col(c, "AccentHot"), d.Col(c, "Accent"), 0, static_cast<float>(height)));
  return out;
}

Raster DrawDivider(const Design& d, int width, int height) {
  Raster out(width, height);
  const float row = static_cast<float>(height / 2);
  FillRoundBox(out, Box{0, row, static_cast<float>(width), row + 1}, Radii{}, Flat(d.Col("Controls", "Divider")));
  return out;
}
