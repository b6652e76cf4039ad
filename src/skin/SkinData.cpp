#include "skin/SkinData.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "base/StrUtils.h"
#include "graphics/Resample.h"
#include "graphics/ShadowTemplate.h"
#include "skin/ImageDecoders.h"
#include "skin/SkinLimits.h"
#include "skin/SkinOptions.h"

namespace {

constexpr const char* kTitleIcons[acTitleIconCount] = {"BICLOSEALONE", "BICONCLOSE", "BICONMAX", "BICONMIN",
                                                       "BICONNORM"};
constexpr const char* kTitleGlyphKeys[12] = {"BICLOSEALONE", "BICONCLOSE", "BICONMAX",  "BICONMIN",
                                             "BICONNORM",    "BICONHELP",  "SICONCLOSE", "SICONMAX",
                                             "SICONMIN",     "SICONNORM",  "SICONHELP",  "TITLEBUTTON"};
// Title glows are counted by the skin; a count past this is a damaged value.
constexpr int32_t kMaxTitleGlows = 255;

// An outer-effect image: a colour row above the shadow template. The colour
// row is one colour, or four: left and right triangles from the outer edges
// to the centre, the top half and the bottom half between them.
std::unique_ptr<TacWorkBitmap> OuterImage(const TacWorkBitmap& shadow, bool singleColor, TColor left, TColor top,
                                          TColor right, TColor bottom) {
  const int32_t w = shadow.Width(), h = shadow.Height();
  auto image = std::make_unique<TacWorkBitmap>(w, 2 * h);
  for (int32_t y = 0; y < h; ++y) {
    TacPixel* row = image->Row(y);
    const double fromTop = double(y) / h, fromBottom = double(h - 1 - y) / h;
    for (int32_t x = 0; x < w; ++x) {
      TColor color = left;
      if (!singleColor) {
        const double edge = std::min(fromTop, fromBottom);
        if (double(x) / w < edge)
          color = left;
        else if (double(w - 1 - x) / w < edge)
          color = right;
        else
          color = 2 * y < h ? top : bottom;
      }
      row[x] = WithAlpha(PixelOfColor(color), 255);
    }
    std::copy_n(shadow.Row(y), w, image->Row(h + y));
  }
  return image;
}

}  // namespace

TacSkinData::TacSkinData(int32_t PPI_) {
  PPI = PPI_;
  ScaleValue = ScaleIndexOfPPI(PPI_);
  ScalePercent = MulDivRounded(PPI_, 100, 96);
  TitleGlyphs.fill(-1);
  for (auto& track : TrackBar) track.fill(-1);
}

TacScaleRule TacSkinData::ScaleRule(const TacSkinLoadContext& Context) const {
  return {ScaleValue, Context.CustomPPI, Context.OldScaleMode};
}

TacScaleContext TacSkinData::MetricContext(const TacSkinLoadContext& Context) const {
  return {PPI, ScaleValue, Context.CustomPPI};
}

void TacSkinData::Load(const TacSkinLoadContext& Context) {
  Initializing = true;
  rsta.reset();
  rsti.reset();
  LoadParams();
  LoadAllMasks(Context);
  LoadAllGeneralData(Context);
  InitConstantIndexes(Context);
  InitMaskIndexes(Context);
  InitMaskParams(Context);
  CheckShadows(Context);
  Initializing = false;
}

TColor TacSkinData::SkinColorToRGB(TColor Value) const {
  return ColorResolver ? ColorResolver->SkinColorToRGB(Value) : ColorToRGB(Value);
}

void TacSkinData::LoadParams() {
  Spacing = 4 * PPI / 96;
  LineWidth = 2 * PPI / 96;
  ArrowSize = 5 * PPI / 96;
  SmallArrowSize = 4 * PPI / 96;
  ScrollBtnLength = 16 * PPI / 96;
}

void TacSkinData::LoadAllMasks(const TacSkinLoadContext& Context) {
  FIndex.reset();
  MasterBitmap = &Context.MasterBitmap;
  MainColor = Context.Options.ReadInteger(s_GlobalInfo, "COLOR", ColorToRGB(clBtnFace));
  TacSkinMasks::LoadAllMasks({Context.Options, Context.Source, Context.MasterBitmap, Context.CommonSections,
                              Context.Brightness});
}

void TacSkinData::LoadAllGeneralData(const TacSkinLoadContext& Context) {
  const auto covering = [&](const char* section) {
    return static_cast<uint8_t>(LimitSkinValue("TABSCOVERING", Context.Options.ReadInteger(section, "TABSCOVERING", 0)));
  };
  TabsCovering = covering("TABTOP");
  RibbonCovering = covering("RIBBONTAB");
  TacGeneralDataSource source{Context.Options, Context.CommonSections, ScaleRule(Context), PPI, !ma.empty()};
  source.DefLightColor = Context.Options.ReadInteger(s_GlobalInfo, "DEFLIGHT", -1);
  source.LabelTextColor = Context.LabelTextColor;
  source.MainColor = MainColor;
  FIndex.reset();
  gd = LoadGeneralData(source);
  LoadMetrics(Context);
}

void TacSkinData::LoadMetrics(const TacSkinLoadContext& Context) {
  const TMemIniFile& ini = Context.Options;
  const TacScaleContext at = MetricContext(Context);
  const auto scaled = [&](const std::string& key, int32_t def) { return ReadScaledMetric(ini, at, key, def, true); };
  const auto plain = [&](const char* key, int32_t def) {
    return LimitSkinValue(key, ini.ReadInteger(s_GlobalInfo, key, def));
  };
  const TacScaleRule rule = ScaleRule(Context);

  ExDrawMode = plain("BORDERMODE", 0);
  ExShadowOffs = scaled("ALIGNOFFSET", 0);
  // The side offsets default to the common one; passing its raw value keeps
  // it from being scaled twice.
  const int32_t rawOffset = plain("ALIGNOFFSET", 0);
  ExShadowOffsR = scaled("ALIGNOFFSETR", rawOffset);
  ExShadowOffsT = scaled("ALIGNOFFSETT", rawOffset);
  ExShadowOffsB = scaled("ALIGNOFFSETB", rawOffset);
  WndShadowRadius = scaled("WSHRAD", 17);
  WndShadowOffset = scaled("WSHOFFS", 2);
  WndShadowSize = scaled("WSHSIZE", 13);
  WndShadowColorN = plain("WSHCOLN", 0x44000000);
  WndShadowColorA = plain("WSHCOLA", static_cast<int32_t>(0x99000000u));
  BISpacing = scaled("BISPACE", 0);
  BIRightMargin = scaled("BIRIGHT", 0);
  BILeftMargin = scaled("BILEFT", 0);
  BITopMargin = scaled("BITOP", 0);
  const int32_t glows = std::clamp(plain("BICONCLOSEGLOW", 0), 0, kMaxTitleGlows);
  for (int i = 0; i < acTitleIconCount; ++i) {
    GlowMargins[i] = scaled(std::string(kTitleIcons[i]) + "GLOWMARGIN", 0);
    TitleGlows[i].assign(static_cast<size_t>(glows), -1);
  }
  Shadow1Offset = scaled("SHADOW1OFFSET", 0);
  Shadow1Blur = scaled("SHADOW1BLUR", -1);
  Shadow1Transparency = plain("SHADOW1TRANSPARENCY", 0);
  ThumbWidth = scaled("THUMBWIDTH", 0);
  ScrollArrows = plain("SCROLLSARROWS", -1);
  ScrollsWidth = plain("SCROLLSWIDTH", -1);
  if (ScrollsWidth != -1) ScrollsWidth = rule.ScaleInt(ScrollsWidth);
  ComboBoxMargin = plain("COMBOMARGIN", 2);
  if (ComboBoxMargin == 1 && PPI > 143) ComboBoxMargin = 2;
  SliderMargin = plain("SLIDERMARGIN", 1);
  oe = {};
  LoadOuterEffect(Context, oe[1], "SH_", true);
  LoadOuterEffect(Context, oe[0], "LO_", false);
}

void TacSkinData::LoadOuterEffect(const TacSkinLoadContext& Context, TacOutEffData& Effect, const char* Prefix,
                                  bool Shadow) {
  ReadOuterEffect(Context, Effect, Prefix, Shadow);
  const std::string maskKey = std::string(Prefix) + "MASK";
  std::array<int32_t, 4> derivedWidths{-1, -1, -1, -1};
  if (Effect.Source == 1) Effect.Mask = LoadOuterMask(Context, maskKey);
  if (Effect.Source == 2) Effect.Mask = MakeOuterMask(Effect, maskKey, derivedWidths);
  ReadOuterWidths(Context, Effect, Prefix, derivedWidths);
}

void TacSkinData::ReadOuterEffect(const TacSkinLoadContext& Context, TacOutEffData& Effect, const char* Prefix,
                                  bool Shadow) const {
  const TMemIniFile& ini = Context.Options;
  const std::string p = Prefix;
  const auto plain = [&](const char* key, int32_t def) {
    return LimitSkinValue(p + key, ini.ReadInteger(s_GlobalInfo, p + key, def));
  };
  const TacScaleRule rule = ScaleRule(Context);
  if (Shadow) {
    Effect.ColorL = plain("COLORL", 0);
    Effect.ColorT = 0xFF00FF;
    Effect.ColorR = Effect.ColorB = 0;
  } else {
    Effect.ColorL = ColorToRGB(plain("COLORL", 0xFFFFFF));
    Effect.ColorT = ColorToRGB(plain("COLORT", 0));
    Effect.ColorR = ColorToRGB(plain("COLORR", 0xFFFFFF));
    Effect.ColorB = ColorToRGB(plain("COLORB", 0xFFFFFF));
  }
  Effect.OffsetL = rule.ScaleInt(plain("OFFSETL", Shadow ? 3 : 2));
  Effect.OffsetT = rule.ScaleInt(plain("OFFSETT", 2));
  Effect.OffsetR = rule.ScaleInt(plain("OFFSETR", Shadow ? 3 : 2));
  Effect.OffsetB = rule.ScaleInt(plain("OFFSETB", Shadow ? 5 : 4));
  Effect.Blur = rule.ScaleInt(plain("BLUR_OE", 5));
  Effect.Radius = rule.ScaleInt(plain("RADIUS_OE", 9));
  Effect.Source = plain("SOURCE", 2);
  Effect.Opacity = plain("OPACITY", Shadow ? 60 : 200);
  Effect.Mask = -1;
}

int32_t TacSkinData::LoadOuterMask(const TacSkinLoadContext& Context, const std::string& Key) {
  // An element of GLOBALINFO: its own scale variant, else the plain one
  // scaled with the lengths of this resolution.
  const TMemIniFile& ini = Context.Options;
  std::string value;
  bool own = false;
  if (ScaleValue > 0) {
    value = ini.ReadString(s_GlobalInfo, Key + acScaleSuffixes[ScaleValue], "");
    own = !value.empty();
  }
  if (!own) value = ini.ReadString(s_GlobalInfo, Key, "");
  if (value.empty()) return -1;
  const TacElementRef ref = ParseNormalizedReference(NormalizeElementReference(UpperCase(value)));
  std::unique_ptr<TacWorkBitmap> decoded;
  const TacWorkBitmap* image = &Context.MasterBitmap;
  TRect area{ref.Left, ref.Top, ref.Right, ref.Bottom};
  if (!ref.FileName.empty()) {
    const auto bytes = Context.Source.ReadSkinFile(ref.FileName);
    if (bytes) decoded = std::move(DecodeSkinImage(*bytes, ref.FileName).Bitmap);
    image = decoded.get();
    if (image && area.IsEmpty()) area = image->BoundsRect();
  }
  if (!image || !IsInsideImage(area, *image)) return -1;
  std::unique_ptr<TacWorkBitmap> cut = CopyImageArea(*image, area);
  TsMaskData mask = ElementMask(ref, s_GlobalInfo, Key, GetSkinIndex(s_GlobalInfo));
  if (!own && ScaleValue > 0) {
    const TacScaleRule rule = ScaleRule(Context);
    auto scaledImage = std::make_unique<TacWorkBitmap>();
    ResampleBitmap(*cut, *scaledImage, rule.ScaleInt(cut->Width()), rule.ScaleInt(cut->Height()), rfBox);
    if (!scaledImage->Empty()) cut = std::move(scaledImage);
    mask.WL = static_cast<int16_t>(rule.ScaleInt(mask.WL));
    mask.WT = static_cast<int16_t>(rule.ScaleInt(mask.WT));
    mask.WR = static_cast<int16_t>(rule.ScaleInt(mask.WR));
    mask.WB = static_cast<int16_t>(rule.ScaleInt(mask.WB));
  }
  return AddImageMask(std::move(mask), std::move(cut), {});
}

int32_t TacSkinData::MakeOuterMask(const TacOutEffData& Effect, const std::string& Key,
                                   std::array<int32_t, 4>& DerivedWidths) {
  const auto shadow = MakeShadowTemplate(0, Effect.Radius, 0, true, true, Effect.Blur, Effect.OffsetL + Effect.OffsetR,
                                         Effect.OffsetT + Effect.OffsetB);
  const int32_t w = shadow->Width(), h = shadow->Height();
  DerivedWidths = {(w + Effect.OffsetL - Effect.OffsetR - 1) / 2, (h + Effect.OffsetT - Effect.OffsetB - 1) / 2,
                   (w + Effect.OffsetR - Effect.OffsetL - 1) / 2, (h + Effect.OffsetB - Effect.OffsetT - 1) / 2};
  TsMaskData mask;
  mask.ClassName = s_GlobalInfo;
  mask.PropertyName = Key;
  mask.SkinIndex = GetSkinIndex(s_GlobalInfo);
  mask.ImageCount = 1;
  mask.MaskType = 1;
  mask.DrawMode = dmStretch;
  return AddImageMask(std::move(mask),
                      OuterImage(*shadow, false, Effect.ColorL, Effect.ColorT, Effect.ColorR, Effect.ColorB),
                      "OuterCalc");
}

void TacSkinData::ReadOuterWidths(const TacSkinLoadContext& Context, TacOutEffData& Effect, const char* Prefix,
                                  const std::array<int32_t, 4>& DerivedWidths) {
  // Widths written in the skin follow the resolution; widths taken from a
  // generated image already have its size.
  const TacScaleRule rule = ScaleRule(Context);
  const auto width = [&](const char* key, int32_t derived) {
    const std::string name = std::string(Prefix) + key;
    const int32_t value = LimitSkinValue(name, Context.Options.ReadInteger(s_GlobalInfo, name, -1));
    return value == -1 && derived >= 0 ? derived : rule.ScaleInt(value);
  };
  Effect.WidthL = width("WIDTHL", DerivedWidths[0]);
  Effect.WidthT = width("WIDTHT", DerivedWidths[1]);
  Effect.WidthR = width("WIDTHR", DerivedWidths[2]);
  Effect.WidthB = width("WIDTHB", DerivedWidths[3]);
  if (Effect.Mask >= 0 && Effect.Source == 2) {
    TsMaskData& mask = ma[static_cast<size_t>(Effect.Mask)];
    mask.WL = static_cast<int16_t>(Effect.WidthL);
    mask.WT = static_cast<int16_t>(Effect.WidthT);
    mask.WR = static_cast<int16_t>(Effect.WidthR);
    mask.WB = static_cast<int16_t>(Effect.WidthB);
  }
}

int32_t TacSkinData::AddImageMask(TsMaskData Mask, std::unique_ptr<TacWorkBitmap> Image, const std::string& FileName) {
  if (!TakeImageBytes(*Image)) return -1;
  Mask.R = Image->BoundsRect();
  Mask.Bmp = Image.get();
  Mask.MulPPi = Mask.DivPPI = PPI;
  BmpArray.push_back(TacBmpData{PPI, PPI, Mask.MaskType, Mask.ClassName + "-" + Mask.PropertyName, FileName,
                                std::move(Image), Mask.R, {}, false});
  ma.push_back(std::move(Mask));
  return static_cast<int32_t>(ma.size()) - 1;
}

TacConstElementData TacSkinData::ConstElement(std::initializer_list<const char*> Names) const {
  TacConstElementData element;
  for (const char* name : Names) {
    element.SkinSection = name;
    element.SkinIndex = GetSkinIndex(name);
    if (element.SkinIndex >= 0) break;
  }
  element.MaskIndex = GetMaskIndex(element.SkinIndex, element.SkinSection, "BORDERSMASK");
  element.GlyphIndex = GetMaskIndex(element.SkinIndex, element.SkinSection, "GLYPHMASK");
  element.BGIndex[0] = GetMaskIndex(element.SkinIndex, element.SkinSection, "PATTERN");
  element.BGIndex[1] = GetMaskIndex(element.SkinIndex, element.SkinSection, "HOTPATTERN");
  return element;
}

void TacSkinData::InitConstantIndexes(const TacSkinLoadContext& Context) {
  IndexGlobalInfo = GetSkinIndex(s_GlobalInfo);
  std::vector<std::string> names;
  names.reserve(gd.size());
  for (const TsGeneralData& d : gd) names.push_back(d.ClassName);
  const TacStandardSlots slots = AssignStandardSlots(names);
  Sections = slots.Sections;
  AppendStandardCopies(gd, slots.Copies);

  const auto global = [&](const char* key) { return GetMaskIndex(IndexGlobalInfo, s_GlobalInfo, key); };
  CheckBox = {global("BOXUNCHECKED"), global("BOXCHECKED"), global("BOXGRAYED")};
  SmallCheckBox = {global("SMALLUNCHECKED"), global("SMALLCHECKED"), global("SMALLGRAYED")};
  RadioButton = {global("RADIOUNCHECKED"), global("RADIOCHECKED")};
  ExBorder = Context.ExtBordersMode == ebmShadow ? -1 : global("EXBORDER");
  GripRightBottom = global("GRIPIMAGE");
  GripHorizontal = global("GRIPHORZ");
  GripVertical = global("GRIPVERT");

  MenuItem = ConstElement({"MENUITEM"});
  ComboBtn = ConstElement({"COMBOBTN"});
  ComboBtn.GlyphIndex = GetMaskIndex("COMBOBOX", "GLYPHMASK");
  static constexpr const char* kTabs[4][4] = {
      {"TABLEFTFIRST", "TABTOPFIRST", "TABRIGHTFIRST", "TABBOTTOMFIRST"},
      {"TABLEFTLAST", "TABTOPLAST", "TABRIGHTLAST", "TABBOTTOMLAST"},
      {"TABLEFTMIDDLE", "TABTOPMIDDLE", "TABRIGHTMIDDLE", "TABBOTTOMMIDDLE"},
      {"TABLEFT", "TABTOP", "TABRIGHT", "TABBOTTOM"}};
  for (int layout = 0; layout < 4; ++layout)
    for (int side = 0; side < 4; ++side) Tabs[layout][side] = ConstElement({kTabs[layout][side]});
  Sliders = {ConstElement({"SCROLLSLIDERH"}), ConstElement({"SCROLLSLIDERV"})};

  const int32_t track = GetSkinIndex("TRACKBAR");
  const auto trackMask = [&](const char* key) { return GetMaskIndex(track, "TRACKBAR", key); };
  for (int horizontal = 0; horizontal < 2; ++horizontal) {
    int32_t slider = horizontal ? trackMask("SLIDERMASK") : trackMask("SLIDERVMASK");
    if (slider < 0) slider = trackMask("SLIDERMASK");
    TrackBar[horizontal] = {track,
                            trackMask("BORDERSMASK"),
                            slider,
                            trackMask("PATTERN"),
                            trackMask("HOTPATTERN"),
                            -1,
                            trackMask(horizontal ? "TICKHORZ" : "TICKVERT"),
                            trackMask(horizontal ? "PROGHORZ" : "PROGVERT"),
                            trackMask("SLIDERCHANNEL")};
  }
  static constexpr const char* kScrollBtns[4] = {"SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM"};
  static constexpr const char* kScrolls[4] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
  static constexpr const char* kUpDown[4] = {"UPDOWNBTN_LEFT", "UPDOWNBTN_TOP", "UPDOWNBTNRIGHT", "UPDOWNBTN_BOTTOM"};
  for (int side = 0; side < 4; ++side) {
    ScrollBtns[side] = ConstElement({kScrollBtns[side]});
    Scrolls[side] = ConstElement({kScrolls[side]});
    UpDownBtns[side] = ConstElement({kUpDown[side], "UPDOWNBTN", "BUTTON"});
  }

  for (int i = 0; i < 12; ++i) TitleGlyphs[i] = global(kTitleGlyphKeys[i]);
  TitleGlyphs[12] = -1;
  if (TitleGlyphs[0] < 0) TitleGlyphs[0] = TitleGlyphs[1];
  for (int i = 6; i <= 10; ++i)
    if (TitleGlyphs[i] < 0) TitleGlyphs[i] = TitleGlyphs[i - 5];
  for (int icon = 0; icon < acTitleIconCount; ++icon)
    for (size_t t = 0; t < TitleGlows[icon].size(); ++t)
      TitleGlows[icon][t] = global((std::string(kTitleIcons[icon]) + "GLOW" + std::to_string(t)).c_str());
  if (TitleGlyphs[0] == TitleGlyphs[1]) {
    GlowMargins[0] = GlowMargins[1];
    TitleGlows[0] = TitleGlows[1];
  }
}

void TacSkinData::InitRecordMasks(int32_t r) {
  TsGeneralData& d = gd[static_cast<size_t>(r)];
  const std::string section = d.ClassName;
  if (d.BorderIndex == 0) d.BorderIndex = GetMaskIndex(r, section, "BORDERSMASK");
  d.ImgTL = GetMaskIndex(r, section, "IMGTOPLEFT");
  d.ImgTR = GetMaskIndex(r, section, "IMGTOPRIGHT");
  d.ImgBL = GetMaskIndex(r, section, "IMGBTMLEFT");
  d.ImgBR = GetMaskIndex(r, section, "IMGBTMRIGHT");
  d.OuterMask = d.OuterMode == 0 ? -1 : GetMaskIndex(r, section, "OUTERMASK");
  if (d.OuterMask < 0 && (d.OuterMode == 3 || d.OuterMode == 4)) d.OuterMask = AddOuterImage(r);
  d.Props[0].TextureIndex = GetTextureIndex(r, section, "PATTERN");
  if (d.States > 1) d.Props[1].TextureIndex = GetTextureIndex(r, section, "HOTPATTERN");
  d.Props[2].TextureIndex =
      d.States > 2 && d.UseState2 ? GetTextureIndex(r, section, "PATTERN2") : d.Props[1].TextureIndex;
  if (d.BorderIndex < 0) d.ScrollBorderOffset = d.BorderRadius > 0 ? 0 : d.BorderWidth == 1 ? -1 : d.BorderWidth >= 2 ? -2 : 0;
}

int32_t TacSkinData::AddOuterImage(int32_t r) {
  const TsGeneralData& d = gd[static_cast<size_t>(r)];
  const int32_t left = std::max(0, d.OuterOffset.Left), top = std::max(0, d.OuterOffset.Top);
  const int32_t right = std::max(0, d.OuterOffset.Right), bottom = std::max(0, d.OuterOffset.Bottom);
  const auto shadow =
      MakeShadowTemplate(d.OuterColorL, d.OuterRadius, 0, true, true, d.OuterBlur, left + right, top + bottom);
  const int32_t w = shadow->Width(), h = shadow->Height();
  TsMaskData mask;
  mask.ClassName = d.ClassName;
  mask.PropertyName = "OUTERMASK";
  mask.SkinIndex = r;
  mask.ImageCount = 1;
  mask.MaskType = 1;
  mask.DrawMode = dmStretch;
  mask.ImgType = itisaBorder;
  mask.WL = static_cast<int16_t>((w + left - right) / 2);
  mask.WR = static_cast<int16_t>((w + right - left) / 2);
  mask.WT = static_cast<int16_t>((h + top - bottom) / 2);
  mask.WB = static_cast<int16_t>((h + bottom - top) / 2);
  return AddImageMask(std::move(mask),
                      OuterImage(*shadow, d.OuterMode == 3, d.OuterColorL, d.OuterColorT, d.OuterColorR, d.OuterColorB),
                      "Outer" + std::to_string(ma.size()));
}

void TacSkinData::InitMaskIndexes(const TacSkinLoadContext& Context) {
  for (int32_t r = 0; r < static_cast<int32_t>(gd.size()); ++r)
    if (gd[static_cast<size_t>(r)].ClassName != s_GlobalInfo) InitRecordMasks(r);
  FinishMasks(Context.MasterBitmap);
}

void TacSkinData::InitMaskParams(const TacSkinLoadContext& Context) {
  const TacScaleContext at = MetricContext(Context);
  const std::optional<int> divPPI =
      IsValidImgIndex(ExBorder) ? std::optional<int>(ma[static_cast<size_t>(ExBorder)].DivPPI) : std::nullopt;
  const auto exBorder = [&](const char* key, int32_t def) {
    return ReadScaledMetric(Context.Options, at, key, def, true, divPPI);
  };
  const TacScaleRule rule = ScaleRule(Context);
  ExContentOffs = exBorder("FORMOFFSET", Context.SizingFrameWidth);
  if (Context.ExtBordersMode == ebmShadow) {
    ExBorderWidth = rule.ScaleInt(4);
    ExTitleHeight = ExMaxHeight = rule.ScaleInt(30);
    ExCenterOffs = 0;
    return;
  }
  ExBorderWidth = std::max(1, exBorder("BORDERWIDTH", 4));
  ExTitleHeight = exBorder("TITLEHEIGHT", 30);
  if (ExTitleHeight <= 0) ExTitleHeight = rule.ScaleInt(30);
  ExMaxHeight = exBorder("MAXHEIGHT", 0);
  if (ExMaxHeight <= 0) ExMaxHeight = ExTitleHeight;
  ExCenterOffs = exBorder("CENTEROFFSET", 0);
}

void TacSkinData::CheckShadows(const TacSkinLoadContext& Context) {
  ShdaTemplate.reset();
  ShdiTemplate.reset();
  FormShadowSize = {};
  if (!Context.Active || !Context.ExtendedBorders) return;
  if (IsValidImgIndex(ExBorder) && Context.ExtBordersMode == ebmFull) {
    const TsMaskData& m = ma[static_cast<size_t>(ExBorder)];
    if (ExDrawMode != 0)
      FormShadowSize = {ExContentOffs, ExContentOffs, ExContentOffs, ExContentOffs};
    else
      FormShadowSize = {std::max(0, m.WL - ExContentOffs), std::max(0, m.WT - ExContentOffs),
                        std::max(0, m.WR - ExContentOffs), std::max(0, m.WB - ExContentOffs)};
    const TacWorkBitmap& image = ImageOf(m, Context.MasterBitmap);
    const auto frame = [&](int32_t f) {
      const TRect r{m.R.Left + f * m.Width, m.R.Top, m.R.Left + (f + 1) * m.Width, m.R.Top + m.Height};
      return IsInsideImage(r, image) ? CopyImageArea(image, r) : std::make_unique<TacWorkBitmap>();
    };
    ShdiTemplate = frame(0);
    ShdaTemplate = frame(m.ImageCount > 1 ? 1 : 0);
    return;
  }
  ShdaTemplate = std::make_unique<TacWorkBitmap>();
  ShdaTemplate->Assign(GetActiveShadow());
  ShdiTemplate = std::make_unique<TacWorkBitmap>();
  ShdiTemplate->Assign(GetPassiveShadow());
  FormShadowSize = {WndShadowSize, std::max(0, WndShadowSize - WndShadowOffset), WndShadowSize,
                    std::max(0, WndShadowSize + WndShadowOffset)};
}

void TacSkinData::FlipTitleImages(TacWorkBitmap& Master) {
  std::vector<int32_t> masks;
  for (int icon = 1; icon <= 4; ++icon) {
    masks.push_back(TitleGlyphs[icon]);
    if (!TitleGlows[icon].empty()) masks.push_back(TitleGlows[icon][0]);
  }
  std::vector<std::pair<const TacWorkBitmap*, TRect>> done;
  for (const int32_t index : masks) {
    if (!IsValidImgIndex(index)) continue;
    const TsMaskData& m = ma[static_cast<size_t>(index)];
    TacWorkBitmap* image = &Master;
    if (m.Bmp) {
      const auto owner = std::find_if(BmpArray.begin(), BmpArray.end(),
                                      [&](const TacBmpData& b) { return b.Bmp.get() == m.Bmp; });
      if (owner == BmpArray.end()) continue;
      image = owner->Bmp.get();
    }
    const std::pair<const TacWorkBitmap*, TRect> key{image, m.R};
    const bool seen = std::find(done.begin(), done.end(), key) != done.end();
    if (seen || !IsInsideImage(m.R, *image) || m.Width <= 0) continue;
    done.push_back(key);
    for (int32_t f = 0; f < std::max<int32_t>(1, m.ImageCount); ++f) {
      const int32_t left = m.R.Left + f * m.Width;
      if (left + m.Width > image->Width()) break;
      for (int32_t y = m.R.Top; y < m.R.Top + m.Height && y < image->Height(); ++y) {
        TacPixel* row = image->Row(y) + left;
        std::reverse(row, row + m.Width);
      }
    }
  }
}

const TacWorkBitmap& TacSkinData::GetActiveShadow() {
  if (!rsta)
    rsta = MakeShadowTemplate(WndShadowColorA, WndShadowRadius, WndShadowOffset, true, false, 0, 2 * WndShadowSize,
                              2 * WndShadowSize);
  return *rsta;
}

const TacWorkBitmap& TacSkinData::GetPassiveShadow() {
  if (!rsti)
    rsti = MakeShadowTemplate(WndShadowColorN, WndShadowRadius, WndShadowOffset, true, false, 0, 2 * WndShadowSize,
                              2 * WndShadowSize);
  return *rsti;
}

// The name lookups of one skin data object. Records and masks only grow while
// the object is filled (LoadAllGeneralData and LoadAllMasks start them
// afresh and forget the index), so the index takes in what was appended since
// it was last asked, and starts again should they have shrunk.
struct TacSkinIndex {
  size_t Sections = 0, Masks = 0;
  std::unordered_map<std::string, int32_t> SectionByName;
  // By owner: record index and property name; by class: section and property
  // name. Each keeps the first mask (or texture) appended with that key.
  std::unordered_map<std::string, int32_t> MaskByOwner, MaskByClass, TextureByOwner, TextureByClass;
};

namespace {
// Section and key names hold no line break, so it can join two names.
std::string Key(std::string_view First, std::string_view Second) {
  std::string key(First);
  key += '\n';
  key += Second;
  return key;
}
std::string Key(int32_t Owner, std::string_view Second) { return Key(std::to_string(Owner), Second); }
int32_t Lookup(const std::unordered_map<std::string, int32_t>& Map, const std::string& Key) {
  const auto found = Map.find(Key);
  return found == Map.end() ? -1 : found->second;
}
}  // namespace

TacSkinData::~TacSkinData() = default;

const TacSkinIndex& TacSkinData::Index() const {
  if (!FIndex || FIndex->Sections > gd.size() || FIndex->Masks > ma.size()) FIndex = std::make_unique<TacSkinIndex>();
  TacSkinIndex& index = *FIndex;
  for (; index.Sections < gd.size(); ++index.Sections)
    index.SectionByName.emplace(gd[index.Sections].ClassName, static_cast<int32_t>(index.Sections));
  for (; index.Masks < ma.size(); ++index.Masks) {
    const TsMaskData& m = ma[index.Masks];
    const auto at = static_cast<int32_t>(index.Masks);
    index.MaskByOwner.emplace(Key(m.SkinIndex, m.PropertyName), at);
    index.MaskByClass.emplace(Key(m.ClassName, m.PropertyName), at);
    if (m.ImgType != itisaTexture) continue;
    index.TextureByOwner.emplace(Key(m.SkinIndex, m.PropertyName), at);
    index.TextureByClass.emplace(Key(m.ClassName, m.PropertyName), at);
  }
  return index;
}

int32_t TacSkinData::GetSkinIndex(std::string_view SkinSection) const {
  const auto& byName = Index().SectionByName;
  const auto found = byName.find(std::string(SkinSection));
  return found == byName.end() ? -1 : found->second;
}

template <class Match>
int32_t TacSkinData::WalkParents(int32_t SkinIndex, std::string_view SkinSection, bool StopAtCaller,
                                 Match match) const {
  // Each step moves to a parent; a chain longer than any real skin's is cut,
  // and with it a loop.
  for (int32_t steps = 0; steps <= acMaxParentDepth; ++steps) {
    const int32_t found = match(SkinIndex, SkinSection);
    if (found >= 0 || !IsValidSkinIndex(SkinIndex)) return found;
    const std::string& parent = gd[static_cast<size_t>(SkinIndex)].ParentClass;
    if (parent.empty() || (StopAtCaller && parent == SkinSection)) return -1;
    SkinSection = parent;
    SkinIndex = GetSkinIndex(parent);
  }
  return -1;
}

int32_t TacSkinData::GetMaskIndex(int32_t SkinIndex, std::string_view SkinSection, std::string_view PropName) const {
  if (SkinIndex < 0) return -1;
  return WalkParents(SkinIndex, SkinSection, true, [&](int32_t index, std::string_view) {
    return Lookup(Index().MaskByOwner, Key(index, PropName));
  });
}

int32_t TacSkinData::GetMaskIndex(int32_t SkinIndex, std::string_view PropName) const {
  return WalkParents(SkinIndex, {}, false,
                     [&](int32_t index, std::string_view) { return Lookup(Index().MaskByOwner, Key(index, PropName)); });
}

int32_t TacSkinData::GetMaskIndex(std::string_view SkinSection, std::string_view PropName) const {
  return Lookup(Index().MaskByClass, Key(SkinSection, PropName));
}

int32_t TacSkinData::GetTextureIndex(int32_t SkinIndex, std::string_view SkinSection, std::string_view PropName) const {
  if (ma.empty() || SkinSection.empty()) return -1;
  return WalkParents(SkinIndex, SkinSection, true, [&](int32_t, std::string_view section) {
    return Lookup(Index().TextureByClass, Key(section, PropName));
  });
}

int32_t TacSkinData::GetTextureIndex(int32_t SkinIndex, std::string_view PropName) const {
  return WalkParents(SkinIndex, {}, false, [&](int32_t index, std::string_view) {
    return Lookup(Index().TextureByOwner, Key(index, PropName));
  });
}
