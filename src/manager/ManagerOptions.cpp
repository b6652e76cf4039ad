#include "manager/ManagerOptions.h"

#include "messages/SkinCommand.h"

const std::array<const char*, acThirdListCount> acThirdListNames = {
    "ThirdEdits",       "ThirdButtons",      "ThirdBitBtns",      "ThirdCheckBoxes",  "ThirdComboBoxes",
    "ThirdGrids",       "ThirdGroupBoxes",   "ThirdListViews",    "ThirdPanels",      "ThirdTreeViews",
    "ThirdWWEdits",     "ThirdGridEh",       "ThirdVirtualTrees", "ThirdPageControl", "ThirdTabControl",
    "ThirdToolBar",     "ThirdStatusBar",    "ThirdSpeedButton",  "ThirdScrollControl", "ThirdUpDown",
    "ThirdScrollBar",   "ThirdStaticText",   "ThirdNativePaint"};

const std::string& DefaultThirdList(int Index) {
  // The standard classes of the usual widget libraries, by list.
  static const std::array<std::string, acThirdListCount> defaults = {
      "TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTRichEdit\r\n",
      "TButton\r\n",
      "TBitBtn\r\n",
      "TCheckBox\r\nTRadioButton\r\n",
      "TComboBox\r\nTColorBox\r\n",
      "TStringGrid\r\nTDrawGrid\r\nTDBGrid\r\n",
      "TGroupBox\r\nTRadioGroup\r\n",
      "TListView\r\n",
      "TPanel\r\n",
      "TTreeView\r\n",
      "",
      "",
      "",
      "TPageControl\r\n",
      "TTabControl\r\n",
      "TToolBar\r\n",
      "TStatusBar\r\n",
      "TSpeedButton\r\n",
      "TScrollBox\r\n",
      "TUpDown\r\n",
      "TScrollBar\r\n",
      "TStaticText\r\n",
      ""};
  return defaults.at(static_cast<size_t>(Index));
}

const TIdentTable<TacScaleMode> kScaleModeIdents = {
    {"smVCL", smVCL}, {"smOldMode", smOldMode}, {"smAuto", smAuto}, {"sm100", sm100},
    {"sm125", sm125}, {"sm150", sm150},         {"sm200", sm200},   {"smCustomPPI", smCustomPPI}};

namespace {

// A published field set straight from the definition.
template <class T, class V, class Read>
TPropertyInfo Field(V T::*Member, Read read) {
  return {.Assign = [Member, read](TPersistent& target, const TStoredValue& value,
                                   TComponent&) { dynamic_cast<T&>(target).*Member = read(value); },
          .Object = nullptr};
}

template <class E>
auto Ident(TIdentTable<E> idents) {
  return [idents](const TStoredValue& value) { return StoredIdent(value, idents); };
}

const TIdentTable<TacAnimType> kAnimTypeIdents = {
    {"atFading", TacAnimType::atFading}, {"atAero", TacAnimType::atAero},
    {"atcFade", TacAnimType::atcFade},   {"atcAero", TacAnimType::atcAero}};

bool& OldGlyphsModeFlag() {
  static bool flag = false;
  return flag;
}

}  // namespace

void TacSkinEffects::SetAllowOuterEffects(bool Value) {
  if (FAllowOuterEffects == Value) return;
  FAllowOuterEffects = Value;
  if (!Quiet()) FManager.Repaint(false);
}

void TacSkinEffects::SetDiscoloredGlyphs(bool Value) {
  if (FDiscoloredGlyphs == Value) return;
  FDiscoloredGlyphs = Value;
  if (!Quiet()) FManager.Repaint(false);
}

bool TacButtonsSupport::OldGlyphsMode() { return OldGlyphsModeFlag(); }

void TacButtonsSupport::SetOldGlyphsMode(bool Value) {
  if (OldGlyphsModeFlag() == Value) return;
  OldGlyphsModeFlag() = Value;
  if (!Quiet()) FManager.Repaint(true);
}

void TacScrollBarsSupport::SetButtonsSize(int32_t Value) {
  if (FButtonsSize == Value) return;
  FButtonsSize = Value;
  if (!Quiet()) FManager.Repaint(true);
}

void TacScrollBarsSupport::SetScrollSize(int32_t Value) {
  if (FScrollSize == Value) return;
  FScrollSize = Value;
  if (!FManager.IsLoading()) FManager.Broadcast(SK_SCROLLS_CHANGED, 0);
}

void TacOptions::SetChangeSysColors(bool Value) {
  if (FChangeSysColors == Value) return;
  FChangeSysColors = Value;
  if (!FManager.IsLoading() && FManager.IsDefaultManager() && FManager.HasActiveSkin())
    FManager.SwitchSystemColors(Value);
}

void TacOptions::SetDrawNonClientArea(bool Value) {
  if (FDrawNonClientArea == Value) return;
  FDrawNonClientArea = Value;
  if (!FManager.IsLoading()) FManager.Broadcast(SK_CLIENT_AREA, Value ? 1 : 0);
}

void TacOptions::SetArrowsStyle(TacArrowsStyle Value) {
  if (FArrowsStyle == Value) return;
  FArrowsStyle = Value;
  if (!Quiet() && FManager.HasActiveSkin()) FManager.Reskin(true);
}

void TacOptions::SetGroupBoxStyle(TacGroupBoxStyle Value) {
  if (FGroupBoxStyle == Value) return;
  FGroupBoxStyle = Value;
  if (!Quiet() && FManager.HasActiveSkin()) FManager.Reskin(true);
}

const TClassInfo& TacManagerOptions::StaticClassInfo() {
  static const TClassInfo info("TacManagerOptions", &TPersistent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

const TClassInfo& TacSkinEffects::StaticClassInfo() {
  static const TClassInfo info("TacSkinEffects", &TacManagerOptions::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("AllowGlowing", Field(&TacSkinEffects::AllowGlowing, StoredBoolean));
    c.Add("AllowAnimation", Field(&TacSkinEffects::AllowAnimation, StoredBoolean));
    c.Add("AllowAeroBluring", Field(&TacSkinEffects::AllowAeroBluring, StoredBoolean));
    c.Boolean<TacSkinEffects>("AllowOuterEffects", &TacSkinEffects::SetAllowOuterEffects);
    c.Boolean<TacSkinEffects>("DiscoloredGlyphs", &TacSkinEffects::SetDiscoloredGlyphs);
  });
  return info;
}

const TClassInfo& TacAnimEffect::StaticClassInfo() {
  static const TClassInfo info("TacAnimEffect", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("Active", Field(&TacAnimEffect::Active, StoredBoolean));
    c.Add("Time", Field(&TacAnimEffect::Time, StoredInteger));
    c.Add("Mode", Field(&TacAnimEffect::Mode, Ident(kAnimTypeIdents)));
  });
  return info;
}

const TClassInfo& TacBlendOnMoving::StaticClassInfo() {
  static const TClassInfo info("TacBlendOnMoving", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("Active", Field(&TacBlendOnMoving::Active, StoredBoolean));
    c.Add("BlendValue", Field(&TacBlendOnMoving::BlendValue, StoredInteger));
    c.Add("Time", Field(&TacBlendOnMoving::Time, StoredInteger));
  });
  return info;
}

const TClassInfo& TacBtnEffects::StaticClassInfo() {
  static const TClassInfo info("TacBtnEffects", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    const TIdentTable<TacBtnEvent> events = {{"beMouseEnter", TacBtnEvent::beMouseEnter},
                                             {"beMouseLeave", TacBtnEvent::beMouseLeave},
                                             {"beMouseDown", TacBtnEvent::beMouseDown},
                                             {"beMouseUp", TacBtnEvent::beMouseUp},
                                             {"beClick", TacBtnEvent::beClick},
                                             {"beLighting", TacBtnEvent::beLighting}};
    c.Add("Events", Field(&TacBtnEffects::Events, [events](const TStoredValue& v) { return StoredSet(v, events); }));
    c.Add("LightingMode", Field(&TacBtnEffects::LightingMode,
                                Ident(TIdentTable<TacLightingMode>{{"lmActiveControl", TacLightingMode::lmActiveControl},
                                                                   {"lmAffectNearest", TacLightingMode::lmAffectNearest}})));
    c.Add("ClickEffect", Field(&TacBtnEffects::ClickEffect,
                               Ident(TIdentTable<TacClickEffect>{{"ceNone", TacClickEffect::ceNone},
                                                                 {"ceCircle", TacClickEffect::ceCircle},
                                                                 {"ceWaveOut", TacClickEffect::ceWaveOut},
                                                                 {"ceCircleAndWave", TacClickEffect::ceCircleAndWave}})));
  });
  return info;
}

const TClassInfo& TacAnimEffects::StaticClassInfo() {
  static const TClassInfo info("TacAnimEffects", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    const auto object = [](auto TacAnimEffects::*Member) {
      return TPropertyInfo{.Assign = nullptr, .Object = [Member](TPersistent& target) -> TPersistent* {
                             return &(dynamic_cast<TacAnimEffects&>(target).*Member);
                           }};
    };
    c.Add("BlendOnMoving", object(&TacAnimEffects::BlendOnMoving));
    c.Add("Buttons", object(&TacAnimEffects::Buttons));
    c.Add("DialogShow", object(&TacAnimEffects::DialogShow));
    c.Add("FormShow", object(&TacAnimEffects::FormShow));
    c.Add("FormHide", object(&TacAnimEffects::FormHide));
    c.Add("DialogHide", object(&TacAnimEffects::DialogHide));
    c.Add("Minimizing", object(&TacAnimEffects::Minimizing));
    c.Add("PageChange", object(&TacAnimEffects::PageChange));
    c.Add("SkinChanging", object(&TacAnimEffects::SkinChanging));
  });
  return info;
}

const TClassInfo& TacButtonsSupport::StaticClassInfo() {
  static const TClassInfo info("TacButtonsSupport", &TacManagerOptions::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Boolean<TacButtonsSupport>("OldGlyphsMode", &TacButtonsSupport::SetOldGlyphsMode);
    c.Add("ShowFocusRect", Field(&TacButtonsSupport::ShowFocusRect, StoredBoolean));
    c.Add("ShiftContentOnClick", Field(&TacButtonsSupport::ShiftContentOnClick, StoredBoolean));
    c.Add("AllowRTLSysButtons", Field(&TacButtonsSupport::AllowRTLSysButtons, StoredBoolean));
    const TIdentTable<TacModalButtonColoring> coloring = {{"bcBackground", TacModalButtonColoring::bcBackground},
                                                          {"bcGlyph", TacModalButtonColoring::bcGlyph},
                                                          {"bcText", TacModalButtonColoring::bcText}};
    c.Add("ModalButtonsColoring", Field(&TacButtonsSupport::ModalButtonsColoring,
                                        [coloring](const TStoredValue& v) { return StoredSet(v, coloring); }));
  });
  return info;
}

const TClassInfo& TacLabelsSupport::StaticClassInfo() {
  static const TClassInfo info("TacLabelsSupport", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("TransparentAlways", Field(&TacLabelsSupport::TransparentAlways, StoredBoolean));
  });
  return info;
}

const TClassInfo& TacScrollBarsSupport::StaticClassInfo() {
  static const TClassInfo info("TacScrollBarsSupport", &TacManagerOptions::StaticClassInfo(), nullptr,
                               [](TClassInfo& c) {
                                 c.Integer<TacScrollBarsSupport>("ButtonsSize", &TacScrollBarsSupport::SetButtonsSize);
                                 c.Integer<TacScrollBarsSupport>("ScrollSize", &TacScrollBarsSupport::SetScrollSize);
                               });
  return info;
}

const TClassInfo& TacOptions::StaticClassInfo() {
  static const TClassInfo info("TacOptions", &TacManagerOptions::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("ScaleMode", Field(&TacOptions::ScaleMode, Ident(kScaleModeIdents)));
    c.Add("PixelsPerInch", Field(&TacOptions::PixelsPerInch, StoredInteger));
    c.Boolean<TacOptions>("ChangeSysColors", &TacOptions::SetChangeSysColors);
    c.Add("CheckEmptyAlpha", Field(&TacOptions::CheckEmptyAlpha, StoredBoolean));
    c.Boolean<TacOptions>("DrawNonClientArea", &TacOptions::SetDrawNonClientArea);
    c.Add("NativeBordersMaximized", Field(&TacOptions::NativeBordersMaximized, StoredBoolean));
    c.Add("NoMouseHover", Field(&TacOptions::NoMouseHover, StoredBoolean));
    c.Add("StdGlyphsOrder", Field(&TacOptions::StdGlyphsOrder, StoredBoolean));
    c.Add("StdImgTransparency", Field(&TacOptions::StdImgTransparency, StoredBoolean));
    c.Enum<TacOptions, TacArrowsStyle>("ArrowsStyle", &TacOptions::SetArrowsStyle,
                                       {{"arsSolid1", TacArrowsStyle::arsSolid1},
                                        {"arsLines1", TacArrowsStyle::arsLines1},
                                        {"arsSolid2", TacArrowsStyle::arsSolid2},
                                        {"arsLines2", TacArrowsStyle::arsLines2},
                                        {"arsSolid3", TacArrowsStyle::arsSolid3},
                                        {"arsDefault", TacArrowsStyle::arsDefault}});
    c.Add("OptimizingPriority",
          Field(&TacOptions::OptimizingPriority,
                Ident(TIdentTable<TacOptimizingPriority>{{"opSpeed", TacOptimizingPriority::opSpeed},
                                                         {"opMemory", TacOptimizingPriority::opMemory}})));
    c.Add("RotateArrows", Field(&TacOptions::RotateArrows, StoredBoolean));
    c.Enum<TacOptions, TacGroupBoxStyle>("GroupBoxStyle", &TacOptions::SetGroupBoxStyle,
                                         {{"gsStandard", TacGroupBoxStyle::gsStandard},
                                          {"gsCard", TacGroupBoxStyle::gsCard}});
  });
  return info;
}

const TClassInfo& TacFonts::StaticClassInfo() {
  static const TClassInfo info("TacFonts", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("MainMode", Field(&TacFonts::MainMode, Ident(TIdentTable<TacFontMode>{{"fmDefault", TacFontMode::fmDefault},
                                                                               {"fmFromSkin", TacFontMode::fmFromSkin},
                                                                               {"fmCustom", TacFontMode::fmCustom}})));
    c.Add("MainFont", Field(&TacFonts::MainFont, StoredString));
  });
  return info;
}

const TClassInfo& TacMenuSupport::StaticClassInfo() {
  static const TClassInfo info("TacMenuSupport", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("IcoLineSkin", Field(&TacMenuSupport::IcoLineSkin, StoredString));
    c.Add("UseExtraLine", Field(&TacMenuSupport::UseExtraLine, StoredBoolean));
  });
  return info;
}

const TClassInfo& TsThirdPartyList::StaticClassInfo() {
  static const TClassInfo info("TsThirdPartyList", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    for (size_t i = 0; i < acThirdListCount; ++i)
      c.Add(acThirdListNames[i], {.Assign =
                                      [i](TPersistent& target, const TStoredValue& value, TComponent&) {
                                        dynamic_cast<TsThirdPartyList&>(target).Lists[i] = StoredString(value);
                                      },
                                  .Object = nullptr});
  });
  return info;
}
