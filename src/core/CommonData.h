#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/ThreadedTimer.h"
#include "framework/Classes.h"
#include "framework/Control.h"
#include "framework/Messages.h"
#include "graphics/Color.h"
#include "graphics/WorkBitmap.h"
#include "messages/SkinCommand.h"
#include "paint/SkinPaint.h"

class TacSkinData;
struct TacBGQuery;
struct TsGeneralData;
class TsCommonData;
class TsSkinManager;
class TWinControl;

enum TacOuterVisibility { ovNone, ovAlways, ovFocused, ovMouseHovered };
extern const TIdentTable<TacOuterVisibility> kOuterVisibilityIdents;

// How a control's image treats its parent: omForceOpaque draws it opaque on
// composited desktops, omAlphaChannel keeps an alpha channel.
enum TacOpaqueMode { omAuto, omForceOpaque, omAlphaChannel };
extern const TIdentTable<TacOpaqueMode> kOpaqueModeIdents;

// When a control's outer effect (a shadow or outline around it) is shown.
class TacOuterEffects : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  explicit TacOuterEffects(TsCommonData* Owner) : FOwner(Owner) {}
  TacOuterVisibility Visibility() const { return FVisibility; }
  void SetVisibility(TacOuterVisibility Value);
  bool IsShown() const;
  // Repaints the parent's area under the effect and the owner.
  void Invalidate();

  TsCommonData* FOwner;
  TacOuterVisibility FVisibility = ovNone;
};

// Which kind of control owns common skin data; the kind sets below are
// process-wide constants indexed by it.
inline constexpr uint8_t ckEdit = 3;
inline constexpr uint8_t ckPanel = 51;
inline constexpr uint8_t ckButton = 93;
inline constexpr uint8_t ckProvider = 224;

bool KindHasNoMouseHotState(uint8_t Kind);
bool KindHotOnlyWhenEditsHover(uint8_t Kind);
bool KindColorsFollowSection(uint8_t Kind);
bool KindResetsLightOnSkinChange(uint8_t Kind);
bool KindIgnoresMouseForBackground(uint8_t Kind);
// The kinds that name their default section themselves (SK_GET_DEFAULT_INDEX).
bool KindNamesDefaultSection(uint8_t Kind);

// The record of SK_GET_TEXT_SOURCE: which section's font colour a child's
// text takes. Left..Bottom are the child's bounds in the receiver's client
// coordinates.
struct TacTextSourceQuery {
  int32_t State = 0;
  int32_t SkinIndex = -1;
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  TsSkinManager* Manager = nullptr;
};

// CtrlSkinState bits.
inline constexpr uint32_t csPrinting = 0x200;
inline constexpr uint32_t csNotifyPending = 0x400;
inline constexpr uint32_t csInUpdate = 0x800;
inline constexpr uint32_t csFontChanging = 0x2000;
inline constexpr uint32_t csWidthChanged = 0x8000;
inline constexpr uint32_t csHeightChanged = 0x10000;

// The per-control skin binding, reachable from a window through its "ACSDATA"
// property: which section of which manager's skin the control is drawn
// with, its cached image and whether that image is still valid, its state,
// and the handling of skin commands and standard messages that every skinned
// control shares. The controls paint; this decides when they must.
class TsCommonData : public TacSkinCommandTarget {
  DECLARE_CLASS_INFO

 public:
  // Owner is the control (or the form's skin provider) the data belongs to.
  explicit TsCommonData(TObject* Owner = nullptr, bool CreateCacheBmp = false, uint8_t Kind = 0);
  ~TsCommonData() override;
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // Binds the section once the owner has loaded, sets up transparency and
  // applies the section's colours.
  virtual void Loaded(bool UpdateColors = true);

  // Published properties.
  TacOpaqueMode OpaqueMode() const { return FOpaqueMode; }
  void SetOpaqueMode(TacOpaqueMode Value);
  bool CustomColor() const { return FCustomColor; }
  void SetCustomColor(bool Value);
  bool CustomFont() const { return FCustomFont; }
  void SetCustomFont(bool Value);
  // Null: the default manager.
  TsSkinManager* SkinManager() const { return FSkinManager; }
  void SetSkinManager(TsSkinManager* Value);
  const std::string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& Value);
  TacOuterEffects& OuterEffects() { return FOuterEffects; }
  TacPaintBorderData& CustomBorder() { return FCustomBorder; }
  int32_t HUEOffset() const { return FHUEOffset; }
  void SetHUEOffset(int32_t Value);
  int32_t Saturation() const { return FSaturation; }
  void SetSaturation(int32_t Value);
  TColor ColorTone() const { return FColorTone; }
  void SetColorTone(TColor Value);
  // Stored only when it is not the control's default section.
  bool IsSkinSectionStored();

  TsSkinManager* GetSkinManager() const;
  // The skin data to paint with (cached for the owner's resolution).
  TacSkinData* GetCommonSkinData();
  bool Skinned(bool CheckSkinActive = false);
  // The section record of SkinIndex in the skin data, or null.
  const TsGeneralData* Section();

  void BindSection();
  void UpdateIndexes(bool UpdateMain = true);

  // 0 normal, 1 hot (mouse over or focused); the state to paint now.
  int32_t CtrlState() const;
  void UpdateColors(bool Repaint);
  void ApplyStateColors(bool NoLock);
  TColor TextColor(int32_t State, bool ForBackground);
  // Whether text on this control at State shows the section under it: the
  // control's section is too transparent there.
  bool IsTextTransparent(int32_t State);
  // Answers a text source query for this control (SK_GET_TEXT_SOURCE): 1
  // with the section found, -1 or 0 when there is none.
  LRESULT FindTextSource(TacTextSourceQuery& Query);

  // Deferred painting: FUpdating means paint when SK_END_PARENT_UPDATE comes.
  bool GetUpdating();
  bool CheckUpdating(bool Reset = false);
  void BeginUpdate();
  void EndUpdate(bool Repaint = false);
  void Invalidate(bool UpdateNow = false);
  // Ends a running state fade where it stands; the next paint shows the cache.
  void StopAnimation();
  bool IsAnimating() const;
  bool RepaintIfMoved();
  bool DoForceOpaque() const;

  // The answer to a child's SK_GET_BG for this control in State.
  void GetBGInfo(TacBGQuery& Query, int32_t State);
  // The colour a child sees behind it, as RGB.
  TColor GetBGColor(int32_t State);
  // The child's side of SK_PAINT_OUTER: its outer effect into the parent's cache.
  void PaintOuterEffect(const TacBGQuery& Query);

  HWND OwnerHandle() const;
  TWinControl* OwnerWindowed() const;
  void InitCommonProp();
  void RemoveCommonProp();
  void ClearLinks();

  // The shared answer to SM_SKINCOMMAND; false for sub-commands it does not
  // handle (and for SK_PPI_CHANGED after its part, so the control scales too).
  bool CommonSkinCommand(TMessage& Message);
  // The shared handling of standard messages; true where it answers the message.
  bool CommonMessage(TMessage& Message);

  TacSkinData* FCommonSkinData = nullptr;  // not owned; null: look up again
  TacOpaqueMode FOpaqueMode = omAuto;
  TacPaintBorderData FCustomBorder;
  bool FCustomFont = false;
  bool FCustomColor = false;
  std::string FSkinSection;  // upper-cased; empty: the default section
  TsSkinManager* FSkinManager = nullptr;
  TacOuterEffects FOuterEffects;
  int32_t RedrawLockCount = 0;
  TColor FColorTone = clNone;
  TColor SavedColor = clNone;
  TColor SavedFontColor = clNone;
  bool FFocused = false;
  bool FUpdating = false;
  bool HalfVisible = false;
  bool Loading = true;
  bool GlassModeInit = false;
  uint8_t FKind = 0;
  uint8_t TranspMode = 0;
  int32_t GlowID = -1;
  int32_t CircleID = -1;
  int32_t PPIIndex = -1;
  int32_t FHUEOffset = 0;
  int32_t FSaturation = 0;
  int32_t CurrentPPI = 96;
  int32_t FUpdateCount = 0;
  HDC PrintDC = nullptr;
  // The control's finished image at its full size.
  std::unique_ptr<TacWorkBitmap> FCacheBmp;
  // The parent's pixels under the outer effect, restored before it is painted again.
  std::unique_ptr<TacWorkBitmap> FOuterCache;
  HWND FSWHandle = nullptr;
  TObject* FOwnerObject = nullptr;
  uint16_t BGType = 0;
  uint32_t CtrlSkinState = 0;
  bool FMouseAbove = false;
  bool BGChanged = true;
  int32_t SkinIndex = -1;
  // The state fade, made by the first fade and kept with its progress.
  std::unique_ptr<TacThreadedTimer> AnimTimer;
  // Fades leave the client alone while the control has the focus: the
  // system paints it then (an edit with its caret).
  bool FadeSparesFocusedClient = false;

 protected:
  bool OwnerLoading() const;
  bool OwnerDestroying() const;

 private:
  void SetColorShift(int32_t& Field, int32_t Value);
  void UpdateBGType();
  void RemoveEffects();
  void ClearCache();
  void BroadcastToChildren(int Command, int Argument = 0, LPARAM lParam = 0);
  bool RefreshApplies(const TMessage& Message) const;
  LRESULT InitTransparency(LPARAM Param);
  void SkinRemoved();
  void SetOwnerColors(int32_t State, bool& Changed);
  TColor BackgroundColorForText();
  void RedrawOwner(UINT Flags);
  void RefreshParentImage();
  void ApplyFocus(bool Focused);
  bool CacheReady() const;
  bool PrepareCacheNow();
  void AnswerWithCache(TacBGQuery& Query);
  void PassBGQueryOn(TacBGQuery& Query);
  TColor BackgroundColorAnswer();
  LRESULT IsUpdatingAnswer();
  int32_t BackgroundQueryState() const;
};

// Common data of the skinned controls (panel, edit, button).
class TsCtrlSkinData : public TsCommonData {
  DECLARE_CLASS_INFO

 public:
  using TsCommonData::TsCommonData;
  // SK_LIGHT: lets the control repaint its mouse light itself.
  std::function<void(TObject* Sender, int32_t Argument)> OnUpdateLight;
};

// The common skin data behind a window's "ACSDATA" property, or null.
TsCommonData* CommonDataOf(HWND window);
// The common data of a control: what its window's property names, or what it
// answers to SK_GET_SKIN_DATA; null for a control without one.
TsCommonData* CommonDataOf(TControl* control);

// Process-wide switches of the common data.
// Edits take the hot state from the mouse only when this is set; it never is.
inline constexpr bool acEditsMayHover = false;
// Set by a form's skin provider while every control must look its skin data up again.
bool& SkinDataResetRequested();
