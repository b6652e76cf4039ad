#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "graphics/AntiAlias.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

namespace {
// Radii beyond this are limited to it; no control has larger corners.
constexpr int32_t kMaxCornerRadius = 1024;

// Radii 1 to 4 in fixed slots, larger ones found by bitmap width.
std::array<std::unique_ptr<TacWorkBitmap>, 4> SmallMasks;
std::vector<std::unique_ptr<TacWorkBitmap>> LargeMasks;

std::unique_ptr<TacWorkBitmap> MakeCornerMask(int32_t radius) {
  auto mask = NewWorkBitmap(2 * radius + 1, 2 * radius + 1);
  mask->Fill(0xFFFFFFFFu);
  // The disc's centre is the middle pixel's centre.
  const double far = 2.0 * radius + 0.5;
  AntiAliasPainter().FillEllipse(*mask, {0.5, 0.5, far, far}, 0xFF000000u);
  return mask;
}

// Lays the quarter of the mask of radius R whose corner is (QuarterX,
// QuarterY) in the mask over the (R + 1)-square of Bitmap at (X, Y); the
// parent pixel of (X, Y) is at (ParentX, ParentY).
void CutCorner(TacWorkBitmap& bitmap, const TacWorkBitmap& mask, int32_t r, int64_t x, int64_t y, int32_t quarterX,
               int32_t quarterY, int64_t parentX, int64_t parentY, const TacParentBG& bg) {
  const bool fromBitmap = HasParentBitmap(bg);
  const TacPixel parentColor = PixelOfColor(bg.Color);
  for (int32_t dy = 0; dy <= r; ++dy) {
    const int64_t by = y + dy, py = parentY + dy;
    if (by < 0 || by >= bitmap.Height()) continue;
    if (fromBitmap && (py < 0 || py >= bg.Bmp->Height())) continue;
    TacPixel* row = bitmap.Row(static_cast<int32_t>(by));
    const TacPixel* maskRow = mask.Row(quarterY + dy) + quarterX;
    for (int32_t dx = 0; dx <= r; ++dx) {
      const int64_t bx = x + dx, px = parentX + dx;
      if (bx < 0 || bx >= bitmap.Width()) continue;
      if (fromBitmap && (px < 0 || px >= bg.Bmp->Width())) continue;
      const TacPixel p = fromBitmap ? bg.Bmp->Row(static_cast<int32_t>(py))[px] : parentColor;
      const TacPixel m = maskRow[dx];
      TacPixel& d = row[bx];
      if (m == 0xFFFFFFFFu) {
        d = p;
        continue;
      }
      auto toward = [](uint32_t dc, uint32_t pc, uint32_t mc) {
        return static_cast<uint32_t>(int32_t(dc) + (int32_t(pc) - int32_t(dc)) * int32_t(mc) / 256);
      };
      d = MakePixel(toward(Red(d), Red(p), Red(m)), toward(Green(d), Green(p), Green(m)),
                    toward(Blue(d), Blue(p), Blue(m)), toward(Alpha(d), Alpha(p), Blue(m)));
    }
  }
}
}  // namespace

const TacWorkBitmap& CornerMask(int32_t Radius) {
  const int32_t r = std::clamp(Radius, 1, kMaxCornerRadius);
  if (r <= 4) {
    auto& slot = SmallMasks[static_cast<size_t>(r - 1)];
    if (!slot) slot = MakeCornerMask(r);
    return *slot;
  }
  for (const auto& mask : LargeMasks)
    if (mask->Width() == 2 * r + 1) return *mask;
  LargeMasks.push_back(MakeCornerMask(r));
  return *LargeMasks.back();
}

void CutRoundCorners(const TsGeneralData& GeneralData, TacWorkBitmap& Bitmap, const TRect& Rect,
                     bool RelativeToParent, const std::array<int32_t, 4>* Radii, const TacParentBG& ParentBG) {
  if (ParentBG.IsBitmap && !ParentBG.Bmp) return;
  const std::array<int32_t, 4> radii = Radii ? *Radii : std::array<int32_t, 4>{GeneralData.BorderRadius,
                                                   GeneralData.BorderRadius, GeneralData.BorderRadius,
                                                   GeneralData.BorderRadius};
  int64_t parentRight = Rect.Right, parentBottom = Rect.Bottom;
  if (RelativeToParent && HasParentBitmap(ParentBG)) {
    parentRight += int64_t{ParentBG.Bmp->Width()} - Bitmap.Width();
    parentBottom += int64_t{ParentBG.Bmp->Height()} - Bitmap.Height();
  }
  for (size_t i = 0; i < 4; ++i) {
    const int32_t r = std::min(radii[i], kMaxCornerRadius);
    if (r <= 0) continue;
    const TacWorkBitmap& mask = CornerMask(r);
    const bool left = i % 2 == 0, top = i < 2;
    const int64_t x = left ? Rect.Left : int64_t{Rect.Right} - r - 1;
    const int64_t y = top ? Rect.Top : int64_t{Rect.Bottom} - r - 1;
    const int64_t px = (left ? Rect.Left : parentRight - r - 1) + ParentBG.Offset.X;
    const int64_t py = (top ? Rect.Top : parentBottom - r - 1) + ParentBG.Offset.Y;
    CutCorner(Bitmap, mask, r, x, y, left ? 0 : r, top ? 0 : r, px, py, ParentBG);
  }
}
