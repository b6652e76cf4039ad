#pragma once
// The option groups hung on the skin manager. Each tells its manager, through
// the manager's link, about the changes that need more than storing the value.
#include <array>
#include <cstdint>
#include <string>

#include "base/Sets.h"
#include "framework/Classes.h"
#include "loader/ManagerScaling.h"
#include "manager/ManagerLink.h"

// A group that belongs to one manager.
class TacManagerOptions : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  explicit TacManagerOptions(const TacManagerLink& Manager) : FManager(Manager) {}

 protected:
  // A change that only stores the value: while loading or while updates are held.
  bool Quiet() const { return FManager.IsLoading() || FManager.HoldsUpdates(); }

  const TacManagerLink& FManager;
};

class TacSkinEffects : public TacManagerOptions {
  DECLARE_CLASS_INFO
 public:
  using TacManagerOptions::TacManagerOptions;
  bool AllowGlowing = true;
  bool AllowAnimation = true;
  bool AllowAeroBluring = true;
  bool AllowOuterEffects() const { return FAllowOuterEffects; }
  void SetAllowOuterEffects(bool Value);
  bool DiscoloredGlyphs() const { return FDiscoloredGlyphs; }
  void SetDiscoloredGlyphs(bool Value);

 private:
  bool FAllowOuterEffects = true;
  bool FDiscoloredGlyphs = false;
};

enum class TacAnimType { atFading, atAero, atcFade, atcAero };
enum class TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp, beClick, beLighting };
using TacBtnEvents = TSet<TacBtnEvent>;
enum class TacLightingMode { lmActiveControl, lmAffectNearest };
enum class TacClickEffect { ceNone, ceCircle, ceWaveOut, ceCircleAndWave };

// One animation: whether it runs, how long, and how.
class TacAnimEffect : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  TacAnimEffect(bool active, int32_t time, TacAnimType mode) : Active(active), Time(time), Mode(mode) {}
  bool Active;
  int32_t Time;
  TacAnimType Mode;
};

class TacBlendOnMoving : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  bool Active = false;
  int32_t BlendValue = 170;
  int32_t Time = 1000;
};

class TacBtnEffects : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  TacBtnEvents Events{TacBtnEvent::beMouseEnter, TacBtnEvent::beMouseLeave, TacBtnEvent::beMouseDown,
                      TacBtnEvent::beMouseUp};
  TacLightingMode LightingMode = TacLightingMode::lmActiveControl;
  TacClickEffect ClickEffect = TacClickEffect::ceCircle;
};

class TacAnimEffects : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  TacBlendOnMoving BlendOnMoving;
  TacBtnEffects Buttons;
  TacAnimEffect DialogShow{true, 0, TacAnimType::atAero};
  TacAnimEffect FormShow{true, 0, TacAnimType::atAero};
  TacAnimEffect FormHide{true, 0, TacAnimType::atAero};
  TacAnimEffect DialogHide{true, 0, TacAnimType::atAero};
  TacAnimEffect Minimizing{true, 80, TacAnimType::atAero};
  TacAnimEffect PageChange{true, 0, TacAnimType::atcFade};
  TacAnimEffect SkinChanging{true, 100, TacAnimType::atFading};
};

enum class TacModalButtonColoring { bcBackground, bcGlyph, bcText };
using TacModalButtonsColoring = TSet<TacModalButtonColoring>;

class TacButtonsSupport : public TacManagerOptions {
  DECLARE_CLASS_INFO
 public:
  using TacManagerOptions::TacManagerOptions;
  // Shared by every manager of the process.
  static bool OldGlyphsMode();
  void SetOldGlyphsMode(bool Value);
  bool ShowFocusRect = false;
  bool ShiftContentOnClick = true;
  bool AllowRTLSysButtons = true;
  TacModalButtonsColoring ModalButtonsColoring{TacModalButtonColoring::bcGlyph};
};

class TacLabelsSupport : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  bool TransparentAlways = true;
};

class TacScrollBarsSupport : public TacManagerOptions {
  DECLARE_CLASS_INFO
 public:
  using TacManagerOptions::TacManagerOptions;
  int32_t ButtonsSize() const { return FButtonsSize; }
  void SetButtonsSize(int32_t Value);
  int32_t ScrollSize() const { return FScrollSize; }
  void SetScrollSize(int32_t Value);

 private:
  int32_t FButtonsSize = -1;  // -1: from the skin or the system
  int32_t FScrollSize = -1;
};

enum class TacArrowsStyle { arsSolid1, arsLines1, arsSolid2, arsLines2, arsSolid3, arsDefault };
enum class TacOptimizingPriority { opSpeed, opMemory };
enum class TacGroupBoxStyle { gsStandard, gsCard };

class TacOptions : public TacManagerOptions {
  DECLARE_CLASS_INFO
 public:
  using TacManagerOptions::TacManagerOptions;
  TacScaleMode ScaleMode = smVCL;
  int32_t PixelsPerInch = 96;
  bool ChangeSysColors() const { return FChangeSysColors; }
  void SetChangeSysColors(bool Value);
  bool CheckEmptyAlpha = false;
  bool DrawNonClientArea() const { return FDrawNonClientArea; }
  void SetDrawNonClientArea(bool Value);
  bool NativeBordersMaximized = false;
  bool NoMouseHover = false;
  bool StdGlyphsOrder = false;
  bool StdImgTransparency = false;
  TacArrowsStyle ArrowsStyle() const { return FArrowsStyle; }
  void SetArrowsStyle(TacArrowsStyle Value);
  TacOptimizingPriority OptimizingPriority = TacOptimizingPriority::opSpeed;
  bool RotateArrows = false;
  TacGroupBoxStyle GroupBoxStyle() const { return FGroupBoxStyle; }
  void SetGroupBoxStyle(TacGroupBoxStyle Value);

 private:
  bool FChangeSysColors = false;
  bool FDrawNonClientArea = true;
  TacArrowsStyle FArrowsStyle = TacArrowsStyle::arsDefault;
  TacGroupBoxStyle FGroupBoxStyle = TacGroupBoxStyle::gsStandard;
};

enum class TacFontMode { fmDefault, fmFromSkin, fmCustom };

class TacFonts : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  TacFontMode MainMode = TacFontMode::fmDefault;
  std::string MainFont;
};

class TacMenuSupport : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  std::string IcoLineSkin;
  bool UseExtraLine = false;
};

inline constexpr int acThirdListCount = 23;
extern const std::array<const char*, acThirdListCount> acThirdListNames;

// The class names of foreign controls skinned like the engine's own, one per line.
class TsThirdPartyList : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  std::array<std::string, acThirdListCount> Lists;
};
// The list used when a stored list is empty.
const std::string& DefaultThirdList(int Index);

// Names of the manager's enumerations in stored definitions.
extern const TIdentTable<TacScaleMode> kScaleModeIdents;
