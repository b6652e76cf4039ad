#include "skin/SkinMasks.h"

#include <algorithm>
#include <array>

#include "base/StrUtils.h"
#include "graphics/AlphaOps.h"
#include "graphics/Resample.h"
#include "skin/ImageDecoders.h"
#include "skin/SkinOptions.h"
#include "skin/SkinLimits.h"
#include "skin/SkinSections.h"

namespace {

constexpr TacPixel kOpaqueMagenta = 0xFFFF00FFu;
constexpr char kMasterBitmapKey[] = "MASTERBITMAP";

int16_t Short(int32_t v) { return static_cast<int16_t>(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX)); }

bool IsKeyColor(TacPixel p) { return (p & 0x00FFFFFFu) == KeyPixel; }

void MakeKeyPixelsTransparent(TacWorkBitmap& bitmap) {
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x)
      if (IsKeyColor(row[x])) row[x] = KeyPixel;
  }
}

// Margins follow the image to its new resolution and stay inside one frame.
void ScaleMargins(TsMaskData& mask, int32_t mul, int32_t div, int32_t frameWidth, int32_t rowHeight) {
  mask.WL = Short(MulDivRounded(mask.WL, mul, div));
  mask.WT = Short(MulDivRounded(mask.WT, mul, div));
  mask.WR = Short(std::max(0, std::min(MulDivRounded(mask.WR, mul, div), frameWidth - mask.WL - 1)));
  mask.WB = Short(std::max(0, std::min(MulDivRounded(mask.WB, mul, div), rowHeight - mask.WT - 1)));
}

bool IsAlphaImageType(TacImgType type) {
  return type == itisaTexture || type == itisaGlow || type == itisaPngGlyph;
}

}  // namespace

TsMaskData ElementMask(const TacElementRef& Ref, const std::string& Section, const std::string& Key,
                       int32_t SkinIndex) {
  TsMaskData mask;
  mask.ClassName = Section;
  mask.PropertyName = Key;
  mask.SkinIndex = SkinIndex;
  mask.R = {Ref.Left, Ref.Top, Ref.Right, Ref.Bottom};
  mask.WL = Short(Ref.WL);
  mask.WT = Short(Ref.WT);
  mask.WR = Short(Ref.WR);
  mask.WB = Short(Ref.WB);
  mask.ImageCount = Short(Ref.ImageCount);
  mask.MaskType = Short(Ref.MaskType);
  mask.ImgType = static_cast<TacImgType>(Ref.ImgType);
  mask.DrawMode = Short(Ref.DrawMode);
  return mask;
}

std::unique_ptr<TacWorkBitmap> LoadMasterBitmap(const TMemIniFile& Options, const TacSkinSource& Source) {
  const std::string name = Options.ReadString(s_GlobalInfo, kMasterBitmapKey, "");
  const auto bytes = name.empty() ? std::nullopt : Source.ReadSkinFile(name);
  if (!bytes) return std::make_unique<TacWorkBitmap>();
  const bool png = UpperCase(name).find(".PNG") != std::string::npos;
  TacDecodedImage image = png ? DecodePng(*bytes, name) : DecodeBmp(*bytes, name);
  TacWorkBitmap& bitmap = *image.Bitmap;
  if (png) {
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
      TacPixel* row = bitmap.Row(y);
      for (int32_t x = 0; x < bitmap.Width(); ++x)
        if (row[x] == kOpaqueMagenta) row[x] = KeyPixel;
    }
  }
  if (!image.HasAlpha) SetAlphaRect(bitmap, bitmap.BoundsRect(), 255, {}, clFuchsia);
  return std::move(image.Bitmap);
}

std::optional<TacElementVariant> FindElementVariant(const TMemIniFile& Ini, const std::string& Section,
                                                     const std::string& Key, int32_t PPI, int32_t ScaleValue) {
  const int32_t own = std::clamp(ScaleValue, 0, acScaleCount - 1);
  const int32_t start = acScalePPI[own] < PPI ? own + 1 : own;
  TacElementVariant variant;
  const auto present = [&](int32_t i) {
    variant.Index = i;
    variant.Value = Ini.ReadString(Section, Key + acScaleSuffixes[i], "");
    return !variant.Value.empty();
  };
  for (int32_t i = start; i < acScaleCount; ++i)
    if (present(i)) return variant;
  for (int32_t i = start - 1; i >= 0; --i)
    if (present(i)) return variant;
  return std::nullopt;
}

int32_t GetScaledMaskData(const TacMaskSource& From, const std::string& SectionName, const std::string& PropName,
                          TsMaskData& MaskData, std::unique_ptr<TacWorkBitmap>& Image, int32_t MulPPI) {
  const auto read = [&](int32_t i) { return From.Options.ReadString(SectionName, PropName + acScaleSuffixes[i], ""); };
  int32_t found = -1;
  std::string value;
  for (int32_t i = 0; i < acScaleCount && found < 0; ++i)
    if (acScalePPI[i] >= MulPPI && !(value = read(i)).empty()) found = i;
  for (int32_t i = acScaleCount - 1; i >= 0 && found < 0; --i)
    if (acScalePPI[i] <= MulPPI && !(value = read(i)).empty()) found = i;
  if (found < 0) return -1;

  const TacElementRef ref = ParseNormalizedReference(NormalizeElementReference(UpperCase(value)));
  MaskData = ElementMask(ref, SectionName, PropName, 0);
  // This mask is never finished with the others, so a count of 0 becomes one frame here.
  MaskData.ImageCount = std::max<int16_t>(1, MaskData.ImageCount);
  MaskData.MulPPi = MulPPI;
  MaskData.DivPPI = acScalePPI[found];
  Image.reset();

  const TacWorkBitmap* source = &From.MasterBitmap;
  std::unique_ptr<TacWorkBitmap> decoded;
  if (!ref.FileName.empty()) {
    const auto bytes = From.Source.ReadSkinFile(ref.FileName);
    if (!bytes) return -1;
    TacDecodedImage image = DecodeSkinImage(*bytes, ref.FileName);
    if (!image.HasAlpha) SetAlphaRect(*image.Bitmap, image.Bitmap->BoundsRect(), 255, {}, clFuchsia);
    decoded = std::move(image.Bitmap);
    source = decoded.get();
    const bool glyph = MaskData.ImgType == itisaGlyph || MaskData.ImgType == itisaPngGlyph;
    if (MaskData.R.IsEmpty() || !glyph) MaskData.R = decoded->BoundsRect();
  }
  const bool asIs = MulPPI == MaskData.DivPPI || (MaskData.DrawMode & dmNeverRescale) != 0;
  if (!asIs && ScaleElementImage(MaskData, *source, IsAlphaImageType(MaskData.ImgType), Image)) {
    MaskData.Bmp = Image.get();
  } else {
    Image = IsInsideImage(MaskData.R, *source) ? CopyImageArea(*source, MaskData.R)
                                               : std::make_unique<TacWorkBitmap>();
    MaskData.Bmp = Image.get();
    MaskData.R = Image->BoundsRect();
    MaskData.Width = Image->Width() / MaskData.ImageCount;
    MaskData.Height = Image->Height() / std::max(1, MaskData.MaskType + 1);
  }
  if (MaskData.ImgType == itisaBorder && HasTransparentCorners(MaskData, *MaskData.Bmp))
    MaskData.Cfg |= cfgTransparentCorners;
  return MulPPI;
}

bool IsInsideImage(const TRect& Rect, const TacWorkBitmap& Image) {
  return !Rect.IsEmpty() && Rect.Left >= 0 && Rect.Top >= 0 && Rect.Right <= Image.Width() &&
         Rect.Bottom <= Image.Height();
}

std::unique_ptr<TacWorkBitmap> CopyImageArea(const TacWorkBitmap& Source, const TRect& Area) {
  auto copy = std::make_unique<TacWorkBitmap>(Area.Width(), Area.Height());
  for (int32_t y = 0; y < Area.Height(); ++y)
    std::copy_n(Source.Row(Area.Top + y) + Area.Left, Area.Width(), copy->Row(y));
  return copy;
}

bool HasTransparentCorners(const TsMaskData& Mask, const TacWorkBitmap& Image) {
  const int32_t count = std::max<int32_t>(1, Mask.ImageCount);
  const int32_t w = Mask.R.Width() / count;
  const int32_t h = Mask.R.Height() / std::max(1, Mask.MaskType + 1);
  const bool alpha = (Mask.DrawMode & dmAlphaChannel) != 0;
  // The last column and row of the image are never examined.
  const TRect limit{0, 0, Image.Width() - 1, Image.Height() - 1};
  const auto transparentIn = [&](TRect area) {
    area = {std::max(area.Left, limit.Left), std::max(area.Top, limit.Top), std::min(area.Right, limit.Right),
            std::min(area.Bottom, limit.Bottom)};
    for (int32_t y = area.Top; y < area.Bottom; ++y)
      for (int32_t x = area.Left; x < area.Right; ++x) {
        const TacPixel p = Image.Pixel(x, y);
        if (alpha ? Alpha(p) == 0 : IsKeyColor(p)) return true;
      }
    return false;
  };
  const int32_t top = Mask.R.Top;
  for (int32_t f = 0; f < count; ++f) {
    const int32_t x0 = Mask.R.Left + f * w;
    const std::array<TRect, 4> corners{TRect{x0, top, x0 + Mask.WL, top + Mask.WT},
                                       TRect{x0 + w - Mask.WR, top, x0 + w, top + Mask.WT},
                                       TRect{x0, top + h - Mask.WB, x0 + Mask.WL, top + h},
                                       TRect{x0 + w - Mask.WR, top + h - Mask.WB, x0 + w, top + h}};
    for (const TRect& corner : corners)
      if (transparentIn(corner)) return true;
  }
  return false;
}

bool ScaleElementImage(TsMaskData& Mask, const TacWorkBitmap& Source, bool AlphaImage,
                       std::unique_ptr<TacWorkBitmap>& Scaled) {
  const int32_t mul = Mask.MulPPi, div = Mask.DivPPI;
  if (mul == div || div <= 0 || mul <= 0) return false;
  if (Mask.WL + Mask.WR == 2 || Mask.WT + Mask.WB == 2) return false;
  if (Mask.MaskType != 0 && Mask.MaskType != 1) return false;
  const TRect& r = Mask.R;
  if (!IsInsideImage(r, Source)) return false;
  const int32_t count = std::max<int32_t>(1, Mask.ImageCount);
  const int32_t frameWidth = r.Width() / count;
  const int32_t rowHeight = r.Height() / (Mask.MaskType + 1);
  if (frameWidth <= 2 || rowHeight <= 2) return false;

  const int32_t newWidth = frameWidth * mul / div * count;
  const int32_t newRowHeight = rowHeight * mul / div;
  if (newWidth < 1 || newRowHeight < 1) return false;
  const bool keyed = (Mask.DrawMode & dmAlphaChannel) == 0 && !AlphaImage;

  auto image = CopyImageArea(Source, {r.Left, r.Top, r.Left + frameWidth * count, r.Top + rowHeight});
  if (Mask.MaskType == 0 && keyed) MakeKeyPixelsTransparent(*image);
  TacWorkBitmap scaledImage;
  ResampleBitmap(*image, scaledImage, newWidth, newRowHeight, rfMitchell);

  auto result = std::make_unique<TacWorkBitmap>(newWidth, newRowHeight * (Mask.MaskType + 1));
  for (int32_t y = 0; y < newRowHeight; ++y) std::copy_n(scaledImage.Row(y), newWidth, result->Row(y));
  if (Mask.MaskType == 1) {
    const TRect maskArea{r.Left, r.Top + rowHeight, r.Left + frameWidth * count, r.Top + 2 * rowHeight};
    auto maskRow = CopyImageArea(Source, maskArea);
    TacWorkBitmap scaledMask;
    ResampleBitmap(*maskRow, scaledMask, newWidth, newRowHeight, rfMitchell);
    for (int32_t y = 0; y < newRowHeight; ++y) {
      std::copy_n(scaledMask.Row(y), newWidth, result->Row(newRowHeight + y));
      TacPixel* row = result->Row(y);
      for (int32_t x = 0; x < newWidth; ++x)
        if (Alpha(row[x]) < 100) row[x] = KeyPixel;
    }
  } else if (keyed) {
    for (int32_t y = 0; y < newRowHeight; ++y) {
      TacPixel* row = result->Row(y);
      for (int32_t x = 0; x < newWidth; ++x) row[x] = Alpha(row[x]) > 89 ? WithAlpha(row[x], 255) : KeyPixel;
    }
  }

  Mask.R = result->BoundsRect();
  Mask.Width = newWidth / count;
  Mask.Height = AlphaImage ? result->Height() : result->Height() / (Mask.MaskType + 1);
  ScaleMargins(Mask, mul, div, Mask.Width, Mask.Height);
  Scaled = std::move(result);
  return true;
}

void TacSkinMasks::LoadAllMasks(const TacMaskSource& From) {
  ma.clear();
  BmpArray.clear();
  FImageByFile.clear();
  FImageByRect.clear();
  FImageBytes = 0;
  const std::vector<std::string> sections = SkinSectionNames(From.Options);
  const auto loadSection = [&](const TMemIniFile& ini, const std::string& section, int32_t index) {
    for (const std::string& key : ini.ReadSection(section)) {
      if (section == s_GlobalInfo && key == kMasterBitmapKey) continue;
      if (key.find('*') != std::string::npos) continue;
      if (!IsElementReference(UpperCase(ini.ReadString(section, key, "")))) continue;
      LoadElement(From, ini, section, index, key);
    }
  };
  for (size_t i = 0; i < sections.size(); ++i) loadSection(From.Options, sections[i], static_cast<int32_t>(i));
  if (!From.CommonSections) return;
  auto index = static_cast<int32_t>(sections.size());
  for (const std::string& section : From.CommonSections->ReadSections())
    if (section != s_GlobalInfo) loadSection(*From.CommonSections, section, index++);
}

void TacSkinMasks::LoadElement(const TacMaskSource& From, const TMemIniFile& Ini, const std::string& Section,
                               int32_t SkinIndex, const std::string& Key) {
  const auto variant = FindElementVariant(Ini, Section, Key, PPI, ScaleValue);
  if (!variant) return;
  const int32_t found = variant->Index;
  const TacElementRef ref = ParseNormalizedReference(NormalizeElementReference(UpperCase(variant->Value)));
  TsMaskData mask = ElementMask(ref, Section, Key, SkinIndex);
  mask.MulPPi = PPI;
  mask.DivPPI = acScalePPI[found];

  if (!ShareImage(mask, ref.FileName)) {
    if (!ref.FileName.empty()) {
      if (!LoadFileImage(From, mask, ref.FileName)) return;  // a missing file drops the element
    } else if (mask.MulPPi != mask.DivPPI && (mask.DrawMode & dmNeverRescale) == 0) {
      const TRect source = mask.R;
      std::unique_ptr<TacWorkBitmap> scaled;
      TsMaskData unscaled = mask;
      // Beyond the budget the element keeps its unscaled frames of the master bitmap.
      if (ScaleElementImage(mask, From.MasterBitmap, false, scaled) && !TakeImageBytes(*scaled)) {
        mask = unscaled;
        scaled.reset();
      }
      if (scaled) {
        mask.Bmp = scaled.get();
        AddImage(TacBmpData{mask.MulPPi, mask.DivPPI, mask.MaskType, Section + "-" + Key, {}, std::move(scaled),
                            mask.R, source, false});
      }
    }
  }
  if (mask.R.IsEmpty() && mask.Bmp) mask.R = mask.Bmp->BoundsRect();
  if (mask.ImgType == itisaBorder && HasTransparentCorners(mask, ImageOf(mask, From.MasterBitmap)))
    mask.Cfg |= cfgTransparentCorners;
  ma.push_back(std::move(mask));
}

bool TacSkinMasks::TakeImageBytes(const TacWorkBitmap& Image) {
  const size_t bytes = static_cast<size_t>(Image.Width()) * static_cast<size_t>(Image.Height()) * sizeof(TacPixel);
  if (bytes > acMaxSkinImageBytes - FImageBytes) return false;
  FImageBytes += bytes;
  return true;
}

void TacSkinMasks::AddImage(TacBmpData Image) {
  const size_t index = BmpArray.size();
  if (Image.FileName.empty())
    FImageByRect.emplace(std::array<int32_t, 4>{Image.SrcRect.Left, Image.SrcRect.Top, Image.SrcRect.Right,
                                                Image.SrcRect.Bottom},
                         index);
  else
    FImageByFile.emplace(Image.FileName, index);
  BmpArray.push_back(std::move(Image));
}

bool TacSkinMasks::ShareImage(TsMaskData& Mask, const std::string& FileName) const {
  size_t found = BmpArray.size();
  if (FileName.empty()) {
    const auto it = FImageByRect.find({Mask.R.Left, Mask.R.Top, Mask.R.Right, Mask.R.Bottom});
    if (it != FImageByRect.end()) found = it->second;
  } else if (const auto it = FImageByFile.find(FileName); it != FImageByFile.end()) {
    found = it->second;
  }
  if (found >= BmpArray.size()) return false;
  const TacBmpData* entry = &BmpArray[found];
  Mask.Bmp = entry->Bmp.get();
  Mask.R = Mask.Bmp->BoundsRect();
  Mask.Width = Mask.Bmp->Width();
  Mask.Height = Mask.Bmp->Height();
  Mask.MulPPi = entry->MulPPI;
  Mask.DivPPI = entry->DivPPI;
  ScaleMargins(Mask, Mask.MulPPi, Mask.DivPPI, Mask.Width / std::max<int32_t>(1, Mask.ImageCount),
               Mask.Height / std::max(1, Mask.MaskType + 1));
  return true;
}

bool TacSkinMasks::LoadFileImage(const TacMaskSource& From, TsMaskData& Mask, const std::string& FileName) {
  const auto bytes = From.Source.ReadSkinFile(FileName);
  if (!bytes) return false;
  TacDecodedImage image = DecodeSkinImage(*bytes, FileName);
  std::unique_ptr<TacWorkBitmap> bitmap = std::move(image.Bitmap);
  if (!image.HasAlpha) SetAlphaRect(*bitmap, bitmap->BoundsRect(), 255, {}, clFuchsia);
  if (EndsText(".PNG", FileName) && From.Brightness <= 0 && Mask.ImgType != itisaBorder) PremultiplyAlpha(*bitmap);
  // A glyph may name its rectangle in the file; everything else uses the whole image.
  const bool glyph = Mask.ImgType == itisaGlyph || Mask.ImgType == itisaPngGlyph;
  if (Mask.R.IsEmpty() || !glyph) Mask.R = bitmap->BoundsRect();
  Mask.Width = bitmap->Width();
  Mask.Height = bitmap->Height();
  if (Mask.MulPPi != Mask.DivPPI) {
    std::unique_ptr<TacWorkBitmap> scaled;
    if (ScaleElementImage(Mask, *bitmap, IsAlphaImageType(Mask.ImgType), scaled)) bitmap = std::move(scaled);
  }
  if (!TakeImageBytes(*bitmap)) return false;  // left out like a missing file
  Mask.Bmp = bitmap.get();
  AddImage(TacBmpData{Mask.MulPPi, Mask.DivPPI, Mask.MaskType, Mask.ClassName + "-" + Mask.PropertyName, FileName,
                      std::move(bitmap), Mask.R, {}, true});
  return true;
}

void TacSkinMasks::FinishMasks(const TacWorkBitmap& MasterBitmap) {
  for (TsMaskData& m : ma) {
    // A frame count of 0 means one frame; its size must come from the whole rectangle.
    const int32_t count = std::max<int32_t>(1, m.ImageCount);
    m.Width = m.R.Width() / count;
    m.Height = m.MaskType == -1 ? 0 : m.MaskType != 0 ? m.R.Height() / (m.MaskType + 1) : m.R.Height();
    if (m.ImageCount == 0) {
      const int32_t rows = std::max(1, m.MaskType + 1);
      if (m.WT <= 0) m.WT = Short((m.Height - 1) / (rows * 2));
      if (m.WB <= 0) m.WB = Short((m.Height - 1) / (rows * 2));
      if (m.WL <= 0) m.WL = Short((m.Width - 1) / 2);
      if (m.WR <= 0) m.WR = Short((m.Width - 1) / 2);
      m.ImageCount = 1;
    }
    if (m.ImgType == itisaBorder) {
      m.Cfg &= ~cfgTransparentCorners;
      if (HasTransparentCorners(m, ImageOf(m, MasterBitmap))) m.Cfg |= cfgTransparentCorners;
    }
  }
}
