#include "palette/SkinTransforms.h"

#include <algorithm>
#include <set>
#include <vector>

#include "base/StrUtils.h"
#include "graphics/AlphaOps.h"
#include "graphics/Clip.h"
#include "graphics/ColorOps.h"
#include "graphics/ColorTransforms.h"

namespace {

// Pixels of some rectangles of a bitmap, put back after the bitmap has changed.
class SavedAreas {
 public:
  void Save(const TacWorkBitmap& Bitmap, const TRect& Rect) {
    const auto area = ClipToBitmap(Rect, Bitmap);
    if (!area) return;
    Area saved{*area, {}};
    saved.Pixels.reserve(static_cast<size_t>(area->Width()) * static_cast<size_t>(area->Height()));
    for (int32_t y = area->Top; y < area->Bottom; ++y)
      saved.Pixels.insert(saved.Pixels.end(), Bitmap.Row(y) + area->Left, Bitmap.Row(y) + area->Right);
    FAreas.push_back(std::move(saved));
  }
  void Restore(TacWorkBitmap& Bitmap) const {
    for (const Area& a : FAreas) {
      const TacPixel* from = a.Pixels.data();
      for (int32_t y = a.Rect.Top; y < a.Rect.Bottom; ++y, from += a.Rect.Width())
        std::copy(from, from + a.Rect.Width(), Bitmap.Row(y) + a.Rect.Left);
    }
  }

 private:
  struct Area {
    TRect Rect;
    std::vector<TacPixel> Pixels;
  };
  std::vector<Area> FAreas;
};

// The title-button elements whose colours survive a hue change.
struct KeptElements {
  std::vector<TRect> MasterRects;
  std::set<const TacWorkBitmap*> Images;
};

KeptElements FindKeptElements(const TacSkinData& Data, int32_t BIKeepHUE) {
  KeptElements kept;
  if (BIKeepHUE <= 0) return kept;
  std::vector<std::string> keys = {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE"};
  if (BIKeepHUE == 1)
    keys.insert(keys.end(), {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"});
  for (const std::string& key : keys)
    // The glow goes with its button, so that the button looks the same at every PPI.
    for (const std::string& name : {key, key + "GLOW0"}) {
      const int32_t index = Data.GetMaskIndex(s_GlobalInfo, name);
      if (!Data.IsValidImgIndex(index)) continue;
      const TsMaskData& m = Data.ma[static_cast<size_t>(index)];
      if (m.Bmp)
        kept.Images.insert(m.Bmp);
      else
        kept.MasterRects.push_back(m.R);
    }
  return kept;
}

// Applies Change to the colours of every state of every section record.
template <class Change>
void RecolourSections(std::vector<TsGeneralData>& gd, Change change) {
  // Negative values are unset (-1) or name system colours: neither is a colour to change.
  const auto set = [&](TColor& c) {
    if (c >= 0) c = change(c);
  };
  for (TsGeneralData& d : gd)
    for (TsGenState& s : d.Props) {
      set(s.Color);
      set(s.GlowColor);
      set(s.FontColor.Color);
      set(s.FontColor.Left);
      set(s.FontColor.Top);
      set(s.FontColor.Right);
      set(s.FontColor.Bottom);
      set(s.LightColor);
      if (s.BorderColor != clFuchsia) set(s.BorderColor);
      for (TsGradPoint& point : s.GradientArray) point.Color = static_cast<TsColor>(change(static_cast<TColor>(point.Color)));
    }
}

template <class Change>
void RecolourPalette(TacPaletteArray& palette, Change change) {
  for (int i = 0; i < acPaletteSize; ++i) {
    const auto entry = static_cast<TacPaletteColors>(i);
    if (!IsRecoloured(entry)) continue;
    // A negative plain entry is the system highlight-text colour, not a colour value.
    if (HasAlphaByte(entry) || palette[entry] >= 0) palette[entry] = change(palette[entry]);
  }
}

// Images of Data to change: all, or those it did not cut from the master bitmap.
template <class Visit>
void ForEachImage(TacSkinData& Data, bool WithMasterCuts, Visit visit) {
  for (TacBmpData& b : Data.BmpArray)
    if (b.Bmp && (WithMasterCuts || !b.FileName.empty())) visit(b);
}

void ApplyHue(TacSkinData& Data, int32_t Degrees, int32_t BIKeepHUE, const TacSharedSkinColors* Shared) {
  const KeptElements kept = FindKeptElements(Data, BIKeepHUE);
  if (Shared) {
    SavedAreas keep;
    for (const TRect& r : kept.MasterRects) keep.Save(Shared->MasterBitmap, r);
    HueBitmap(Shared->MasterBitmap, Degrees, clFuchsia);
    keep.Restore(Shared->MasterBitmap);
  }
  ForEachImage(Data, Shared != nullptr, [&](TacBmpData& b) {
    if (!kept.Images.contains(b.Bmp.get())) HueBitmap(*b.Bmp, Degrees, clFuchsia);
  });
  const auto hue = [Degrees](TColor c) { return HueColor(c, Degrees); };
  RecolourSections(Data.gd, hue);
  if (Shared) {
    Shared->Shadow1Color = hue(Shared->Shadow1Color);
    RecolourPalette(Shared->Palette, hue);
  }
}

void ApplySaturation(TacSkinData& Data, int32_t Saturation, const TacSharedSkinColors* Shared) {
  const int32_t s = SaturationParameter(Saturation);
  if (s == 0) return;
  if (Shared) SaturateBitmap(Shared->MasterBitmap, s, clFuchsia);
  ForEachImage(Data, Shared != nullptr, [&](TacBmpData& b) { SaturateBitmap(*b.Bmp, s, clFuchsia); });
  const auto saturate = [s](TColor c) { return SaturationColor(c, s); };
  RecolourSections(Data.gd, saturate);
  if (Shared) {
    Shared->Shadow1Color = saturate(Shared->Shadow1Color);
    RecolourPalette(Shared->Palette, saturate);
  }
}

TRect LowerHalf(const TRect& r) { return {r.Left, r.Top + r.Height() / 2, r.Right, r.Bottom}; }

// The loader premultiplies PNG images at once unless brightening follows; it
// leaves borders straight.
bool PremultipliedAtLoad(const TacSkinData& Data, const TacBmpData& b) {
  if (!EndsText(".PNG", b.FileName)) return false;
  const auto loader = std::find_if(Data.ma.begin(), Data.ma.end(),
                                   [&](const TsMaskData& m) { return m.Bmp == b.Bmp.get(); });
  return loader != Data.ma.end() && loader->ImgType != itisaBorder;
}

void ApplyBrightness(TacSkinData& Data, int32_t Brightness, const TacSharedSkinColors* Shared) {
  if (Shared) {
    // Mask rows hold transparency, not colour.
    SavedAreas masks;
    for (const TsMaskData& m : Data.ma)
      if (!m.Bmp && m.MaskType == 1) masks.Save(Shared->MasterBitmap, LowerHalf(m.R));
    for (const TacBmpData& b : Data.BmpArray)
      if (b.FileName.empty() && b.MaskType == 1 && !b.SrcRect.IsEmpty()) masks.Save(Shared->MasterBitmap, LowerHalf(b.SrcRect));
    BrightenBitmap(Shared->MasterBitmap, Brightness, clFuchsia);
    masks.Restore(Shared->MasterBitmap);
  }
  ForEachImage(Data, Shared != nullptr, [&](TacBmpData& b) {
    TacWorkBitmap& image = *b.Bmp;
    BrightenBitmap(image, Brightness, clFuchsia, b.MaskType == 1 ? image.Height() / 2 : image.Height());
    if (Brightness > 0 && PremultipliedAtLoad(Data, b)) PremultiplyAlpha(image);
  });
  RecolourSections(Data.gd, [Brightness](TColor c) { return BrightnessColor(c, Brightness); });
}
}  // namespace

void ApplySkinTransforms(TacSkinData& Data, const TacColorChange& Change, const TacSharedSkinColors* Shared) {
  if (Change.HueOffset != 0) ApplyHue(Data, Change.HueOffset, Change.BIKeepHUE, Shared);
  if (Change.Saturation != 0) ApplySaturation(Data, Change.Saturation, Shared);
  if (Change.Brightness != 0) ApplyBrightness(Data, Change.Brightness, Shared);
}

void InitSkinParams(TacSkinPalette& Palette, TacSkinData& Data, const TMemIniFile& Options,
                    TacWorkBitmap& MasterBitmap, TColor& Shadow1Color, const TacColorChange& Change) {
  const bool first = !Palette.Built();
  if (first) Palette.Build(Data, Options);
  const TacSharedSkinColors shared{MasterBitmap, Palette.Palette, Shadow1Color};
  ApplySkinTransforms(Data, Change, first ? &shared : nullptr);
  Data.ColorResolver = &Palette;
}
