#include <algorithm>

#include "paint/SkinPaintPieces.h"

namespace {
// Beyond any real screen: larger rectangles come from damaged geometry.
constexpr int32_t kMaxPaintSize = 1 << 15;

// Shrinks two opposite margins that do not fit into Size; the second one
// takes the odd pixel. A margin much larger than the other could still
// exceed Size once the other stops at 0, so it is cut to Size as well.
void ShrinkMargins(int32_t size, int32_t& first, int32_t& second) {
  if (size >= first + second) return;
  const int32_t excess = first + second - size;
  first -= excess / 2;
  second -= excess / 2 + excess % 2;
  first = std::clamp(first, 0, size);
  second = std::clamp(second, 0, size - first);
}

// Tiles of Length from Begin to End along one axis: whole tiles while they
// end before End, then one cut tile for the rest.
template <typename PutTile>
void TileSpan(int32_t begin, int32_t end, int32_t length, PutTile put) {
  if (length <= 0) return;
  int64_t p = begin;
  for (; p + length < end; p += length) put(static_cast<int32_t>(p), length);
  if (p < end) put(static_cast<int32_t>(p), static_cast<int32_t>(end - p));
}
}  // namespace

void LayNinePieces(const TRect& rect, const TsMaskData& mask, int32_t state, TacNinePieceSink& sink) {
  if (state == 0 && (mask.DrawMode & dmHiddenInState0)) return;
  if (rect.Width() < 2 || rect.Height() < 2) return;
  if (rect.Width() > kMaxPaintSize || rect.Height() > kMaxPaintSize) return;
  int32_t l = mask.WL, t = mask.WT, r = mask.WR, b = mask.WB;
  ShrinkMargins(rect.Width(), l, r);
  ShrinkMargins(rect.Height(), t, b);
  const TPoint origin = FrameOrigin(mask, state);
  const int32_t sl = origin.X, st = origin.Y;
  const int32_t cw = mask.Width - l - r, ch = mask.Height - t - b;
  if (cw < 0 || ch < 0) return;
  const bool stretch = mask.DrawMode & dmStretch;
  const int32_t dl = rect.Left, dt = rect.Top, dr = rect.Right, db = rect.Bottom;
  const int32_t sb = st + mask.Height - b;  // source top of the bottom row
  const int32_t sr = sl + l + cw;           // source left of the right column

  auto corner = [&](int32_t x, int32_t y, int32_t w, int32_t h, TPoint dest) {
    if (w > 0 && h > 0) sink.Put(Bounds(x, y, w, h), dest, true);
  };
  // A column of the piece (x, width w) down from y0 to y1.
  auto column = [&](int32_t x, int32_t w, int32_t dx, int32_t y0, int32_t y1) {
    if (w <= 0 || ch <= 0 || y1 <= y0) return;
    if (stretch) {
      sink.Stretch(Bounds(x, st + t, w, ch), {dx, y0, dx + w, y1}, ch > y1 - y0);
      return;
    }
    TileSpan(y0, y1, ch, [&](int32_t y, int32_t h) { sink.Put(Bounds(x, st + t, w, h), {dx, y}, false); });
  };
  // A row of the piece (y, height h) along from x0 to x1.
  auto row = [&](int32_t y, int32_t h, int32_t dy, int32_t x0, int32_t x1) {
    if (h <= 0 || cw <= 0 || x1 <= x0) return;
    if (stretch) {
      sink.Stretch(Bounds(sl + l, y, cw, h), {x0, dy, x1, dy + h}, cw > x1 - x0);
      return;
    }
    TileSpan(x0, x1, cw, [&](int32_t x, int32_t w) { sink.Put(Bounds(sl + l, y, w, h), {x, dy}, false); });
  };

  corner(sl, st, l, t, {dl, dt});
  column(sl, l, dl, dt + t, db - b);
  row(st, t, dt, dl + l, dr - r);
  corner(sl, sb, l, b, {dl, db - b});
  row(sb, b, db - b, dl + l, dr - r);
  corner(sr, sb, r, b, {dr - r, db - b});
  corner(sr, st, r, t, {dr - r, dt});
  column(sr, r, dr - r, dt + t, db - b);
  if (!(mask.DrawMode & dmDrawCentre) || cw <= 0 || ch <= 0) return;
  const TRect centre{dl + l, dt + t, dr - r, db - b};
  if (centre.IsEmpty()) return;
  if (stretch) {
    sink.Stretch(Bounds(sl + l, st + t, cw, ch), centre, true);
    return;
  }
  TileSpan(centre.Top, centre.Bottom, ch, [&](int32_t y, int32_t h) {
    TileSpan(centre.Left, centre.Right, cw,
             [&](int32_t x, int32_t w) { sink.Put(Bounds(sl + l, st + t, w, h), {x, y}, false); });
  });
}
