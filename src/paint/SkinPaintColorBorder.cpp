#include <algorithm>
#include <array>
#include <optional>

#include "graphics/AntiAlias.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

namespace {
using Radii = std::array<int32_t, 4>;  // top-left, top-right, bottom-left, bottom-right

// Two radii that meet along a side shorter than they need share it evenly.
void LimitPair(int32_t& a, int32_t& b, int32_t side) {
  if (a + b > side - 1) a = b = (side - 1) / 2;
}

void LimitToOwner(Radii& r, const TRect& rect) {
  const int32_t w = rect.Width(), h = rect.Height();
  if (h > w) {
    LimitPair(r[0], r[1], w);
    LimitPair(r[2], r[3], w);
  } else {
    LimitPair(r[0], r[2], h);
    LimitPair(r[1], r[3], h);
  }
}

// The pen's centre runs W / 2 inside every edge, so a border of width W
// covers exactly the outer W pixels of the rectangle.
void Stroke(TacWorkBitmap& bitmap, const TRect& rect, int32_t width, const std::optional<Radii>& radii,
            TColor rgb) {
  const double h = width / 2.0;
  TacRoundRectPath path{{rect.Left + h, rect.Top + h, rect.Right - h, rect.Bottom - h}, {}};
  if (radii)
    for (size_t i = 0; i < 4; ++i) path.Radii[i] = std::max((*radii)[i], 0);
  AntiAliasPainter().StrokeRoundRect(bitmap, path, width, WithAlpha(PixelOfColor(rgb), 255));
}
}  // namespace

bool PaintColorBorder(TacWorkBitmap& Bitmap, const TRect& Rect, const TsGeneralData& GeneralData, bool LimitCorners,
                      int32_t PPI, const TacPaintBorderData* CustomBorder, const TacParentBG& ParentBG, int32_t State,
                      const TacSkinData& SkinData) {
  const int32_t state = PropsState(GeneralData, State);
  const TsGenState& props = GeneralData.Props[static_cast<size_t>(state)];
  int32_t width = GeneralData.BorderWidth;
  std::optional<Radii> radii;
  TColor color = props.BorderColor;
  if (CustomBorder && CustomBorder->IsChanged) {
    if (CustomBorder->Width >= 0) width = CustomBorder->Width;
    radii = Radii{CustomBorder->GetCorner(0), CustomBorder->GetCorner(1), CustomBorder->GetCorner(2),
                  CustomBorder->GetCorner(3)};
    color = CustomBorder->ColorNormal;
    if (state > 0 && CustomBorder->ColorActive != clNone) color = CustomBorder->ColorActive;
    if (state > 1 && CustomBorder->ColorPressed != clNone) color = CustomBorder->ColorPressed;
    if (color == clNone) color = props.BorderColor;
  } else if (GeneralData.BorderRadius > 0) {
    radii.emplace();
    radii->fill(GeneralData.BorderRadius);
  } else if (LimitCorners) {
    radii.emplace();
    radii->fill(-1);
  }
  width = static_cast<int32_t>(int64_t{width} * PPI / 96);
  if (LimitCorners && radii) LimitToOwner(*radii, Rect);

  if (color == clFuchsia) {
    if (radii) CutRoundCorners(GeneralData, Bitmap, Rect, false, &*radii, ParentBG);
    return false;
  }
  const bool visible = width > 0 && color != clNone;
  const TColor rgb = visible ? SkinData.SkinColorToRGB(color) : color;
  if (!radii) {
    if (visible) Stroke(Bitmap, Rect, width, radii, rgb);
    return true;
  }
  TacParentBG under = ParentBG;
  if (!under.IsBitmap && under.Color == clFuchsia) under.Color = rgb;
  const Radii& r = *radii;
  const bool cutFirst = Rect.Width() >= r[0] + r[1] && Rect.Width() >= r[2] + r[3] &&
                        Rect.Height() >= r[0] + r[2] && Rect.Height() >= r[1] + r[3];
  if (cutFirst) CutRoundCorners(GeneralData, Bitmap, Rect, false, &r, under);
  if (visible) Stroke(Bitmap, Rect, width, radii, rgb);
  if (!cutFirst) CutRoundCorners(GeneralData, Bitmap, Rect, false, &r, under);
  return true;
}
