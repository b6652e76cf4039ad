#include <algorithm>

#include "graphics/BlockCopy.h"
#include "graphics/Clip.h"
#include "graphics/PixelFill.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

namespace {
// The first position Anchor + k x Step (k >= 0) whose tile can reach Limit.
int64_t FirstStep(int64_t anchor, int64_t limit, int32_t step) {
  return limit <= anchor ? anchor : anchor + (limit - anchor) / step * step;
}

// The last position Anchor - k x Step (k >= 0) at or before Limit.
int64_t AlignBack(int64_t anchor, int64_t limit, int32_t step) {
  return limit >= anchor ? anchor : anchor - (anchor - limit + step - 1) / step * step;
}

// Draws tiles only inside the area handed to it, whatever their positions.
class TilePainter {
 public:
  TilePainter(TacWorkBitmap& dest, const TRect& area, const TacWorkBitmap& image, const TRect& frame)
      : Dest(dest), Area(area), Image(image), Frame(frame) {}

  // The frame with its top-left at (X, Y), cut to the area.
  void Tile(int64_t x, int64_t y) const {
    const int64_t left = std::max<int64_t>(x, Area.Left), top = std::max<int64_t>(y, Area.Top);
    const int64_t right = std::min<int64_t>(x + Frame.Width(), Area.Right);
    const int64_t bottom = std::min<int64_t>(y + Frame.Height(), Area.Bottom);
    if (right <= left || bottom <= top) return;
    const TRect src{static_cast<int32_t>(Frame.Left + (left - x)), static_cast<int32_t>(Frame.Top + (top - y)),
                    static_cast<int32_t>(Frame.Left + (right - x)), static_cast<int32_t>(Frame.Top + (bottom - y))};
    CopyPixels(Dest, {static_cast<int32_t>(left), static_cast<int32_t>(top)}, Image, src);
  }
  // Tiles from (X0, Y0) rightward and downward to the area's edges.
  void TileFrom(int64_t x0, int64_t y0, int64_t right, int64_t bottom) const {
    right = std::min<int64_t>(right, Area.Right);
    bottom = std::min<int64_t>(bottom, Area.Bottom);
    for (int64_t y = FirstStep(y0, Area.Top, Frame.Height()); y < bottom; y += Frame.Height())
      for (int64_t x = FirstStep(x0, Area.Left, Frame.Width()); x < right; x += Frame.Width()) Tile(x, y);
  }
  // The frame scaled onto Target, cut to the area.
  void Stretch(const TRect& target) const {
    StretchPixels(Dest, target, Image, Frame, Area);
  }

 private:
  TacWorkBitmap& Dest;
  const TRect& Area;
  const TacWorkBitmap& Image;
  TRect Frame;
};

// Codes 0 and 10 of a texture with a mask: tiles composed over the parent;
// code 10 fills what whole tiles leave with the parent.
void FillMaskedTexture(TacWorkBitmap& dest, const TRect& area, const TsMaskData& mask, const TacWorkBitmap& image,
                       const TRect& frame, const TacParentBG& bg) {
  const bool wholeOnly = mask.DrawMode == tpWholeTiles;
  const int32_t w = frame.Width(), h = frame.Height();
  int64_t right = area.Right, bottom = area.Bottom;
  if (wholeOnly) {
    right = area.Left + int64_t{area.Width() / w} * w;
    bottom = area.Top + int64_t{area.Height() / h} * h;
  }
  const TacMaskRule rule = MaskRuleFor(bg, true, mask.Cfg);
  const auto clip = ClipToBitmap(area, dest);
  if (!clip) return;
  right = std::min<int64_t>(right, clip->Right);
  bottom = std::min<int64_t>(bottom, clip->Bottom);
  for (int64_t y = FirstStep(area.Top, clip->Top, h); y < bottom; y += h)
    for (int64_t x = FirstStep(area.Left, clip->Left, w); x < right; x += w) {
      const int32_t cw = static_cast<int32_t>(std::min<int64_t>(w, right - x));
      const int32_t chh = static_cast<int32_t>(std::min<int64_t>(h, bottom - y));
      CopyMaskedPiece(dest, {static_cast<int32_t>(x), static_cast<int32_t>(y)}, image,
                      Bounds(frame.Left, frame.Top, cw, chh), mask.R.Height() / 2, rule, bg);
    }
  if (!wholeOnly) return;
  const TRect strips[2] = {{static_cast<int32_t>(right), clip->Top, clip->Right, static_cast<int32_t>(bottom)},
                           {clip->Left, static_cast<int32_t>(bottom), clip->Right, clip->Bottom}};
  for (const TRect& strip : strips) {
    if (strip.IsEmpty()) continue;
    if (HasParentBitmap(bg))
      CopyPixels(dest, {strip.Left, strip.Top}, *bg.Bmp,
                 {strip.Left + bg.Offset.X, strip.Top + bg.Offset.Y, strip.Right + bg.Offset.X,
                  strip.Bottom + bg.Offset.Y});
    else if (HasParentColor(bg))
      FillPixels(dest, strip, ColorToRGB(bg.Color), 255);
  }
}
}  // namespace

void FillTexture(TacWorkBitmap& Bitmap, TRect& Area, const TsMaskData& MaskData, const TacParentBG& ParentBG,
                 const TacSkinData& SkinData) {
  const TacWorkBitmap* image = ElementImage(MaskData, SkinData);
  const auto clipped = ClipToBitmap(Area, Bitmap);
  const TRect frame = Bounds(MaskData.R.Left, MaskData.R.Top, MaskData.Width, MaskData.Height);
  if (!image || !clipped || frame.IsEmpty()) return;
  const TRect area = Area;
  const int32_t w = frame.Width(), h = frame.Height();
  if (MaskData.MaskType > 0) {
    Area = NoUncoveredArea;
    if (MaskData.DrawMode == tpTile || MaskData.DrawMode == tpWholeTiles)
      FillMaskedTexture(Bitmap, area, MaskData, *image, frame, ParentBG);
    return;
  }
  const TilePainter tiles(Bitmap, *clipped, *image, frame);
  // What is left beside a strip, or none when the strip covers the area.
  auto rest = [](const TRect& r) { return r.IsEmpty() ? NoUncoveredArea : r; };
  const int64_t rightColumn = int64_t{area.Right} - w, bottomRow = int64_t{area.Bottom} - h;
  switch (MaskData.DrawMode) {
    case 0:
      tiles.TileFrom(area.Left, area.Top, area.Right, area.Bottom);
      Area = NoUncoveredArea;
      break;
    case 1:
      tiles.Stretch(area);
      Area = NoUncoveredArea;
      break;
    case 2:
      tiles.TileFrom(area.Left, area.Top, area.Right, std::min<int64_t>(area.Top + int64_t{h}, area.Bottom));
      Area = rest({area.Left, SaturatedAdd(area.Top, h), area.Right, area.Bottom});
      break;
    case 3:
      tiles.TileFrom(area.Left, area.Top, std::min<int64_t>(area.Left + int64_t{w}, area.Right), area.Bottom);
      Area = rest({SaturatedAdd(area.Left, w), area.Top, area.Right, area.Bottom});
      break;
    case 4:
      tiles.Stretch({area.Left, area.Top, area.Right, SaturatedAdd(area.Top, h)});
      Area = rest({area.Left, SaturatedAdd(area.Top, h), area.Right, area.Bottom});
      break;
    case 5:
      tiles.Stretch({area.Left, area.Top, SaturatedAdd(area.Left, w), area.Bottom});
      Area = rest({SaturatedAdd(area.Left, w), area.Top, area.Right, area.Bottom});
      break;
    case 6:
      tiles.TileFrom(area.Left, bottomRow, area.Right, area.Bottom);
      Area = rest({area.Left, area.Top, area.Right, SaturatedAdd(area.Bottom, -int64_t{h})});
      break;
    case 7:
    case 8:
    case 9:
    case 14:
      tiles.TileFrom(rightColumn, area.Top, area.Right, area.Bottom);
      if (MaskData.DrawMode == 7) Area = rest({area.Left, area.Top, SaturatedAdd(area.Right, -int64_t{w}), area.Bottom});
      break;
    case 10:
      tiles.TileFrom(area.Left, area.Top, area.Right, area.Top + int64_t{area.Height() / h} * h);
      Area = NoUncoveredArea;
      break;
    case 11:
      for (int64_t y = FirstStep(area.Top, clipped->Top, h); y < clipped->Bottom; y += h)
        tiles.Stretch({area.Left, static_cast<int32_t>(y), area.Right, static_cast<int32_t>(y + h)});
      Area = {};
      break;
    case 12:
      for (int64_t x = FirstStep(area.Left, clipped->Left, w); x < clipped->Right; x += w)
        tiles.Stretch({static_cast<int32_t>(x), area.Top, static_cast<int32_t>(x + w), area.Bottom});
      Area = {};
      break;
    case 13:
      tiles.TileFrom(AlignBack(rightColumn, clipped->Left, w), AlignBack(bottomRow, clipped->Top, h), area.Right,
                     area.Bottom);
      Area = {};
      break;
    default:
      break;
  }
}
