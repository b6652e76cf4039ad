#include "Elements.h"
#include "NineSlice.h"
#include "Shadow.h"
#include "Shapes.h"

namespace {

constexpr int S = FrameGeometry::Shadow;
constexpr int Title = FrameGeometry::Title;

// Rows [top, bottom) of `layer` drawn over `target`.
void DrawRows(Raster& target, const Raster& layer, int top, int bottom) {
  target.Draw(layer.Crop(0, top, layer.Width(), bottom - top), 0, top);
}

}  // namespace

Raster DrawWindow(const Design& d, bool active, int width, int height) {
  const std::string_view w = "Window";
  const Box window{static_cast<float>(S), static_cast<float>(S), static_cast<float>(width - S),
                   static_cast<float>(height - S)};
  const float top = d.Num(w, "CornerRadius");
  const float bottom = d.Num(w, "BottomRadius");
  const Radii radii{top, top, bottom, bottom};

  Raster shape(width, height);
  FillRoundBox(shape, window.Moved(0, d.Num(w, "ShadowOffset")), radii, Flat(RgbColour(0)));
  Raster out = DropShadow(shape, d.Num(w, "ShadowSigma"),
                          RgbColour(0, d.Num(w, active ? "ShadowOpacity" : "ShadowOpacityInactive")));

  FillRoundBox(out, window, radii, Flat(d.Col(w, "Surface")));

  Raster title(width, height);
  const float titleBottom = static_cast<float>(S + Title);
  FillRoundBox(title, window, radii,
               Vertical(d.Col(w, active ? "TitleTop" : "TitleInactiveTop"),
                        d.Col(w, active ? "TitleBottom" : "TitleInactiveBottom"), static_cast<float>(S), titleBottom));
  Raster sheen(width, height);
  StrokeRoundBox(sheen, window.Inset(1), Radii{top - 1, top - 1, 0, 0}, 1,
                 d.Col(w, active ? "TitleSheen" : "TitleInactiveSheen"));
  title.Draw(sheen.Crop(0, 0, width, S + static_cast<int>(top)), 0, 0);
  DrawRows(out, title, S, S + Title);

  Raster outline(width, height);
  StrokeRoundBox(outline, window, radii, 1, d.Col(w, active ? "Outline" : "OutlineInactive"));
  out.Draw(outline, 0, 0);
  return out;
}

Raster DrawFrameImage(const Design& d) {
  constexpr int FrameWidth = FrameGeometry::ImageWidth, FrameHeight = FrameGeometry::ImageHeight;
  Raster out(2 * FrameWidth, FrameHeight);
  for (int state = 0; state < 2; ++state) {
    const Raster big = DrawWindow(d, state == 1, 4 * FrameWidth, 3 * FrameHeight);
    out.Copy(ShrinkNineSlice(big, FrameGeometry::ImageWidth, FrameGeometry::ImageHeight, FrameGeometry::ImageSlices), 0, 0,
             FrameWidth, FrameHeight, state * FrameWidth, 0);
  }
  return out;
}
