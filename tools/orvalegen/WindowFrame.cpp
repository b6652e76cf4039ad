#include "Elements.h"
#include "Shadow.h"
#include "Shapes.h"

namespace {

constexpr int S = FrameGeometry::Shadow;
constexpr int Title = FrameGeometry::Title;

// Margins of "EXTBORD.PNG" and its frame size.
constexpr int FrameWidth = 50, FrameHeight = 80;
constexpr int MarginLeft = 20, MarginTop = 46, MarginRight = 21, MarginBottom = 21;

// Rows [top, bottom) of `layer` drawn over `target`.
void DrawRows(Raster& target, const Raster& layer, int top, int bottom) {
  target.Draw(layer.Crop(0, top, layer.Width(), bottom - top), 0, top);
}

// Cuts a large drawing down to a small nine-slice template: corners kept as they
// are, the middle slices taken from the large drawing's centre where every
// row and column is uniform, so the engine can stretch them.
Raster ShrinkNineSlice(const Raster& big, int width, int height, int left, int top, int right, int bottom) {
  const int midWidth = width - left - right;
  const int midHeight = height - top - bottom;
  const int xs[3] = {0, (big.Width() - midWidth) / 2, big.Width() - right};
  const int ws[3] = {left, midWidth, right};
  const int dxs[3] = {0, left, width - right};
  const int ys[3] = {0, (big.Height() - midHeight) / 2, big.Height() - bottom};
  const int hs[3] = {top, midHeight, bottom};
  const int dys[3] = {0, top, height - bottom};
  Raster out(width, height);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) out.Copy(big, xs[col], ys[row], ws[col], hs[row], dxs[col], dys[row]);
  return out;
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
  Raster out(2 * FrameWidth, FrameHeight);
  for (int state = 0; state < 2; ++state) {
    const Raster big = DrawWindow(d, state == 1, 4 * FrameWidth, 3 * FrameHeight);
    out.Copy(ShrinkNineSlice(big, FrameWidth, FrameHeight, MarginLeft, MarginTop, MarginRight, MarginBottom), 0, 0,
             FrameWidth, FrameHeight, state * FrameWidth, 0);
  }
  return out;
}
