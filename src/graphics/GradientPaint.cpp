#include <algorithm>
#include <cmath>
#include <cstring>

#include "graphics/Clip.h"
#include "graphics/FourCornerGradient.h"
#include "graphics/Gradient.h"
#include "graphics/PixelMath.h"
#include "graphics/WorkBitmap.h"

namespace {
// A stretch of rows or columns from one gradient point's colour to the next's.
struct Segment {
  int64_t Start, End;
  TacPixel From, To;  // pixel values, alpha included
  bool CarriesAlpha;
};

int32_t Direction(const TsGradArray& points) { return points[0].Mode & gmDirectionMask; }

Segment MakeSegment(const TsGradArray& points, size_t i, int64_t start, int64_t end) {
  const TsGradPoint& a = points[i - 1];
  const TsGradPoint& b = points[i];
  return {start, end, PixelOfColor(static_cast<TColor>(a.Color)), PixelOfColor(static_cast<TColor>(b.Color)),
          ((a.Mode | b.Mode) & gmPointAlpha) != 0};
}

std::vector<Segment> VerticalSegments(const TsGradArray& points, const TRect& area, int32_t extra) {
  std::vector<Segment> segments;
  const int64_t span = int64_t{area.Height()} + extra;
  int64_t y = int64_t{area.Top} + extra;
  for (size_t i = 1; i < points.size(); ++i) {
    int64_t end = std::min<int64_t>(y + (points[i].Percent - points[i - 1].Percent) * span / 100, area.Bottom);
    if (i == points.size() - 1) end = area.Bottom;
    segments.push_back(MakeSegment(points, i, y, end));
    y = end;
  }
  return segments;
}

std::vector<Segment> HorizontalSegments(const TsGradArray& points, const TRect& area) {
  std::vector<Segment> segments;
  const int64_t last = int64_t{area.Right} - 1;
  int64_t x = area.Left;
  for (size_t i = 1; i < points.size(); ++i) {
    const double length = double(points[i].Percent - points[i - 1].Percent) * area.Width() / 100.0;
    int64_t end = std::min(x + static_cast<int64_t>(std::nearbyint(length)), last);
    if (i == points.size() - 1) end = last;
    segments.push_back(MakeSegment(points, i, x, end));
    x = end;
  }
  return segments;
}

// Row k of a vertical ramp of n rows: each channel starts at its From value and
// grows by a double-precision step per row, the running value held in single
// precision and rounded half to even; the ramp stops one step short of To.
// Writes Count values (n, or n + 1 to include the end row).
void VerticalRamp(const Segment& s, int64_t count, TacPixel* out) {
  const int64_t n = s.End - s.Start;
  float value[3];
  double step[3];
  for (int ch = 0; ch < 3; ++ch) {
    const int shift = ch * 8;
    value[ch] = float((s.From >> shift) & 0xFF);
    step[ch] = (double((s.To >> shift) & 0xFF) - double((s.From >> shift) & 0xFF)) / double(n);
  }
  for (int64_t k = 0; k < count; ++k) {
    TacPixel p = 0xFF000000u;
    for (int ch = 0; ch < 3; ++ch) {
      p |= ClampByte(static_cast<int32_t>(std::nearbyint(value[ch]))) << (ch * 8);
      value[ch] = static_cast<float>(value[ch] + step[ch]);
    }
    out[k] = p;
  }
}

// Column k of n of a horizontal ramp: From + k x (To - From) / n rounded half
// to even, so column n is exactly To.
TacPixel HorizontalColor(const Segment& s, int64_t k) {
  const int64_t n = s.End - s.Start;
  if (n == 0) return s.To | 0xFF000000u;
  TacPixel p = 0xFF000000u;
  for (int ch = 0; ch < 3; ++ch) {
    const int shift = ch * 8;
    const double from = double((s.From >> shift) & 0xFF), to = double((s.To >> shift) & 0xFF);
    p |= ClampByte(static_cast<int32_t>(std::nearbyint(from + double(k) * (to - from) / double(n)))) << shift;
  }
  return p;
}

// Alpha brush colour at fraction t from From to To, alpha included.
TacPixel BrushColor(const Segment& s, double t) {
  TacPixel p = 0;
  for (int ch = 0; ch < 4; ++ch) {
    const int shift = ch * 8;
    const double from = double((s.From >> shift) & 0xFF), to = double((s.To >> shift) & 0xFF);
    p |= ClampByte(static_cast<int32_t>(std::lround(from + (to - from) * t))) << shift;
  }
  return p;
}

void PaintVertical(TacWorkBitmap& bitmap, const TRect& area, const TsGradArray& points, int32_t extra) {
  std::vector<TacPixel> ramp;
  for (const Segment& s : VerticalSegments(points, area, extra)) {
    const int64_t n = s.End - s.Start;
    if (n <= 0) continue;
    const int64_t first = std::max<int64_t>(s.Start, area.Top);
    if (s.CarriesAlpha) {
      // The brush starts one row above the segment; that seam row is not drawn.
      for (int64_t y = first; y < s.End; ++y) {
        const TacPixel color = BrushColor(s, double(y - (s.Start - 1)) / double(n));
        TacPixel* row = bitmap.Row(static_cast<int32_t>(y));
        for (int32_t x = area.Left; x < area.Right; ++x) row[x] = ComposeOver(row[x], color);
      }
      continue;
    }
    ramp.resize(static_cast<size_t>(n));
    if (s.From == s.To)
      std::fill(ramp.begin(), ramp.end(), s.From | 0xFF000000u);
    else
      VerticalRamp(s, n, ramp.data());
    for (int64_t y = first; y < s.End; ++y) {
      TacPixel* row = bitmap.Row(static_cast<int32_t>(y));
      std::fill(row + area.Left, row + area.Right, ramp[static_cast<size_t>(y - s.Start)]);
    }
  }
}

void PaintHorizontal(TacWorkBitmap& bitmap, const TRect& area, const TsGradArray& points) {
  std::vector<TacPixel> line(static_cast<size_t>(area.Width()));
  for (const Segment& s : HorizontalSegments(points, area)) {
    const int64_t n = s.End - s.Start;
    if (n < 0) continue;
    if (s.CarriesAlpha) {
      // The brush starts one column left of the segment; that seam column is not drawn.
      const int64_t first = std::max<int64_t>(s.Start + 1, area.Left);
      for (int64_t x = first; x <= s.End; ++x) line[static_cast<size_t>(x - area.Left)] = BrushColor(s, double(x - s.Start) / double(n));
      for (int32_t y = area.Top; y < area.Bottom; ++y) {
        TacPixel* row = bitmap.Row(y);
        for (int64_t x = first; x <= s.End; ++x) row[x] = ComposeOver(row[x], line[static_cast<size_t>(x - area.Left)]);
      }
      continue;
    }
    const int64_t first = std::max<int64_t>(s.Start, area.Left);
    if (s.End < first) continue;
    for (int64_t x = first; x <= s.End; ++x) line[static_cast<size_t>(x - area.Left)] = HorizontalColor(s, x - s.Start);
    const size_t bytes = static_cast<size_t>(s.End - first + 1) * sizeof(TacPixel);
    for (int32_t y = area.Top; y < area.Bottom; ++y)
      std::memcpy(bitmap.Row(y) + first, line.data() + (first - area.Left), bytes);
  }
}

void PaintCorners(TacWorkBitmap& bitmap, const TRect& area, const TsGradArray& points) {
  if (points.size() < 5) return;
  TacPixel colors[5];
  for (size_t i = 0; i < 5; ++i) colors[i] = PixelOfColor(static_cast<TColor>(points[i].Color));
  PaintFourCorners(bitmap, area, colors, !(points[0].Mode & gmAlphaOverlay));
}

// The gradient colour of each column (horizontal) or row (vertical) of Area,
// every segment drawn opaque and a vertical one including its end row.
std::vector<TacPixel> GradientLine(const TsGradArray& points, const TRect& area, bool horizontal) {
  const int64_t origin = horizontal ? area.Left : area.Top;
  std::vector<TacPixel> line(static_cast<size_t>(horizontal ? area.Width() : area.Height()),
                             PixelOfColor(static_cast<TColor>(points[0].Color)));
  const auto size = static_cast<int64_t>(line.size());
  std::vector<TacPixel> ramp;
  for (const Segment& s : horizontal ? HorizontalSegments(points, area) : VerticalSegments(points, area, 0)) {
    const int64_t n = s.End - s.Start;
    if (n < 0 || (n == 0 && !horizontal)) continue;
    if (!horizontal) {
      ramp.resize(static_cast<size_t>(n + 1));
      VerticalRamp(s, n + 1, ramp.data());
    }
    for (int64_t k = 0; k <= n; ++k) {
      const int64_t at = s.Start + k - origin;
      if (at >= 0 && at < size) line[static_cast<size_t>(at)] = horizontal ? HorizontalColor(s, k) : ramp[static_cast<size_t>(k)];
    }
  }
  return line;
}
}  // namespace

void PaintGradient(TacWorkBitmap& bitmap, const TRect& rect, const TsGradArray& points, int32_t extra) {
  const auto area = ClipToBitmap(rect, bitmap);
  if (!area || points.empty()) return;
  switch (Direction(points)) {
    case 0: PaintVertical(bitmap, *area, points, extra); break;
    case 1: PaintHorizontal(bitmap, *area, points); break;
    case 2: PaintCorners(bitmap, *area, points); break;
    default: break;
  }
}

void PaintTextureGradient(TacWorkBitmap& bitmap, const TRect& rect, const TsGradArray& points, int32_t alpha,
                          int32_t textureWeight, const TRect& textureRect, const TacWorkBitmap& textureBitmap) {
  const auto area = ClipToBitmap(rect, bitmap);
  const auto texture = ClipToBitmap(textureRect, textureBitmap);
  if (!area || !texture || points.empty()) return;
  const int32_t direction = Direction(points);
  if (direction != 0 && direction != 1) return;
  const bool horizontal = direction == 1;
  const std::vector<TacPixel> line = GradientLine(points, *area, horizontal);
  const auto tw = static_cast<uint16_t>(std::clamp(textureWeight, 0, 256));
  const uint32_t alphaByte = ClampByte(alpha) << 24;
  const int32_t texWidth = texture->Width(), texHeight = texture->Height();
  const auto width = static_cast<size_t>(area->Width());

  // The texture rows laid side by side across the area, anchored at the
  // bitmap's origin: (x mod tw) + texture left; row k of the table serves
  // area rows k, k + th, k + 2 th...
  const int32_t tiledRows = std::min(texHeight, area->Height());
  std::vector<TacPixel> tiled(width * static_cast<size_t>(tiledRows));
  for (int32_t y = area->Top; y < area->Top + tiledRows; ++y) {
    const TacPixel* tex = textureBitmap.Row(texture->Top + y % texHeight) + texture->Left;
    TacPixel* out = tiled.data() + static_cast<size_t>(y - area->Top) * width;
    for (int32_t x = area->Left; x < area->Right;) {
      const int32_t from = x % texWidth;
      const int32_t count = std::min(texWidth - from, area->Right - x);
      std::copy_n(tex + from, count, out + (x - area->Left));
      x += count;
    }
  }

  // A horizontal gradient repeats with the texture's height, so only that many
  // rows are computed and the rest copied down.
  const int32_t computed = horizontal ? tiledRows : area->Height();
  for (int32_t y = area->Top; y < area->Top + computed; ++y) {
    TacPixel* row = bitmap.Row(y) + area->Left;
    if (horizontal)
      std::copy(line.begin(), line.end(), row);
    else
      std::fill_n(row, width, line[static_cast<size_t>(y - area->Top)]);
    const TacPixel* tex = tiled.data() + static_cast<size_t>((y - area->Top) % tiledRows) * width;
    MixBytes(Bytes(row), Bytes(tex), width * 4, static_cast<uint16_t>(256 - tw), tw);
    for (size_t x = 0; x < width; ++x) row[x] = (row[x] & 0x00FFFFFFu) | alphaByte;
  }
  for (int32_t y = area->Top + computed; y < area->Bottom; ++y)
    std::memcpy(bitmap.Row(y) + area->Left, bitmap.Row(y - computed) + area->Left, width * sizeof(TacPixel));
}
