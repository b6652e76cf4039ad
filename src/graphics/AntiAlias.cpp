#include "graphics/AntiAlias.h"

#include <algorithm>
#include <cmath>

#include "graphics/PixelMath.h"
#include "graphics/WorkBitmap.h"

namespace {
constexpr int kSamples = 8;

// Calls Inside(x, y) at kSamples x kSamples points of the pixel and composes
// Color over it by the share that answered true.
template <typename Inside>
void CoverPixel(TacWorkBitmap& bitmap, int32_t x, int32_t y, TacPixel color, Inside inside) {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy)
    for (int sx = 0; sx < kSamples; ++sx)
      hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
  if (hits == 0) return;
  const uint32_t alpha = (Alpha(color) * static_cast<uint32_t>(hits) + kSamples * kSamples / 2) / (kSamples * kSamples);
  TacPixel& d = bitmap.Row(y)[x];
  d = ComposeOver(d, WithAlpha(color, alpha));
}

int32_t FloorIn(double v, int32_t limit) { return static_cast<int32_t>(std::clamp(std::floor(v), 0.0, double(limit))); }
int32_t CeilIn(double v, int32_t limit) { return static_cast<int32_t>(std::clamp(std::ceil(v), 0.0, double(limit))); }

struct RoundRect {
  TacRectF R;
  std::array<double, 4> Radii;

  bool Empty() const { return R.Right <= R.Left || R.Bottom <= R.Top; }
  bool Contains(double x, double y) const {
    if (x < R.Left || x >= R.Right || y < R.Top || y >= R.Bottom) return false;
    const double cx[4] = {R.Left + Radii[0], R.Right - Radii[1], R.Left + Radii[2], R.Right - Radii[3]};
    const double cy[4] = {R.Top + Radii[0], R.Top + Radii[1], R.Bottom - Radii[2], R.Bottom - Radii[3]};
    for (size_t i = 0; i < 4; ++i) {
      const double r = Radii[i];
      if (r <= 0) continue;
      const bool left = i % 2 == 0, top = i < 2;
      if ((left ? x < cx[i] : x > cx[i]) && (top ? y < cy[i] : y > cy[i])) {
        const double dx = x - cx[i], dy = y - cy[i];
        if (dx * dx + dy * dy > r * r) return false;
      }
    }
    return true;
  }
  double MaxRadius() const { return *std::max_element(Radii.begin(), Radii.end()); }
};

// Radii larger than half the side they sit on cannot be drawn.
RoundRect Limited(const TacRectF& rect, std::array<double, 4> radii) {
  const double limit = std::max(0.0, std::min(rect.Right - rect.Left, rect.Bottom - rect.Top) / 2);
  for (double& r : radii) r = std::clamp(r, 0.0, limit);
  return {rect, radii};
}

class PortablePainter final : public TacAntiAliasPainter {
 public:
  void FillEllipse(TacWorkBitmap& bitmap, const TacRectF& b, TacPixel color) const override {
    const double rx = (b.Right - b.Left) / 2, ry = (b.Bottom - b.Top) / 2;
    if (rx <= 0 || ry <= 0) return;
    const double cx = b.Left + rx, cy = b.Top + ry;
    auto inside = [&](double x, double y) {
      const double u = (x - cx) / rx, v = (y - cy) / ry;
      return u * u + v * v <= 1.0;
    };
    for (int32_t y = FloorIn(b.Top, bitmap.Height()); y < CeilIn(b.Bottom, bitmap.Height()); ++y)
      for (int32_t x = FloorIn(b.Left, bitmap.Width()); x < CeilIn(b.Right, bitmap.Width()); ++x)
        CoverPixel(bitmap, x, y, color, inside);
  }

  void StrokeRoundRect(TacWorkBitmap& bitmap, const TacRoundRectPath& path, double width,
                       TacPixel color) const override {
    if (width <= 0) return;
    const RoundRect centre = Limited(path.Rect, path.Radii);
    if (centre.R.Right < centre.R.Left || centre.R.Bottom < centre.R.Top) return;
    const double h = width / 2;
    RoundRect outer{{centre.R.Left - h, centre.R.Top - h, centre.R.Right + h, centre.R.Bottom + h}, {}};
    RoundRect inner{{centre.R.Left + h, centre.R.Top + h, centre.R.Right - h, centre.R.Bottom - h}, {}};
    for (size_t i = 0; i < 4; ++i) {
      const double r = centre.Radii[i];
      outer.Radii[i] = r > 0 ? r + h : 0;
      inner.Radii[i] = std::max(0.0, r - h);
    }
    auto inside = [&](double x, double y) { return outer.Contains(x, y) && (inner.Empty() || !inner.Contains(x, y)); };
    // Only the band between the outer edge and the inner shape's straight parts is visited.
    const double innerReach = inner.Empty() ? 0 : inner.MaxRadius() + 1;
    const int32_t w = bitmap.Width(), hgt = bitmap.Height();
    const int32_t left = FloorIn(outer.R.Left, w), right = CeilIn(outer.R.Right, w);
    for (int32_t y = FloorIn(outer.R.Top, hgt); y < CeilIn(outer.R.Bottom, hgt); ++y) {
      const bool besideInner = !inner.Empty() && y >= inner.R.Top + innerReach && y + 1 <= inner.R.Bottom - innerReach;
      if (!besideInner) {
        for (int32_t x = left; x < right; ++x) CoverPixel(bitmap, x, y, color, inside);
        continue;
      }
      const int32_t leftEnd = std::min(right, CeilIn(inner.R.Left, w));
      const int32_t rightStart = std::max(leftEnd, FloorIn(inner.R.Right, w));
      for (int32_t x = left; x < leftEnd; ++x) CoverPixel(bitmap, x, y, color, inside);
      for (int32_t x = rightStart; x < right; ++x) CoverPixel(bitmap, x, y, color, inside);
    }
  }
};
}  // namespace

const TacAntiAliasPainter& PortableAntiAliasPainter() {
  static const PortablePainter painter;
  return painter;
}
