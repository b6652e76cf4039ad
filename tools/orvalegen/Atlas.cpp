#include "Atlas.h"

#include <algorithm>
#include <cstdio>

#include "Elements.h"
#include "base/Exception.h"

namespace {

// Draw modes: 1 stretch sides, 2 hidden in state 0, 4 paint the centre, 16 own alpha.
constexpr int Alpha = 16;
constexpr int StretchedFace = 1 | 4 | Alpha;
constexpr int HoverOnlyFace = StretchedFace | 2;

// Key-colour marks are flattened onto the window surface their edges blend into.
AtlasElement Mark(std::string name, int x, int y, int size, MarkKind kind) {
  return {std::move(name), x, y, size, size, 3, ElementForm::KeyGlyph, {}, 0,
          [size, kind](const Design& d, int frame) {
            return OnKeyColour(DrawMark(d, kind, size, frame), d.Col("Window", "Surface"));
          }};
}

// The marks drawn again at 125, 150 and 200 %: a key-colour image resampled
// at load time keeps magenta in its edge pixels, so each scale brings its own.
// They fill rows below the elements of 100 %, from y = 200.
void AddScaledMarks(std::vector<AtlasElement>& elements) {
  struct MarkSpec {
    const char* Name;
    int Size;  // at 100 %
    MarkKind Kind;
  };
  const MarkSpec marks[] = {
      {"BOXUNCHECKED", 17, MarkKind::Box},   {"BOXCHECKED", 17, MarkKind::BoxChecked},
      {"BOXGRAYED", 17, MarkKind::BoxGrayed}, {"RADIOUNCHECKED", 17, MarkKind::Radio},
      {"RADIOCHECKED", 17, MarkKind::RadioChecked}, {"SMALLUNCHECKED", 13, MarkKind::Box},
      {"SMALLCHECKED", 13, MarkKind::BoxChecked}, {"SMALLGRAYED", 13, MarkKind::BoxGrayed},
  };
  int x = 0, y = 200, rowHeight = 0;
  for (const int percent : {125, 150, 200}) {
    for (const MarkSpec& m : marks) {
      const int size = m.Size * percent / 100;
      if (x + 3 * size > MasterWidth) {
        x = 0;
        y += rowHeight;
        rowHeight = 0;
      }
      elements.push_back(Mark(m.Name + std::to_string(percent), x, y, size, m.Kind));
      x += 3 * size;
      rowHeight = std::max(rowHeight, size);
    }
  }
}

AtlasElement TitleButton(std::string name, int x, int y, int size, TitleGlyph glyph) {
  return {std::move(name), x, y, size, size, 3, ElementForm::Glyph, {}, Alpha,
          [size, glyph](const Design& d, int frame) { return DrawTitleButton(d, glyph, size, frame); }};
}

AtlasElement Arrow(std::string name, int x, int y, ArrowDirection direction) {
  return {std::move(name), x, y, 10, 10, 3, ElementForm::Glyph, {}, Alpha,
          [direction](const Design& d, int frame) { return DrawArrow(d, direction, 10, frame); }};
}

AtlasElement Tab(std::string name, int x, int y, Margins slice, bool sideways, Raster (*orient)(const Raster&)) {
  return {std::move(name), x, y, sideways ? 24 : 28, sideways ? 28 : 24, 3, ElementForm::Border, slice, StretchedFace,
          [orient](const Design& d, int frame) { return orient(DrawTopTab(d, 28, 24, frame)); }};
}

std::vector<AtlasElement> BuildElements() {
  using F = ElementForm;
  std::vector<AtlasElement> elements{
      // Title-bar buttons, large set and small set, three states each.
      TitleButton("BICONCLOSE", 0, 0, 24, TitleGlyph::Close),
      TitleButton("BICONMAX", 72, 0, 24, TitleGlyph::Maximize),
      TitleButton("BICONMIN", 144, 0, 24, TitleGlyph::Minimize),
      TitleButton("BICONNORM", 216, 0, 24, TitleGlyph::Restore),
      TitleButton("BICONHELP", 288, 0, 24, TitleGlyph::Help),
      TitleButton("TITLEBUTTON", 0, 24, 24, TitleGlyph::None),
      TitleButton("SICONCLOSE", 72, 24, 16, TitleGlyph::Close),
      TitleButton("SICONMAX", 120, 24, 16, TitleGlyph::Maximize),
      TitleButton("SICONMIN", 168, 24, 16, TitleGlyph::Minimize),
      TitleButton("SICONNORM", 216, 24, 16, TitleGlyph::Restore),
      TitleButton("SICONHELP", 264, 24, 16, TitleGlyph::Help),
      TitleButton("BICLOSEALONE200", 0, 48, 48, TitleGlyph::Close),

      // Buttons and other faces.
      {"BUTTON", 144, 48, 30, 23, 4, F::Border, {6, 5, 6, 5}, StretchedFace,
       [](const Design& d, int frame) { return DrawButtonFace(d, 30, 23, frame); }},
      {"TOOLBUTTON", 264, 48, 24, 22, 3, F::Border, {5, 5, 5, 5}, HoverOnlyFace,
       [](const Design& d, int frame) { return DrawToolFace(d, 24, 22, frame); }},
      {"CHECK", 336, 48, 16, 16, 1, F::Glyph, {}, Alpha, [](const Design& d, int) { return DrawMenuCheck(d, 16); }},
      {"COLHEADER", 144, 72, 12, 20, 3, F::Border, {2, 2, 2, 2}, StretchedFace,
       [](const Design& d, int frame) { return DrawColumnHeader(d, 12, 20, frame); }},
      {"SLIDERH", 180, 72, 20, 14, 2, F::Border, {7, 4, 7, 4}, StretchedFace,
       [](const Design& d, int frame) { return DrawScrollThumb(d, 20, 14, frame); }},
      {"SLIDERV", 220, 72, 14, 20, 2, F::Border, {4, 7, 4, 7}, StretchedFace,
       [](const Design& d, int frame) { return DrawScrollThumb(d, 20, 14, frame).Transposed(); }},
      {"CHANNEL", 264, 72, 12, 6, 1, F::Border, {3, 2, 3, 2}, StretchedFace,
       [](const Design& d, int) { return DrawChannel(d, 12, 6); }},
      {"PROGRESS", 276, 72, 12, 12, 1, F::Border, {4, 4, 4, 4}, StretchedFace,
       [](const Design& d, int) { return DrawProgressFill(d, 12, 12); }},
      {"DIVIDER", 288, 72, 8, 9, 1, F::Border, {0, 4, 0, 4}, StretchedFace,
       [](const Design& d, int) { return DrawDivider(d, 8, 9); }},
      {"DIVIDERV", 296, 72, 9, 8, 1, F::Border, {4, 0, 4, 0}, StretchedFace,
       [](const Design& d, int) { return DrawDivider(d, 8, 9).Transposed(); }},
      {"GRIPIMAGE", 305, 72, 12, 12, 1, F::Glyph, {}, Alpha, [](const Design& d, int) { return DrawSizeGrip(d, 12); }},
      {"GRIPHORZ", 317, 72, 12, 5, 1, F::Glyph, {}, Alpha, [](const Design& d, int) { return DrawGripDots(d, 12, 5); }},
      {"GRIPVERT", 329, 72, 5, 12, 1, F::Glyph, {}, Alpha, [](const Design& d, int) { return DrawGripDots(d, 5, 12); }},

      // Tabs: one drawing turned to each side.
      Tab("TABTOP", 0, 96, {5, 5, 5, 2}, false, [](const Raster& r) { return r; }),
      Tab("TABBOTTOM", 84, 96, {5, 2, 5, 5}, false, [](const Raster& r) { return r.FlippedVertically(); }),
      Tab("TABLEFT", 168, 96, {5, 5, 2, 5}, true, [](const Raster& r) { return r.Transposed(); }),
      Tab("TABRIGHT", 240, 96, {2, 5, 5, 5}, true, [](const Raster& r) { return r.Transposed().FlippedHorizontally(); }),

      // Switch (slider) tracks and thumbs, track-bar thumb.
      {"THUMBOFF", 312, 96, 18, 18, 3, F::Border, {8, 8, 8, 8}, StretchedFace,
       [](const Design& d, int frame) { return DrawSwitchThumb(d, false, 18, frame); }},
      {"THUMBON", 0, 180, 18, 18, 3, F::Border, {8, 8, 8, 8}, StretchedFace,
       [](const Design& d, int frame) { return DrawSwitchThumb(d, true, 18, frame); }},
      {"SWITCHOFF", 160, 156, 36, 20, 3, F::Border, {10, 9, 10, 9}, StretchedFace,
       [](const Design& d, int frame) { return DrawSwitchTrack(d, false, 36, 20, frame); }},
      {"SWITCHON", 268, 156, 36, 20, 3, F::Border, {10, 9, 10, 9}, StretchedFace,
       [](const Design& d, int frame) { return DrawSwitchTrack(d, true, 36, 20, frame); }},
      {"TRACKTHUMB", 54, 180, 16, 16, 3, F::Glyph, {}, Alpha,
       [](const Design& d, int frame) { return DrawTrackThumb(d, 16, frame); }},

      // Check boxes and radio buttons; "BOXCHECKED" keeps its historical place.
      Mark("BOXUNCHECKED", 0, 135, 17, MarkKind::Box),
      Mark("BOXCHECKED", 57, 135, 17, MarkKind::BoxChecked),
      Mark("BOXGRAYED", 114, 135, 17, MarkKind::BoxGrayed),
      Mark("RADIOUNCHECKED", 171, 135, 17, MarkKind::Radio),
      Mark("RADIOCHECKED", 228, 135, 17, MarkKind::RadioChecked),
      Mark("SMALLUNCHECKED", 285, 135, 13, MarkKind::Box),
      Mark("SMALLCHECKED", 324, 135, 13, MarkKind::BoxChecked),
      Mark("SMALLGRAYED", 0, 156, 13, MarkKind::BoxGrayed),

      // Arrows of scroll buttons and combo boxes.
      Arrow("ARROWUP", 40, 156, ArrowDirection::Up),
      Arrow("ARROWDOWN", 70, 156, ArrowDirection::Down),
      Arrow("ARROWLEFT", 100, 156, ArrowDirection::Left),
      Arrow("ARROWRIGHT", 130, 156, ArrowDirection::Right),
  };
  AddScaledMarks(elements);
  return elements;
}

std::string FourDigits(int v) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04d", v);
  return buffer;
}

bool Overlap(const AtlasElement& a, const AtlasElement& b) {
  return a.X < b.X + b.FrameWidth * b.Frames && b.X < a.X + a.FrameWidth * a.Frames && a.Y < b.Y + b.FrameHeight &&
         b.Y < a.Y + a.FrameHeight;
}

}  // namespace

const std::vector<AtlasElement>& MasterElements() {
  static const std::vector<AtlasElement> elements = BuildElements();
  return elements;
}

std::string ElementReference(const AtlasElement& e) {
  const std::string left = FourDigits(e.X), top = FourDigits(e.Y);
  const std::string right = FourDigits(e.X + e.FrameWidth * e.Frames), bottom = FourDigits(e.Y + e.FrameHeight);
  const std::string frames = std::to_string(e.Frames);
  switch (e.Form) {
    case ElementForm::Border:
      return "^" + left + "^" + top + "^" + right + "^" + bottom + "^" + FourDigits(e.Slice.Left) + "^" +
             FourDigits(e.Slice.Top) + "^" + FourDigits(e.Slice.Right) + "^" + FourDigits(e.Slice.Bottom) + "^" +
             frames + "^0^" + std::to_string(e.DrawMode);
    case ElementForm::Glyph: {
      char mode[4];
      std::snprintf(mode, sizeof mode, "%02d", e.DrawMode);
      return "&" + left + top + right + bottom + std::string(16, '0') + frames + "02" + mode + "000000";
    }
    case ElementForm::KeyGlyph:
      return "@" + left + "@" + top + "@" + right + "@" + bottom + "@" + frames + "@0";
  }
  return {};
}

Raster DrawMaster(const Design& d) {
  const std::vector<AtlasElement>& elements = MasterElements();
  Raster master(MasterWidth, MasterHeight);
  for (size_t i = 0; i < elements.size(); ++i) {
    const AtlasElement& e = elements[i];
    if (e.X < 0 || e.Y < 0 || e.X + e.FrameWidth * e.Frames > MasterWidth || e.Y + e.FrameHeight > MasterHeight)
      throw Exception("Element " + e.Name + " does not fit into the master bitmap");
    for (size_t j = 0; j < i; ++j)
      if (Overlap(e, elements[j])) throw Exception("Element " + e.Name + " overlaps " + elements[j].Name);
    for (int frame = 0; frame < e.Frames; ++frame) {
      const Raster picture = e.Draw(d, frame);
      if (picture.Width() != e.FrameWidth || picture.Height() != e.FrameHeight)
        throw Exception("Element " + e.Name + " was drawn at the wrong size");
      master.Copy(picture, 0, 0, e.FrameWidth, e.FrameHeight, e.X + frame * e.FrameWidth, e.Y);
    }
  }
  return master;
}
