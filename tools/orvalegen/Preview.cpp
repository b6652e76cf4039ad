#include "Preview.h"

#include "Elements.h"
#include "Shapes.h"

namespace {

// The main window at 96 pixels per inch: frame bitmap size and client origin.
constexpr int WindowWidth = 298, WindowHeight = 166;
constexpr float ClientX = 18, ClientY = 46;
// The panel's place in the client area.
constexpr float PanelX = ClientX + 1, PanelY = ClientY + 3;

// A line of text, suggested by a rounded bar across its x-height.
void TextBar(Raster& r, float x, float y, float width, Colour c) {
  FillRoundBox(r, Box{x, y + 5, x + width, y + 9}, Radii::All(2), Flat(c));
}

void Field(Raster& r, const Design& d, float x, float y, float width, float height) {
  const Box box{PanelX + x, PanelY + y, PanelX + x + width, PanelY + y + height};
  const Radii radii = Radii::All(d.Num("Controls", "FieldRadius"));
  FillRoundBox(r, box, radii, Flat(d.Col("Controls", "Field")));
  // The edit's border colour that the options file gives for its normal state.
  StrokeRoundBox(r, box, radii, 1, RgbColour(0xDBDBDB));
  TextBar(r, box.L + width / 2 - 60, box.T + 4, 120, d.Col("Window", "Text"));
}

void Icon(Raster& r, const Design& d, float x, float y) {
  FillRoundBox(r, Box{x + 1, y + 1, x + 15, y + 15}, Radii::All(3), Flat(RgbColour(0xFFFFFF, 0.92f)));
  FillRoundBox(r, Box{x + 4, y + 5, x + 12, y + 7}, Radii::All(1), Flat(d.Col("Controls", "Accent")));
  FillRoundBox(r, Box{x + 4, y + 9, x + 10, y + 11}, Radii::All(1), Flat(d.Col("Controls", "AccentHot")));
}

}  // namespace

Raster DrawPreview(const Design& d) {
  // The frame as the engine lays it out: the active half of "EXTBORD.PNG" stretched.
  const Raster active = DrawFrameImage(d).Crop(FrameGeometry::ImageWidth, 0, FrameGeometry::ImageWidth,
                                               FrameGeometry::ImageHeight);
  Raster out = StretchNineSlice(active, WindowWidth, WindowHeight, FrameGeometry::ImageSlices);
  Icon(out, d, 22, 21);
  TextBar(out, 42, 22, 104, RgbColour(0xFFFFFF, 0.95f));
  out.Draw(DrawTitleButton(d, TitleGlyph::Close, 24, 0), 256, 17);

  const Colour text = d.Col("Window", "Text");
  const Colour muted = d.Col("Window", "TextMuted");
  TextBar(out, PanelX + 96, PanelY + 2, 65, text);
  Field(out, d, 4, 17, 252, 21);
  out.Draw(DrawButtonFace(d, 252, 23, 0), static_cast<int>(PanelX) + 4, static_cast<int>(PanelY) + 41);
  TextBar(out, PanelX + 4 + 126 - 32, PanelY + 41 + 6, 64, text);
  TextBar(out, PanelX + 29, PanelY + 66, 218, muted);
  TextBar(out, PanelX + 29, PanelY + 79, 132, muted);
  const Colour link = d.Col("Controls", "Accent");
  TextBar(out, PanelX + 166, PanelY + 79, 36, link);
  FillRoundBox(out, Box{PanelX + 166, PanelY + 90, PanelX + 202, PanelY + 91}, Radii{}, Flat(link));
  return out;
}
