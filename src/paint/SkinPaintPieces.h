#pragma once
// Helpers shared by the skin painters.
#include <algorithm>
#include <cstdint>

#include "graphics/ParentBG.h"
#include "graphics/WorkBitmap.h"
#include "skin/SkinData.h"

// The image an element is cut from; nil when it lies in a master bitmap that
// is not loaded.
inline const TacWorkBitmap* ElementImage(const TsMaskData& mask, const TacSkinData& skin) {
  return mask.Bmp ? mask.Bmp : skin.MasterBitmap;
}

// Top-left of frame min(State, ImageCount - 1) of an element in its image.
inline TPoint FrameOrigin(const TsMaskData& mask, int32_t state) {
  const int32_t frame = std::max(0, std::min(state, mask.ImageCount - 1));
  return {static_cast<int32_t>(mask.R.Left + int64_t{frame} * mask.Width), mask.R.Top};
}

inline bool HasParentBitmap(const TacParentBG& bg) { return bg.IsBitmap && bg.Bmp; }
inline bool HasParentColor(const TacParentBG& bg) { return !bg.IsBitmap && bg.Color != clFuchsia; }

// The record with its Offset turned into the shift from destination pixels to
// parent pixels, for a rectangle at Rect whose parent origin is Offset.
inline TacParentBG ParentAt(const TacParentBG& bg, TPoint offset, const TRect& rect) {
  TacParentBG moved = bg;
  moved.Offset.X = static_cast<int32_t>(int64_t{bg.Offset.X} + offset.X - rect.Left);
  moved.Offset.Y = static_cast<int32_t>(int64_t{bg.Offset.Y} + offset.Y - rect.Top);
  return moved;
}

// One colour channel of the mask composition: a white mask keeps what lies
// beneath, a black one takes the image.
inline uint32_t MaskChannel(uint32_t d, uint32_t s, uint32_t m) { return (m * d + (256 - m) * s) >> 8; }

inline TacPixel ComposeMasked(TacPixel d, TacPixel s, TacPixel m, uint32_t alpha) {
  return MakePixel(MaskChannel(Red(d), Red(s), Red(m)), MaskChannel(Green(d), Green(s), Green(m)),
                   MaskChannel(Blue(d), Blue(s), Blue(m)), alpha);
}

// How a piece of a masked image treats its transparent pixels.
enum TacMaskRule {
  mrParentBitmap,     // key pixels take the parent bitmap; all pixels opaque
  mrOpaque,           // every pixel composed and made opaque
  mrParentColorKey,   // key pixels take the parent colour
  mrParentColorAlpha, // pixels of alpha 0 take the parent colour
  mrSkipKey,          // key pixels left alone
};
TacMaskRule MaskRuleFor(const TacParentBG& bg, bool showParent, uint32_t cfg);

// Composes Piece of Src (exclusive edges) with its mask rows MaskDy rows
// below onto Dest at DestPoint. The mask start never passes the last row of
// Src that leaves room for the piece.
void CopyMaskedPiece(TacWorkBitmap& dest, TPoint destPoint, const TacWorkBitmap& src, const TRect& piece,
                     int32_t maskDy, TacMaskRule rule, const TacParentBG& bg);

// The piece's mask as coverage (255 - red byte) at Opacity, composed over
// Dest like a brush with alpha; for painting onto transparent bitmaps.
void ComposeMaskedOver(TacWorkBitmap& dest, TPoint destPoint, const TacWorkBitmap& src, const TRect& piece,
                       int32_t maskDy, int32_t opacity);

// A new bitmap of DestWidth x 2 DestHeight: Piece scaled on top, its mask
// scaled below, for the composition functions above with MaskDy DestHeight.
// Mitchell resampling when Smooth and both sizes exceed 1, else nearest pixels.
std::unique_ptr<TacWorkBitmap> StretchMaskedPiece(const TacWorkBitmap& src, const TRect& piece, int32_t maskDy,
                                                  int32_t destWidth, int32_t destHeight, bool smooth);

// Receives the pieces of a nine-piece image in painting order.
class TacNinePieceSink {
 public:
  virtual ~TacNinePieceSink() = default;
  // Src (exclusive edges) at its own size with its top-left at Dest.
  virtual void Put(const TRect& src, TPoint dest, bool corner) = 0;
  // Src scaled onto Dest; Smooth asks for resampling instead of picking pixels.
  virtual void Stretch(const TRect& src, const TRect& dest, bool smooth) = 0;
};

// Lays the frame of State of a nine-piece element over Rect: margins shrunk
// to fit, corners, sides and (with draw-mode flag 4) the centre, tiled or,
// with flag 1, stretched. Nothing for a rectangle narrower or lower than 2
// pixels, in state 0 with flag 2, or when the middle of the frame is negative.
void LayNinePieces(const TRect& rect, const TsMaskData& mask, int32_t state, TacNinePieceSink& sink);
