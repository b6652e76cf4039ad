#include "graphics/AlphaOps.h"
#include "graphics/BitmapCopy.h"
#include "graphics/BlockCopy.h"
#include "graphics/Resample.h"
#include "paint/SkinPaint.h"
#include "paint/SkinPaintPieces.h"

namespace {
TRect Inclusive(const TRect& r) { return {r.Left, r.Top, r.Right - 1, r.Bottom - 1}; }

// Pieces of an image whose mask lies below it.
class MaskedSink final : public TacNinePieceSink {
 public:
  MaskedSink(TacWorkBitmap& dest, const TacWorkBitmap& image, const TsMaskData& mask, const TacParentBG& bg,
             bool useParent)
      : Dest(dest), Image(image), MaskDy(mask.R.Height() / 2), Bg(bg),
        CornerRule(MaskRuleFor(bg, useParent && (mask.Cfg & cfgCornerBits), mask.Cfg)), SideRule(MaskRuleFor(bg, false, mask.Cfg)) {}

  void Put(const TRect& src, TPoint dest, bool corner) override {
    CopyMaskedPiece(Dest, dest, Image, src, MaskDy, corner ? CornerRule : SideRule, Bg);
  }
  void Stretch(const TRect& src, const TRect& dest, bool smooth) override {
    const auto piece = StretchMaskedPiece(Image, src, MaskDy, dest.Width(), dest.Height(), smooth);
    CopyMaskedPiece(Dest, {dest.Left, dest.Top}, *piece, Bounds(0, 0, dest.Width(), dest.Height()), dest.Height(),
                    mrOpaque, Bg);
  }

 private:
  TacWorkBitmap& Dest;
  const TacWorkBitmap& Image;
  int32_t MaskDy;
  const TacParentBG& Bg;
  TacMaskRule CornerRule, SideRule;
};

// Pieces of an image that carries its own alpha channel.
class AlphaSink final : public TacNinePieceSink {
 public:
  AlphaSink(TacWorkBitmap& dest, const TacWorkBitmap& image) : Dest(dest), Image(image) {}
  void Put(const TRect& src, TPoint dest, bool) override { DrawAlphaImage(Dest, Image, Inclusive(src), 255, dest); }
  void Stretch(const TRect& src, const TRect& dest, bool) override {
    StretchAlphaImage(Dest, dest.Left, dest.Top, 255, src, Image, dest.Width(), dest.Height());
  }

 private:
  TacWorkBitmap& Dest;
  const TacWorkBitmap& Image;
};

// Pieces of an image whose key colour is transparent in the corners only.
class KeyedSink final : public TacNinePieceSink {
 public:
  KeyedSink(TacWorkBitmap& dest, const TacWorkBitmap& image, const TsMaskData& mask, const TacParentBG& bg,
            bool useParent)
      : Dest(dest), Image(image), Bg(bg), CornerParent(useParent && (mask.Cfg & cfgCornerBits)) {}
  void Put(const TRect& src, TPoint dest, bool corner) override {
    if (corner)
      CopyKeyed(Dest, Image, dest.X, dest.Y, Inclusive(src), clFuchsia, CornerParent, Bg);
    else
      CopyPixels(Dest, dest, Image, src);
  }
  void Stretch(const TRect& src, const TRect& dest, bool) override { StretchPixels(Dest, dest, Image, src); }

 private:
  TacWorkBitmap& Dest;
  const TacWorkBitmap& Image;
  const TacParentBG& Bg;
  bool CornerParent;
};
// Forwards only the selected corners, each over the parent first, so a
// corner can be painted again on a finished image.
class CornerSink final : public TacNinePieceSink {
 public:
  CornerSink(TacNinePieceSink& target, TacWorkBitmap& dest, const TRect& rect, const TacParentBG& bg, uint8_t corners)
      : Target(target), Dest(dest), Area(rect), Bg(bg), Corners(corners) {}
  void Put(const TRect& src, TPoint dest, bool corner) override {
    if (!corner) return;
    const bool left = dest.X == Area.Left, top = dest.Y == Area.Top;
    const uint8_t bit = left ? (top ? acCornerTL : acCornerBL) : (top ? acCornerTR : acCornerBR);
    if ((Corners & bit) == 0) return;
    ShowParentUnder(Dest, Bounds(dest.X, dest.Y, src.Width(), src.Height()), Bg);
    Target.Put(src, dest, true);
  }
  void Stretch(const TRect&, const TRect&, bool) override {}

 private:
  TacNinePieceSink& Target;
  TacWorkBitmap& Dest;
  TRect Area;
  const TacParentBG& Bg;
  uint8_t Corners;
};

template <class Paint>
void WithSink(TacWorkBitmap& Bitmap, const TacWorkBitmap& image, const TacParentBG& ParentBG, bool UseParent,
              const TsMaskData& MaskData, Paint paint) {
  if (MaskData.MaskType > 0) {
    MaskedSink sink(Bitmap, image, MaskData, ParentBG, UseParent);
    paint(sink);
  } else if (MaskData.DrawMode & dmAlphaChannel) {
    AlphaSink sink(Bitmap, image);
    paint(sink);
  } else {
    KeyedSink sink(Bitmap, image, MaskData, ParentBG, UseParent);
    paint(sink);
  }
}
}  // namespace

void PaintBorderImage(TacWorkBitmap& Bitmap, const TRect& Rect, const TacParentBG& ParentBG, bool UseParent,
                      int32_t State, const TsMaskData& MaskData, const TacSkinData& SkinData) {
  const TacWorkBitmap* image = ElementImage(MaskData, SkinData);
  if (!image) return;
  WithSink(Bitmap, *image, ParentBG, UseParent, MaskData,
           [&](TacNinePieceSink& sink) { LayNinePieces(Rect, MaskData, State, sink); });
}

void PaintBorderCorners(TacWorkBitmap& Bitmap, const TRect& Rect, const TacParentBG& ParentBG, int32_t State,
                        const TsMaskData& MaskData, const TacSkinData& SkinData, uint8_t Corners) {
  const TacWorkBitmap* image = ElementImage(MaskData, SkinData);
  if (!image) return;
  WithSink(Bitmap, *image, ParentBG, true, MaskData, [&](TacNinePieceSink& sink) {
    CornerSink corners(sink, Bitmap, Rect, ParentBG, Corners);
    LayNinePieces(Rect, MaskData, State, corners);
  });
}
