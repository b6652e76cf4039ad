#include "NineSlice.h"

namespace {

// Source coordinate of destination coordinate `d` along one axis.
int SourceOf(int d, int destSize, int srcSize, int before, int after) {
  if (d < before) return d;
  if (d >= destSize - after) return srcSize - (destSize - d);
  const int srcMiddle = srcSize - before - after;
  const int destMiddle = destSize - before - after;
  return before + (d - before) * srcMiddle / destMiddle;
}

}  // namespace

Raster ShrinkNineSlice(const Raster& big, int width, int height, Slices m) {
  const int midWidth = width - m.Left - m.Right;
  const int midHeight = height - m.Top - m.Bottom;
  const int xs[3] = {0, (big.Width() - midWidth) / 2, big.Width() - m.Right};
  const int ws[3] = {m.Left, midWidth, m.Right};
  const int dxs[3] = {0, m.Left, width - m.Right};
  const int ys[3] = {0, (big.Height() - midHeight) / 2, big.Height() - m.Bottom};
  const int hs[3] = {m.Top, midHeight, m.Bottom};
  const int dys[3] = {0, m.Top, height - m.Bottom};
  Raster out(width, height);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) out.Copy(big, xs[col], ys[row], ws[col], hs[row], dxs[col], dys[row]);
  return out;
}

Raster StretchNineSlice(const Raster& small, int width, int height, Slices m) {
  Raster out(width, height);
  for (int y = 0; y < height; ++y) {
    const int sy = SourceOf(y, height, small.Height(), m.Top, m.Bottom);
    for (int x = 0; x < width; ++x)
      out.Copy(small, SourceOf(x, width, small.Width(), m.Left, m.Right), sy, 1, 1, x, y);
  }
  return out;
}
