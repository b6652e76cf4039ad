#include "graphics/CharImageListWin.h"

#include <algorithm>
#include <cmath>

#include "base/WinHandles.h"
#include "graphics/BitmapCopy.h"
#include "graphics/WorkBitmapDib.h"

namespace {
int32_t Scaled(int32_t value, int32_t ppi) { return MulDiv(value, ppi, 96); }

struct InkBounds {
  int32_t Left, Top, Right, Bottom;
  bool Empty() const { return Right <= Left || Bottom <= Top; }
};

// Coverage of a white-on-black rendering is any of its colour channels.
InkBounds FindInk(const TacWorkBitmap& bitmap) {
  InkBounds ink{bitmap.Width(), bitmap.Height(), 0, 0};
  for (int32_t y = 0; y < bitmap.Height(); ++y)
    for (int32_t x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) & 0x00FFFFFFu) {
        ink.Left = std::min(ink.Left, x);
        ink.Top = std::min(ink.Top, y);
        ink.Right = std::max(ink.Right, x + 1);
        ink.Bottom = std::max(ink.Bottom, y + 1);
      }
  return ink;
}
}  // namespace

TSize TsCharImageList::CellSize() const { return {Scaled(Width, PPI), Scaled(Height, PPI)}; }

TsCharImageList::Mask TsCharImageList::Render(const TacCharListItem& item, int32_t width, int32_t height) const {
  Mask mask{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
  // Rendered on a scratch bitmap with room around the cell, so that glyphs
  // whose ink leaves their advance box are still found and centred whole.
  TacWorkBitmap scratch(width * 3, height * 3);
  HDC dc = WorkBitmapDC(scratch);
  if (!dc) return mask;
  const int fontHeight = std::max(1, static_cast<int>(std::lround(height * item.ScalingFactor)));
  const TacScopedFont font(CreateFontW(-fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, item.Charset,
                                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                                       item.FontName.c_str()));
  {
    const TacSelectedObject selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT box{0, 0, scratch.Width(), scratch.Height()};
    DrawTextW(dc, &item.Char, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    GdiFlush();
  }

  const InkBounds ink = FindInk(scratch);
  if (ink.Empty()) return mask;
  const int32_t left = (width - (ink.Right - ink.Left)) / 2 - ink.Left;
  const int32_t top = (height - (ink.Bottom - ink.Top)) / 2 - ink.Top + Scaled(item.OffsetY, PPI);
  for (int32_t y = std::max(0, ink.Top + top); y < std::min(height, ink.Bottom + top); ++y)
    for (int32_t x = std::max(0, ink.Left + left); x < std::min(width, ink.Right + left); ++x) {
      const TacPixel p = scratch.Pixel(x - left, y - top);
      mask.Coverage[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          static_cast<uint8_t>(std::max({Red(p), Green(p), Blue(p)}));
    }
  return mask;
}

void TsCharImageList::Fill() {
  const TSize cell = CellSize();
  FMasks.clear();
  for (const TacCharListItem& item : Items) FMasks.push_back(Render(item, cell.cx, cell.cy));
  FMaskPPI = PPI;
}

const TsCharImageList::Mask* TsCharImageList::CachedMask(int32_t index) const {
  if (FMaskPPI != PPI || index < 0 || static_cast<size_t>(index) >= FMasks.size()) return nullptr;
  return &FMasks[static_cast<size_t>(index)];
}

std::unique_ptr<TacWorkBitmap> TsCharImageList::CreateBitmap32(int32_t index, TColor color, int32_t width,
                                                               int32_t height) const {
  if (index < 0 || static_cast<size_t>(index) >= Items.size() || width <= 0 || height <= 0)
    return std::make_unique<TacWorkBitmap>();
  const Mask* cached = CachedMask(index);
  const Mask mask = cached && cached->Width == width && cached->Height == height
                        ? *cached
                        : Render(Items[static_cast<size_t>(index)], width, height);
  auto bitmap = NewWorkBitmap(width, height);
  const TacPixel rgb = PixelOfColor(ColorToRGB(color)) & 0x00FFFFFFu;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      bitmap->SetPixel(x, y, rgb | (uint32_t{mask.Coverage[static_cast<size_t>(y * width + x)]} << 24));
  return bitmap;
}

void TsCharImageList::Draw(TacWorkBitmap& dest, const TRect& rect, int32_t index, TColor color) const {
  const TSize cell = CellSize();
  const auto glyph = CreateBitmap32(index, color, cell.cx, cell.cy);
  if (glyph->Empty()) return;
  const int32_t opacity = State == 0 ? 255 : 255 - std::clamp(BlendValue, 0, 255);
  const TPoint at{rect.Left + (rect.Width() - cell.cx) / 2, rect.Top + (rect.Height() - cell.cy) / 2};
  DrawAlphaImage(dest, *glyph, {0, 0, cell.cx - 1, cell.cy - 1}, opacity, at);
}
