#include "paint/FrameImageCopy.h"

#include <algorithm>

#include "graphics/BlockCopy.h"
#include "graphics/WorkBitmap.h"

namespace {

// Where the copy happens: both rectangles relative to their own corners.
struct TacFrameCopier {
  TacWorkBitmap& Bitmap;
  const TRect& Dest;
  const TacWorkBitmap& Src;
  const TRect& Source;

  // A w x h block from (sx, sy) of the source to (dx, dy) of the destination,
  // kept inside both rectangles whatever the margins say.
  void Copy(int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t dx, int32_t dy) const {
    const int32_t left = std::max({0, -sx, -dx}), top = std::max({0, -sy, -dy});
    w = std::min({w, Source.Width() - sx, Dest.Width() - dx});
    h = std::min({h, Source.Height() - sy, Dest.Height() - dy});
    if (w - left <= 0 || h - top <= 0) return;
    CopyPixels(Bitmap, {Dest.Left + dx + left, Dest.Top + dy + top}, Src,
               {Source.Left + sx + left, Source.Top + sy + top, Source.Left + sx + w, Source.Top + sy + h});
  }
  void Stretch(const TRect& from, const TRect& to) const {
    if (from.IsEmpty() || to.IsEmpty() || from.Left < 0 || from.Top < 0 || from.Right > Source.Width() ||
        from.Bottom > Source.Height())
      return;
    StretchPixels(Bitmap, {Dest.Left + to.Left, Dest.Top + to.Top, Dest.Left + to.Right, Dest.Top + to.Bottom}, Src,
                  {Source.Left + from.Left, Source.Top + from.Top, Source.Left + from.Right, Source.Top + from.Bottom},
                  Dest);
  }
  // Tiles of the source block from, placed from the top left of to, the last ones cut.
  void Tile(const TRect& from, const TRect& to) const {
    const int32_t w = from.Width(), h = from.Height();
    if (w <= 0 || h <= 0 || to.IsEmpty()) return;
    for (int32_t y = to.Top; y < to.Bottom; y += h)
      for (int32_t x = to.Left; x < to.Right; x += w)
        Copy(from.Left, from.Top, std::min(w, to.Right - x), std::min(h, to.Bottom - y), x, y);
  }
  void Band(bool stretch, const TRect& from, const TRect& tile, const TRect& to) const {
    if (stretch)
      Stretch(from, to);
    else
      Tile(tile, to);
  }
};

}  // namespace

void CopyFrameImage(TacWorkBitmap& Bitmap, const TRect& Dest, const TacWorkBitmap& Src, const TRect& Source,
                    const TRect& SM, const TRect& DM, const TacFrameCopyMode& Mode) {
  const int32_t W = Dest.Width(), Hd = Dest.Height(), Aw = Source.Width(), Ah = Source.Height();
  if (W <= 0 || Hd <= 0 || Aw <= 0 || Ah <= 0) return;
  const TacFrameCopier c{Bitmap, Dest, Src, Source};
  const TRect sm{std::max(SM.Left, 0), std::max(SM.Top, 0), std::max(SM.Right, 0), std::max(SM.Bottom, 0)};
  const int32_t L = std::min(sm.Left, W / 2), T = std::min(sm.Top, Hd / 2);
  const int32_t R = std::min(sm.Right, W - W / 2), Bt = std::min(sm.Bottom, Hd - Hd / 2);
  // Destination bands are held to the same halves, so that opposite corners
  // never overwrite each other in a small frame.
  const int32_t l = std::clamp(DM.Left, 0, L), t = std::clamp(DM.Top, 0, T);
  const int32_t r = std::clamp(DM.Right, 0, R), b = std::clamp(DM.Bottom, 0, Bt);

  c.Copy(0, 0, L, t, 0, 0);
  c.Copy(0, Ah - b, L, b, 0, Hd - b);
  c.Copy(Aw - R, 0, R, t, W - R, 0);
  c.Copy(Aw - R, Ah - b, R, b, W - R, Hd - b);
  if (t < sm.Top) {
    c.Copy(0, t, l, T - t, 0, t);
    c.Copy(Aw - r, t, r, T - t, W - r, t);
  }
  if (b < sm.Bottom) {
    c.Copy(0, Ah - Bt, l, Bt - b, 0, Hd - Bt);
    c.Copy(Aw - r, Ah - Bt, r, Bt - b, W - r, Hd - Bt);
  }

  const int32_t mw = std::max(0, Aw - sm.Left - sm.Right), mh = std::max(0, Ah - sm.Top - sm.Bottom);
  if (mh > 0) {
    c.Band(Mode.StretchLeft, {0, T, l, Ah - sm.Bottom}, {0, T, l, T + mh}, {0, T, l, Hd - Bt});
    c.Band(Mode.StretchRight, {Aw - r, T, Aw, Ah - sm.Bottom}, {Aw - r, T, Aw, T + mh}, {W - r, T, W, Hd - Bt});
  }
  if (mw > 0) {
    c.Band(Mode.StretchTop, {L, 0, Aw - R, t}, {L, 0, L + mw, t}, {L, 0, W - R, t});
    c.Band(Mode.StretchBottom, {L, Ah - b, Aw - R, Ah}, {L, Ah - b, L + mw, Ah}, {L, Hd - b, W - R, Hd});
  }
  if (!Mode.Centre) return;
  if (Mode.CentreStretch)
    c.Stretch({L, T, Aw - R, Ah - Bt}, {L, T, W - R, Hd - Bt});
  else if (mw > 0 && mh > 0)
    c.Tile({L, T, L + mw, T + mh}, {L, T, W - R, Hd - Bt});
}
