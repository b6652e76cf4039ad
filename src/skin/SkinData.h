#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/StrUtils.h"
#include "skin/SkinGeneralData.h"
#include "skin/SkinMasks.h"
#include "skin/SkinOptions.h"
#include "skin/SkinSections.h"

enum TacExtBordersMode { ebmFull, ebmShadow };
enum TacSide { asLeft, asTop, asRight, asBottom };
enum TacTabLayout { tlFirst, tlLast, tlMiddle, tlSingle };

// Cached indexes of one standard element.
struct TacConstElementData {
  int32_t SkinIndex = -1;
  int32_t MaskIndex = -1;
  int32_t GlyphIndex = -1;
  std::array<int32_t, 3> BGIndex{-1, -1, -1};
  std::string SkinSection;
};

// An outer effect of extended borders: oe[0] the light outline, oe[1] the shadow.
struct TacOutEffData {
  TColor ColorL = 0, ColorT = 0, ColorR = 0, ColorB = 0;
  int32_t OffsetL = 0, OffsetT = 0, OffsetR = 0, OffsetB = 0;
  int32_t WidthL = -1, WidthT = -1, WidthR = -1, WidthB = -1;
  int32_t Blur = 0;
  int32_t Radius = 0;
  int32_t Mask = -1;
  int32_t Source = 0;
  int32_t Opacity = 0;
};

// What building a skin data object takes from the skin manager.
struct TacSkinLoadContext {
  const TMemIniFile& Options;
  const TacSkinSource& Source;
  const TacWorkBitmap& MasterBitmap;
  const TMemIniFile* CommonSections = nullptr;
  int32_t Brightness = 0;
  int32_t CustomPPI = 0;     // the manager's PixelsPerInch when it scales to a custom PPI, else 0
  bool OldScaleMode = false;  // lengths are never scaled
  TColor LabelTextColor = 0;  // the palette's label text when loading starts
  TacExtBordersMode ExtBordersMode = ebmFull;
  bool ExtendedBorders = false;
  bool Active = true;
  int32_t SizingFrameWidth = 4;  // the system's sizing-frame width at this PPI
};

inline constexpr int acTitleIconCount = 5;

// Turns colour property values (system colours, palette constants) into RGB
// with the colours of the loaded skin; the skin manager's palette provides it.
class TacSkinColorResolver {
 public:
  virtual ~TacSkinColorResolver() = default;
  virtual TColor SkinColorToRGB(TColor Value) const = 0;
};

struct TacSkinIndex;

// Everything of a loaded skin that depends on the resolution.
class TacSkinData : public TacSkinMasks {
 public:
  explicit TacSkinData(int32_t PPI);
  ~TacSkinData();

  bool Initializing = false;
  int32_t ScalePercent = 100;
  int32_t Spacing = 0, LineWidth = 0, ArrowSize = 0, SmallArrowSize = 0, ScrollBtnLength = 0;
  int32_t Shadow1Blur = -1, Shadow1Offset = 0, Shadow1Transparency = 0;
  int32_t ExBorderWidth = 4, ExTitleHeight = 30, ExMaxHeight = 0, ExContentOffs = 0, ExCenterOffs = 0;
  int32_t ExShadowOffs = 0, ExShadowOffsR = 0, ExShadowOffsT = 0, ExShadowOffsB = 0;
  int32_t BIRightMargin = 0, BILeftMargin = 0, BITopMargin = 0;
  int32_t WndShadowRadius = 17, WndShadowSize = 13, WndShadowOffset = 2;
  int32_t ExDrawMode = 0;
  int32_t BISpacing = 0;
  int32_t ComboBoxMargin = 2, SliderMargin = 1, ScrollsWidth = -1, ThumbWidth = 0, ScrollArrows = -1;
  uint8_t TabsCovering = 0, RibbonCovering = 0;
  TColor WndShadowColorN = static_cast<TColor>(0x44000000), WndShadowColorA = static_cast<TColor>(0x99000000);
  std::array<TacConstElementData, 4> Scrolls, ScrollBtns, UpDownBtns;
  std::array<TacConstElementData, 2> Sliders;  // horizontal, vertical
  TacConstElementData MenuItem, ComboBtn;
  std::array<std::vector<int32_t>, 7> TitleGlows;
  std::array<int32_t, 7> GlowMargins{};
  std::array<int32_t, 13> TitleGlyphs{};
  std::array<int32_t, 2> RadioButton{-1, -1};
  std::array<int32_t, 3> CheckBox{-1, -1, -1};
  std::array<int32_t, 3> SmallCheckBox{-1, -1, -1};
  std::array<std::array<int32_t, 9>, 2> TrackBar{};  // 0 vertical, 1 horizontal
  std::array<std::array<TacConstElementData, 4>, 4> Tabs;  // [layout][side]
  int32_t ExBorder = -1, GripVertical = -1, GripHorizontal = -1, GripRightBottom = -1;
  std::unique_ptr<TacWorkBitmap> ShdaTemplate, ShdiTemplate;
  TRect FormShadowSize;
  std::array<TacOutEffData, 2> oe;
  std::vector<TsGeneralData> gd;

  // Owned by the skin manager, which outlives the skin data it loads.
  const TacWorkBitmap* MasterBitmap = nullptr;
  const TacSkinColorResolver* ColorResolver = nullptr;

  // ColorResolver's answer, or the plain conversion when none is set.
  TColor SkinColorToRGB(TColor Value) const;

  // Filled while loading: the standard slots, GLOBALINFO's index and the
  // palette's main colour ("COLOR" of GLOBALINFO).
  std::array<int32_t, acSectionCount> Sections{};
  int32_t IndexGlobalInfo = -1;
  TColor MainColor = 0;

  // The whole load in its fixed order.
  void Load(const TacSkinLoadContext& Context);
  void LoadParams();
  void LoadAllMasks(const TacSkinLoadContext& Context);
  void LoadAllGeneralData(const TacSkinLoadContext& Context);
  void InitConstantIndexes(const TacSkinLoadContext& Context);
  void InitMaskIndexes(const TacSkinLoadContext& Context);
  void InitMaskParams(const TacSkinLoadContext& Context);
  void CheckShadows(const TacSkinLoadContext& Context);

  // Mirrors every frame of the large title-button images (close, maximize,
  // minimize, restore) and their first glow images, for right-to-left
  // layouts; calling it again turns them back. Pixels shared by several
  // elements are mirrored once.
  void FlipTitleImages(TacWorkBitmap& Master);

  // The window-shadow images, made on first use.
  const TacWorkBitmap& GetActiveShadow();
  const TacWorkBitmap& GetPassiveShadow();

  int32_t ScaleIntValue(int32_t Value) const { return MulDivRounded(Value, PPI, 96); }

  int32_t GetSkinIndex(std::string_view SkinSection) const;
  bool IsValidSkinIndex(int32_t SkinIndex) const { return SkinIndex >= 0 && SkinIndex < static_cast<int32_t>(gd.size()); }
  bool IsValidImgIndex(int32_t Index) const { return Index >= 0 && Index < static_cast<int32_t>(ma.size()); }
  // The first mask of the section with that key, else of its parents; the
  // parent is followed only while it differs from SkinSection.
  int32_t GetMaskIndex(int32_t SkinIndex, std::string_view SkinSection, std::string_view PropName) const;
  int32_t GetMaskIndex(int32_t SkinIndex, std::string_view PropName) const;
  int32_t GetMaskIndex(std::string_view SkinSection, std::string_view PropName) const;
  int32_t GetTextureIndex(int32_t SkinIndex, std::string_view SkinSection, std::string_view PropName) const;
  int32_t GetTextureIndex(int32_t SkinIndex, std::string_view PropName) const;

 private:
  TacScaleRule ScaleRule(const TacSkinLoadContext& Context) const;
  TacScaleContext MetricContext(const TacSkinLoadContext& Context) const;
  void LoadMetrics(const TacSkinLoadContext& Context);
  // The steps of an outer effect of extended borders: its values, its mask
  // (an element of the skin, or generated), then its widths.
  void LoadOuterEffect(const TacSkinLoadContext& Context, TacOutEffData& Effect, const char* Prefix, bool Shadow);
  void ReadOuterEffect(const TacSkinLoadContext& Context, TacOutEffData& Effect, const char* Prefix,
                       bool Shadow) const;
  int32_t LoadOuterMask(const TacSkinLoadContext& Context, const std::string& Key);
  int32_t MakeOuterMask(const TacOutEffData& Effect, const std::string& Key, std::array<int32_t, 4>& DerivedWidths);
  void ReadOuterWidths(const TacSkinLoadContext& Context, TacOutEffData& Effect, const char* Prefix,
                       const std::array<int32_t, 4>& DerivedWidths);
  // Adds a mask of an image of this resolution that loading made; its index,
  // or -1 when the image would go beyond the skin's image budget.
  int32_t AddImageMask(TsMaskData Mask, std::unique_ptr<TacWorkBitmap> Image, const std::string& FileName);
  TacConstElementData ConstElement(std::initializer_list<const char*> Names) const;
  template <class Match>
  int32_t WalkParents(int32_t SkinIndex, std::string_view SkinSection, bool StopAtCaller, Match match) const;
  // The lookups by name, indexed as the records and masks are appended, so
  // that each costs a constant number of steps however large the skin is.
  const TacSkinIndex& Index() const;
  mutable std::unique_ptr<TacSkinIndex> FIndex;
  void InitRecordMasks(int32_t Record);
  int32_t AddOuterImage(int32_t Record);

  std::unique_ptr<TacWorkBitmap> rsta, rsti;
};
