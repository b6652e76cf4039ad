#pragma once
#include "Design.h"
#include "NineSlice.h"
#include "Raster.h"

// The drawings of the skin's elements. Each returns one state frame (or one
// whole image) at its natural size; the atlas and the file images place them.

// Window frame geometry shared by the frame image, the options and the preview.
struct FrameGeometry {
  static constexpr int Shadow = 14;  // FORMOFFSET
  static constexpr int Border = 4;   // BORDERWIDTH
  static constexpr int Title = 32;   // TITLEHEIGHT
  // One state of "EXTBORD.PNG" and the margins its EXBORDER reference gives.
  static constexpr int ImageWidth = 50, ImageHeight = 80;
  static constexpr Slices ImageSlices{20, 46, 21, 21};
};

// A whole window of the given outer size: shadow, outline, title bar and an
// empty client surface.
Raster DrawWindow(const Design& d, bool active, int width, int height);
// "EXTBORD.PNG": the inactive and the active frame side by side, 50 x 80 each.
Raster DrawFrameImage(const Design& d);

enum class TitleGlyph { Close, Maximize, Minimize, Restore, Help, None };
// One state (0 normal, 1 hot, 2 pressed) of a title-bar button.
Raster DrawTitleButton(const Design& d, TitleGlyph glyph, int size, int state);

// Push button: 0 normal, 1 hot, 2 pressed, 3 default.
Raster DrawButtonFace(const Design& d, int width, int height, int state);
// Flat tool button that shows only under the mouse: 0 normal, 1 hot, 2 pressed.
Raster DrawToolFace(const Design& d, int width, int height, int state);
// A tab standing on its lower edge: 0 normal, 1 hot, 2 selected.
Raster DrawTopTab(const Design& d, int width, int height, int state);
Raster DrawColumnHeader(const Design& d, int width, int height, int state);
// Horizontal scroll-bar thumb: 0 normal, 1 hot.
Raster DrawScrollThumb(const Design& d, int width, int height, int state);
Raster DrawSwitchTrack(const Design& d, bool on, int width, int height, int state);
Raster DrawSwitchThumb(const Design& d, bool on, int size, int state);
Raster DrawTrackThumb(const Design& d, int size, int state);
Raster DrawChannel(const Design& d, int width, int height);
Raster DrawProgressFill(const Design& d, int width, int height);
// A one-pixel horizontal rule in the middle row.
Raster DrawDivider(const Design& d, int width, int height);

enum class MarkKind { Box, BoxChecked, BoxGrayed, Radio, RadioChecked };
// Check-box and radio marks, 0 normal, 1 hot, 2 pressed; opaque where drawn.
Raster DrawMark(const Design& d, MarkKind kind, int size, int state);
enum class ArrowDirection { Up, Down, Left, Right };
Raster DrawArrow(const Design& d, ArrowDirection direction, int size, int state);
Raster DrawMenuCheck(const Design& d, int size);
Raster DrawSizeGrip(const Design& d, int size);
Raster DrawGripDots(const Design& d, int width, int height);

// "GLOWEDIT.PNG": the focus glow around an edit field.
Raster DrawEditGlow(const Design& d);
// One state of "BUTTONHUGE.BMP" (0 normal, 1 hot, 2 pressed, 3 default).
Raster DrawHugeButton(const Design& d, int size, int state);

// The picture flattened onto an opaque background, with every pixel that is
// mostly uncovered turned into the key colour 0xFF00FF, for elements whose
// transparency is the key colour.
Raster OnKeyColour(const Raster& image, Colour background);
