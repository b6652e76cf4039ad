#include "graphics/AlphaOps.h"
#include "graphics/BitmapCopy.h"
#include "graphics/Clip.h"
#include "graphics/Resample.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

namespace {
// Every piece at one opacity, composed over what lies beneath, so that the
// effect also builds up on a transparent layered-window image.
class OuterSink final : public TacNinePieceSink {
 public:
  OuterSink(TacWorkBitmap& dest, const TacWorkBitmap& image, const TsMaskData& mask, int32_t opacity)
      : Dest(dest), Image(image), Masked(mask.MaskType > 0), MaskDy(mask.R.Height() / 2), Opacity(opacity) {}

  void Put(const TRect& src, TPoint dest, bool) override {
    if (Masked)
      ComposeMaskedOver(Dest, dest, Image, src, MaskDy, Opacity);
    else
      DrawAlphaImage(Dest, Image, {src.Left, src.Top, src.Right - 1, src.Bottom - 1}, Opacity, dest);
  }
  void Stretch(const TRect& src, const TRect& dest, bool smooth) override {
    if (!Masked) {
      StretchAlphaImage(Dest, dest.Left, dest.Top, Opacity, src, Image, dest.Width(), dest.Height());
      return;
    }
    const auto piece = StretchMaskedPiece(Image, src, MaskDy, dest.Width(), dest.Height(), smooth);
    ComposeMaskedOver(Dest, {dest.Left, dest.Top}, *piece, Bounds(0, 0, dest.Width(), dest.Height()), dest.Height(),
                      Opacity);
  }

 private:
  TacWorkBitmap& Dest;
  const TacWorkBitmap& Image;
  bool Masked;
  int32_t MaskDy;
  int32_t Opacity;
};
}  // namespace

void PaintOuterImage(TacWorkBitmap& Bitmap, const TRect& Rect, int32_t Opacity, const TRect& Offsets, int32_t State,
                     const TsMaskData& MaskData, const TacSkinData& SkinData) {
  const TacWorkBitmap* image = ElementImage(MaskData, SkinData);
  if (!image || Opacity <= 0) return;
  const TRect around{SaturatedAdd(Rect.Left, -int64_t{Offsets.Left}), SaturatedAdd(Rect.Top, -int64_t{Offsets.Top}),
                     SaturatedAdd(Rect.Right, Offsets.Right), SaturatedAdd(Rect.Bottom, Offsets.Bottom)};
  OuterSink sink(Bitmap, *image, MaskData, std::min(Opacity, 255));
  LayNinePieces(around, MaskData, State, sink);
}
