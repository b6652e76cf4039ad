#include "graphics/DisabledLook.h"

#include "graphics/BitmapCopy.h"
#include "graphics/Clip.h"
#include "graphics/ColorOps.h"
#include "graphics/PixelFill.h"
#include "graphics/WorkBitmap.h"

TacDisabledLookSettings& DisabledLookSettings() {
  static TacDisabledLookSettings settings;
  return settings;
}

void ApplyDisabledLook(TacWorkBitmap& bitmap, TsDisabledKind kind, TColor parentControlColor, TPoint position,
                       const TacParentBG& parentBG) {
  const TacDisabledLookSettings& settings = DisabledLookSettings();
  if (kind & dkGrayed) {
    // Key pixels stay keys, or the parent would no longer show through them.
    if (settings.GrayLevel == -100)
      GrayscaleBitmap(bitmap, clFuchsia);
    else
      SaturateBitmap(bitmap, settings.GrayLevel * 255 / 100, clFuchsia);
  }
  if (kind & dkBlended) {
    if (parentBG.IsBitmap && parentBG.Bmp) {
      const int32_t left = SaturatedAdd(parentBG.Offset.X, position.X);
      const int32_t top = SaturatedAdd(parentBG.Offset.Y, position.Y);
      const TRect under{left, top, SaturatedAdd(left, int64_t{bitmap.Width()} - 1),
                        SaturatedAdd(top, int64_t{bitmap.Height()} - 1)};
      CopyKeyedFaded(bitmap, *parentBG.Bmp, 0, 0, under, clFuchsia, settings.BlendValue);
    } else {
      const TColor toward = parentBG.Color != clFuchsia ? parentBG.Color : parentControlColor;
      TintRect(bitmap, {0, 0, bitmap.Width() - 1, bitmap.Height() - 1}, settings.BlendValue, toward);
    }
  }
}
