#pragma once
// Small in-memory skins for the painter: a master bitmap, elements cut from
// it and sections that use them.
#include <memory>

#include "graphics/WorkBitmap.h"
#include "skin/SkinData.h"

inline constexpr TacPixel kParentPixel = 0xFF102030u;

class PaintSkin {
 public:
  PaintSkin() : Master(NewWorkBitmap(64, 64)), Data(std::make_unique<TacSkinData>(96)) {
    Data->MasterBitmap = Master.get();
  }

  // A pixel that tells where in the master bitmap it came from.
  static TacPixel Coded(int32_t x, int32_t y) { return MakePixel(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 0x5A, 255); }

  // An element at Rect of the master bitmap; every pixel carries its position.
  int32_t AddElement(const TRect& rect, int16_t imageCount = 1, int16_t maskType = 0, int16_t drawMode = 0) {
    for (int32_t y = rect.Top; y < rect.Bottom; ++y)
      for (int32_t x = rect.Left; x < rect.Right; ++x) Master->SetPixel(x, y, Coded(x, y));
    TsMaskData m;
    m.R = rect;
    m.ImageCount = imageCount;
    m.MaskType = maskType;
    m.DrawMode = drawMode;
    m.Width = rect.Width() / imageCount;
    m.Height = maskType > 0 ? rect.Height() / (maskType + 1) : rect.Height();
    Data->ma.push_back(m);
    return static_cast<int32_t>(Data->ma.size() - 1);
  }

  TsMaskData& Mask(int32_t index) { return Data->ma[static_cast<size_t>(index)]; }

  // A section of three states without border image or corners.
  int32_t AddSection(TColor color, int32_t transparency = 0) {
    TsGeneralData g;
    g.States = 3;
    g.BorderIndex = g.ImgTL = g.ImgTR = g.ImgBL = g.ImgBR = -1;
    for (TsGenState& s : g.Props) {
      s.Color = color;
      s.Transparency = transparency;
      s.TextureIndex = -1;
      s.BorderColor = clFuchsia;
    }
    Data->gd.push_back(g);
    return static_cast<int32_t>(Data->gd.size() - 1);
  }

  TsGeneralData& Section(int32_t index) { return Data->gd[static_cast<size_t>(index)]; }

  std::unique_ptr<TacWorkBitmap> Master;
  std::unique_ptr<TacSkinData> Data;
};

inline std::unique_ptr<TacWorkBitmap> FilledBitmap(int32_t width, int32_t height, TacPixel value) {
  auto bitmap = NewWorkBitmap(width, height);
  bitmap->Fill(value);
  return bitmap;
}

// True when no pixel outside Inside differs between the two bitmaps.
inline bool SameOutside(const TacWorkBitmap& a, const TacWorkBitmap& b, const TRect& inside) {
  for (int32_t y = 0; y < a.Height(); ++y)
    for (int32_t x = 0; x < a.Width(); ++x)
      if (!inside.Contains(x, y) && a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}
