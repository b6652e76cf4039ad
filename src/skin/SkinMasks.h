#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/IniFile.h"
#include "graphics/Geometry.h"
#include "graphics/WorkBitmap.h"
#include "skin/ElementReference.h"
#include "skin/SkinSources.h"

// DrawMode of a border or corner image is a set of flags.
inline constexpr int16_t dmStretch = 1;         // sides and centre are stretched, not tiled
inline constexpr int16_t dmHiddenInState0 = 2;  // not drawn in state 0
inline constexpr int16_t dmDrawCentre = 4;      // the centre piece is drawn
inline constexpr int16_t dmNeverRescale = 8;    // loading keeps the image at its own resolution
inline constexpr int16_t dmAlphaChannel = 16;   // the image carries its own alpha
// DrawMode of a texture is a placement code instead (0 to 14); these two are
// looked at outside the placement itself.
inline constexpr int16_t tpTile = 0;         // tiles over the whole area
inline constexpr int16_t tpWholeTiles = 10;  // whole tiles only; a masked one lies over the background
// Cfg bit 0, set at load time: a corner area of some frame holds
// transparent pixels. Painting asks for bit 0 or bit 1.
inline constexpr uint32_t cfgTransparentCorners = 1;
inline constexpr uint32_t cfgCornerBits = 3;

// An image loaded for elements; the skin data owns it, masks refer to it.
struct TacBmpData {
  int32_t MulPPI = 96;
  int32_t DivPPI = 96;
  int32_t MaskType = 0;
  std::string Path;      // section, "-" and key of the element that loaded it
  std::string FileName;  // upper-cased; empty for images cut from the master bitmap
  std::unique_ptr<TacWorkBitmap> Bmp;
  TRect R;
  TRect SrcRect;  // the unscaled rectangle in the master bitmap; empty for files
  bool Ext = false;
};

// One element image of a skin section.
struct TsMaskData {
  const TacWorkBitmap* Bmp = nullptr;  // none: the element lies in the master bitmap
  std::string ClassName;
  std::string PropertyName;
  TRect R;
  int16_t ImageCount = 0;
  int16_t MaskType = 0;
  int16_t DrawMode = 0;
  TacImgType ImgType = itisaBorder;
  int16_t WL = 0, WT = 0, WR = 0, WB = 0;
  uint32_t Cfg = 0;
  int32_t MulPPi = 96;
  int32_t DivPPI = 96;
  int32_t SkinIndex = -1;
  int32_t Width = 0;
  int32_t Height = 0;
};

// An element's mask as its normalized reference describes it, before an
// image is attached: rectangle, frames, mask rows, kind, draw mode and
// margins, each limited to its field. ImageCount stays 0 when the reference
// says 0: finishing the masks turns that into one frame with default margins.
TsMaskData ElementMask(const TacElementRef& Ref, const std::string& Section, const std::string& Key,
                       int32_t SkinIndex);

// The master bitmap named by "MASTERBITMAP": 32-bit, key pixels (magenta)
// with alpha 0, every other pixel of a source without alpha opaque. A skin
// without one gets an empty bitmap.
std::unique_ptr<TacWorkBitmap> LoadMasterBitmap(const TMemIniFile& Options, const TacSkinSource& Source);

// What loading the masks of one resolution reads.
struct TacMaskSource {
  const TMemIniFile& Options;
  const TacSkinSource& Source;
  const TacWorkBitmap& MasterBitmap;
  const TMemIniFile* CommonSections = nullptr;
  int32_t Brightness = 0;  // the manager's; PNG elements are premultiplied now only when it is not positive
};

// The images and elements of a skin for one resolution.
struct TacSkinMasks {
  int32_t PPI = 96;
  int32_t ScaleValue = 0;
  std::vector<TsMaskData> ma;
  std::vector<TacBmpData> BmpArray;

  // Every element value of every section, then of the common sections (whose
  // indexes continue after the file's), cut, scaled and shared.
  void LoadAllMasks(const TacMaskSource& From);
  // Frame sizes, default margins and corner transparency once all are loaded.
  void FinishMasks(const TacWorkBitmap& MasterBitmap);

  // The image an element is painted from.
  const TacWorkBitmap& ImageOf(const TsMaskData& Mask, const TacWorkBitmap& MasterBitmap) const {
    return Mask.Bmp ? *Mask.Bmp : MasterBitmap;
  }

 private:
  void LoadElement(const TacMaskSource& From, const TMemIniFile& Ini, const std::string& Section, int32_t SkinIndex,
                   const std::string& Key);
  bool ShareImage(TsMaskData& Mask, const std::string& FileName) const;
  bool LoadFileImage(const TacMaskSource& From, TsMaskData& Mask, const std::string& FileName);
  void AddImage(TacBmpData Image);

 protected:
  // Counts Image against acMaxSkinImageBytes; false, and not counted, when
  // it would go beyond.
  bool TakeImageBytes(const TacWorkBitmap& Image);

 private:
  size_t FImageBytes = 0;

  // The images LoadAllMasks added, by file name, or by the rectangle of the
  // master bitmap they were cut from, so that sharing one costs no search.
  std::unordered_map<std::string, size_t> FImageByFile;
  std::map<std::array<int32_t, 4>, size_t> FImageByRect;
};

// The value an element key is loaded from for a skin data object of PPI and
// scale index ScaleValue: the variant of that scale, else the nearest larger,
// else the nearest smaller one. Index is the variant's scale index.
struct TacElementVariant {
  int32_t Index = -1;
  std::string Value;
};
std::optional<TacElementVariant> FindElementVariant(const TMemIniFile& Ini, const std::string& Section,
                                                     const std::string& Key, int32_t PPI, int32_t ScaleValue);

// Builds one element of SectionName for any PPI on demand, from the variant
// nearest above MulPPI (else the nearest below). Image receives the pixels
// the mask refers to, when it needs its own. Returns MulPPI, or -1 when the
// section has no such element or its file is missing.
int32_t GetScaledMaskData(const TacMaskSource& From, const std::string& SectionName, const std::string& PropName,
                          TsMaskData& MaskData, std::unique_ptr<TacWorkBitmap>& Image, int32_t MulPPI);

// True when the non-empty Rect lies wholly inside Image.
bool IsInsideImage(const TRect& Rect, const TacWorkBitmap& Image);
// A new bitmap holding Area of Source; Area must lie inside it.
std::unique_ptr<TacWorkBitmap> CopyImageArea(const TacWorkBitmap& Source, const TRect& Area);

// Bit 0 of Cfg for a border element; checks the first row of every frame.
bool HasTransparentCorners(const TsMaskData& Mask, const TacWorkBitmap& Image);

// Resamples an element's image to Mask.MulPPi; false when the element is not
// scaled (same PPI, hairline margins or frames of 2 pixels or less).
bool ScaleElementImage(TsMaskData& Mask, const TacWorkBitmap& Source, bool AlphaImage,
                       std::unique_ptr<TacWorkBitmap>& Scaled);
