#include "paint/SkinPaintWin.h"

#include "base/WinHandles.h"
#include "graphics/WorkBitmapDib.h"

void PaintSectionToDC(int32_t SkinIndex, const TacParentBG& ParentBG, const TacSkinData* SkinData, HDC DC,
                      TPoint Offset, const TRect& Rect, int32_t State) {
  if (!DC || !SkinData || Rect.Left < 0 || Rect.Top < 0 || Rect.IsEmpty()) return;
  TacWorkBitmap image(Rect.Width(), Rect.Height());
  if (image.Empty()) return;
  PaintSection(SkinIndex, ParentBG, SkinData, &image, Offset, image.BoundsRect(), State);
  HDC source = WorkBitmapDC(image);
  if (!source) return;
  GdiFlush();
  const TacSavedDC saved(DC);
  BitBlt(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, SRCCOPY);
}
