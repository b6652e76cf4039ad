#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "forms/BorderWindow.h"
#include "forms/ProviderParts.h"
#include "forms/SystemMenu.h"
#include "forms/TitleButtonFade.h"
#include "graphics/WorkBitmap.h"
#include "framework/Classes.h"
#include "framework/Form.h"
#include "framework/Strings.h"
#include "manager/ManagerOptions.h"

class TacCtrlAdapter;
class TsSkinManager;

// The form's common skin data: a form's own scroll bars are not skinned, so
// it adds nothing to the data of a control yet.
class TsScrollWndData : public TsCommonData {
  DECLARE_CLASS_INFO

 public:
  using TsCommonData::TsCommonData;
};

enum TacAnimEvent { aeShowing, aeHiding, aeSkinChanging };
enum TsGripMode { gmNone, gmRightBottom };
enum TacResizeMode { rmStandard, rmBorder };

using TacAfterAnimationEvent = std::function<void(TObject* Sender, TacAnimEvent AnimType)>;
using TacSkinItemEvent = std::function<void(TObject* Item, bool& CanBeAdded, std::string& SkinSection)>;

// Skins a form: takes over its window procedure, owns its common skin data
// (section "FORM"), answers its children's background and text questions,
// recolours its plain labels and, with the frame painting, draws its frame.
// It is placed on a form in its definition, or created at run time by the
// attachment hook (CreateRT) for a form that has none.
class TsSkinProvider : public TComponent {
  DECLARE_CLASS_INFO

 public:
  // Owner must be a form; anything else is told off and left unskinned.
  explicit TsSkinProvider(TComponent* Owner);
  ~TsSkinProvider() override;
  // A provider for a form that exists already; it prepares itself on the
  // form's first non-client paint or when the form becomes visible.
  static TsSkinProvider* CreateRT(TCustomForm* Form, bool DoInitRT = true);

  void Loaded() override;
  void Notification(TComponent* Component, TOperation Operation) override;

  // Published properties.
  bool AllowAnimation() const { return FAllowAnimation; }
  void SetAllowAnimation(bool Value) { FAllowAnimation = Value; }
  bool AllowBlendOnMoving() const { return FAllowBlendOnMoving; }
  void SetAllowBlendOnMoving(bool Value) { FAllowBlendOnMoving = Value; }
  bool AllowSkin3rdParty() const { return FAllowSkin3rdParty; }
  void SetAllowSkin3rdParty(bool Value) { FAllowSkin3rdParty = Value; }
  bool MakeSkinMenu() const { return FMakeSkinMenu; }
  void SetMakeSkinMenu(bool Value) { FMakeSkinMenu = Value; }
  bool ScreenSnap() const { return FScreenSnap; }
  void SetScreenSnap(bool Value) { FScreenSnap = Value; }
  int32_t SnapBuffer() const { return FSnapBuffer; }
  void SetSnapBuffer(int32_t Value) { FSnapBuffer = Value; }
  bool DisabledBlured() const { return FDisabledBlured; }
  void SetDisabledBlured(bool Value) { FDisabledBlured = Value; }
  bool AllowExtBorders() const { return FAllowExtBorders; }
  void SetAllowExtBorders(bool Value);
  bool DrawNonClientArea() const { return FDrawNonClientArea; }
  void SetDrawNonClientArea(bool Value);
  bool ShowAppIcon() const { return FShowAppIcon; }
  void SetShowAppIcon(bool Value);
  bool UseGlobalColor() const { return FUseGlobalColor; }
  void SetUseGlobalColor(bool Value);
  bool UWPMode() const { return FUWPMode; }
  void SetUWPMode(bool Value) { FUWPMode = Value; }
  bool DrawClientArea() const { return FDrawClientArea; }
  void SetDrawClientArea(bool Value);
  const std::string& TitleSkin() const { return FTitleSkin; }
  void SetTitleSkin(const std::string& Value);
  const std::string& MenuLineSkin() const { return FMenuLineSkin; }
  void SetMenuLineSkin(const std::string& Value) { FMenuLineSkin = Value; }
  TAlignment CaptionAlignment() const { return FCaptionAlignment; }
  void SetCaptionAlignment(TAlignment Value);
  uint8_t DisabledBlendValue() const { return FDisabledBlendValue; }
  void SetDisabledBlendValue(int32_t Value);
  TColor DisabledBlendColor() const { return FDisabledBlendColor; }
  void SetDisabledBlendColor(TColor Value);
  TsGripMode GripMode() const { return FGripMode; }
  void SetGripMode(TsGripMode Value) { FGripMode = Value; }
  TacAddedTitle& AddedTitle() { return FAddedTitle; }
  TacFormHeader& FormHeader() { return FFormHeader; }
  TStringList& GluedForms() { return FGluedForms; }
  TsScrollWndData& SkinData() { return *FCommonData; }
  TacSysSubMenu& SysSubMenu() { return FSysSubMenu; }
  TsTitleButtons& TitleButtons() { return FTitleButtons; }
  TsTitleIcon& TitleIcon() { return FTitleIcon; }
  TsThirdPartyList& ThirdParty() { return FThirdParty; }
  TacSystemBlur& SystemBlur() { return FSystemBlur; }
  // The title-bar items component (not part of this engine yet); not owned.
  TComponent* TitleBar = nullptr;
  TacAfterAnimationEvent OnAfterAnimation;
  std::function<void(TMessage& Message)> OnExtHitTest;
  TacSkinItemEvent OnSkinItem;

  // Public state.
  TacResizeMode ResizeMode = rmStandard;
  uint32_t FormState = 0;
  TCustomForm* Form = nullptr;
  bool RTInit = false;
  bool RTEmpty = false;
  int32_t FormActive = 1;
  bool BigButtons = false;
  // A title button is held down.
  bool biClicked = false;
  // The hot or pressed element's hit code; -1 after leaving, 0 when cleared.
  int32_t CurrentHT = -1;
  // A right button went down on the title or the icon.
  bool RightPressed = false;
  // A maximised window is held by its title; it comes back to its normal size once dragged.
  bool MaxMoving = false;
  POINT LastMousePos{};
  TsCaptionButton ButtonClose, ButtonMax, ButtonMin, ButtonHelp;
  int32_t FTitleSkinIndex = -1, FCaptionSkinIndex = -1, FHeaderIndex = -1;
  int32_t LockCount = 0;
  bool DoReinit = false;
  bool InAero = false;
  bool MenuChanged = true;
  bool RgnChanged = true;
  std::array<TStringList, acThirdListCount> ThirdLists;
  bool OwnThirdLists = false;

  // Binds the provider to the current skin; does nothing until it can.
  void PrepareForm();
  // Runs a message through the provider's window procedure.
  LRESULT ProcessMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void KillAnimations();
  // The form is skinned through this provider now.
  bool Skinned();
  TsSkinManager* SkinManager() const;
  // Frame metrics, in pixels of the form's resolution: the shadow margins
  // (only with the extended-border window), the border width, the title
  // height, where the client area starts in the frame bitmap, the height of
  // everything above the client, and the frame bitmap's size.
  TRect ShadowSize();
  int32_t BorderWidth();
  int32_t CaptionHeight();
  int32_t OffsetX();
  int32_t OffsetY();
  int32_t HeaderHeight();
  TSize FrameBitmapSize();
  // The system's frame width and caption height for this form.
  int32_t SystemFrameWidth() const;
  int32_t SystemCaptionHeight() const;
  // The form's frame is shown by the border window and laid out for it.
  bool BorderWindowLayout();
  // How far the form window's top-left lies inside the border window's.
  TPoint BorderWindowOffset();
  // The border window while the form has one.
  TacBorderForm* BorderForm() const { return FBorderForm.get(); }
  // Makes, places or frees the border window as the form's state asks.
  void UpdateBorderWindow(bool Redraw);
  // The form's own window shows only its client area; the border window the rest.
  void ClipFormToClient();
  // The frame bitmap must be rebuilt before it is shown.
  bool FrameStale();
  // Counts the changes of the frame bitmap, so that its viewers know when to show it again.
  uint32_t FrameVersion() const { return FFrameVersion; }
  // What a mouse message on the border window means (the border window's
  // messages reach the form through this); false for other messages.
  bool BorderWindowMouse(TMessage& Message);
  // Rebuilds the frame bitmap: borders, title, icon, caption, title buttons
  // and the client background. False when it cannot paint now.
  bool PaintAll();
  // Repaints one title button in State from the saved strip under it; the
  // change fades where the form's frame has layered windows around it.
  void RepaintTitleButton(TsCaptionButton& Button, int32_t State);
  // Paints the button as it stands (a running fade included) into the frame
  // bitmap and copies it to the window.
  void PutTitleButtonOnScreen(TsCaptionButton& Button);
  // The hit code of a point of the frame bitmap, as the border window answers it.
  int32_t ExHitTest(TPoint P);
  // The hit code of a screen point, as the form's own window answers it.
  int32_t FormHitTest(POINT Screen);
  // Opens the window's menu at a screen point.
  void DropSysMenu(POINT Screen);
  // The window's menu, made when the form is prepared.
  TsSystemMenu* SystemMenu() const { return FSystemMenu.get(); }
  // The fade of a title button, or null when none runs.
  const TacTitleButtonFade* TitleButtonFade(int32_t Code) const;
  TRect IconRect() const { return FIconRect; }
  TRect CaptionRect() const { return FCaptionRect; }
  int32_t VCenter = 0;
  int32_t FHeaderHeight = 0;
  TacCtrlAdapter* Adapter() const { return FAdapter.get(); }
  // The provider's window procedure is the form's now.
  bool OwnsWindowProc() const;

  // The provider's place in the form's chain of window procedures.
  struct TacTakeover {
    TsSkinProvider* Provider;
    TWndMethod Saved;
  };

  // Providers of forms skinned now, in the order they were made.
  static const std::vector<TsSkinProvider*>& SkinnedForms();

 protected:
  void AfterConstruction();

 private:
  TsSkinProvider(TComponent* Owner, bool Runtime);
  friend struct TacProviderWndProc;
  void NewWndProc(TMessage& Message);
  void CallOldWndProc(TMessage& Message);
  bool FirstSkinCommand(TMessage& Message);
  bool UnskinnedSkinCommand(TMessage& Message);
  bool SkinnedSkinCommand(TMessage& Message);
  void UnskinnedMessage(TMessage& Message);
  void SkinnedMessage(TMessage& Message);
  void RemoveSkin(TsSkinManager* Manager);
  void SkinLoadedUnskinned(TsSkinManager* Manager);
  void SkinLoadedSkinned(TsSkinManager* Manager);
  void RefreshForm(TMessage& Message);
  void AnswerBackground(TacBGQuery& Query);
  LRESULT TextSourceAnswer(TacTextSourceQuery& Query);
  LRESULT FrameWidthAnswer(LPARAM Param);
  LRESULT DefaultIndexAnswer();
  bool BackgroundVaries();
  void RuntimeInit();
  void ResolveIndexes();
  void SetUpTitleButtons();
  void UpdateSysMenuStyle();
  void ApplyGlobalColor();
  void SetClassBrush(HBRUSH Brush);
  void SetTransitionsOff(bool Off);
  bool NonClientPainted();
  void ScanChildren(TWinControl* From = nullptr);
  void CopyThirdLists();
  bool FormDestroying() const;
  bool Designing() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }
  bool FormLoading() const;
  void PaintClientBackground(HDC DC);
  TacSkinData* FrameSkin();
  bool HasCaption() const;
  bool MaximisedTitleTaller();
  void LayoutTitle();
  void PaintTitle(bool WithSection);
  void PaintIcon();
  void PaintCaption();
  HFONT CaptionFont();
  void PaintFrameBorder(bool WholeFromImage);
  void PaintTitleButtons();
  void PaintTitleButton(const TsCaptionButton& Button);
  void PaintUserGlyph(const TsTitleButton& Button);
  TPoint FramePoint(POINT Screen);
  // The window the pointer is on while it is over the frame.
  HWND FrameWindow() const;
  bool FrameMouse(TMessage& Message);
  void PaintGrip();
  bool CloseEnabled() const;
  bool SysMenuItemEnabled(UINT Command) const;
  bool SysMenuHasItem(UINT Command) const;
  TsCaptionButton* TitleButtonOfCode(int32_t Code);
  int32_t CodeOfButton(const TsCaptionButton& Button) const;
  int32_t TitleElementCode(TPoint P);
  bool GripAt(TPoint P);
  bool Sizeable() const;
  bool OverTitleButton(int32_t Code, POINT Screen);
  void SetHotHT(int32_t Code, bool Repaint = true);
  bool ElementCanAct(int32_t Code);
  void PressHT(int32_t Code);
  void ClearPress();
  void SendSysCommand(WPARAM Command, LPARAM Point = 0);
  void ReleaseHT(POINT Screen);
  POINT IconMenuPoint(bool FromKeyboard);
  void IconPressed();
  bool NcLeftDown(TMessage& Message);
  void MaxMove(POINT Screen);
  bool NcDoubleClick(TMessage& Message);
  bool FadesTitleButtons();
  void FadeTitleButton(TsCaptionButton& Button, int32_t State);
  void TitleButtonFullyShown(int32_t Code);
  void PaintTitleButtonInto(TacWorkBitmap& Target, TPoint At, const TsCaptionButton& Button, int32_t Column);
  void BlendTitleButtonFade(const TsCaptionButton& Button);
  void PaintNonClient();
  void FollowPosition(const WINDOWPOS& Position);
  void MaximisedPlacement(MINMAXINFO& Info);
  void UpdateRegion();
  void RedrawFrame();
  void ReceivePreview(TMessage& Message);

  bool FAllowAnimation = true;
  bool FAllowBlendOnMoving = true;
  bool FAllowSkin3rdParty = true;
  bool FMakeSkinMenu = false;
  bool FScreenSnap = false;
  int32_t FSnapBuffer = 10;
  bool FDisabledBlured = false;
  bool FAllowExtBorders = true;
  bool FDrawNonClientArea = true;
  bool FShowAppIcon = true;
  bool FUseGlobalColor = true;
  bool FUWPMode = false;
  bool FDrawClientArea = true;
  std::string FTitleSkin;
  std::string FMenuLineSkin;
  TAlignment FCaptionAlignment = TAlignment::taLeftJustify;
  uint8_t FDisabledBlendValue = 255;
  TColor FDisabledBlendColor = 0;
  TsGripMode FGripMode = gmNone;
  TacAddedTitle FAddedTitle;
  TacFormHeader FFormHeader;
  TStringList FGluedForms;
  TacSysSubMenu FSysSubMenu;
  TsTitleButtons FTitleButtons;
  TsTitleIcon FTitleIcon;
  TsThirdPartyList FThirdParty;
  TacSystemBlur FSystemBlur;

  std::unique_ptr<TsScrollWndData> FCommonData;
  TWndMethod OldWndProc;
  std::shared_ptr<TacTakeover> FTakeover;
  bool FPreviewMode = false;
  std::unique_ptr<TacCtrlAdapter> FAdapter;
  HWND FStatusBar = nullptr;
  TRect FIconRect;
  TRect FCaptionRect;
  int32_t FButtonsLeft = 0;
  bool FManagerAlignsButtons = false;
  // The title strip under the buttons, and where it lies in the frame bitmap.
  TacWorkBitmap TempBmp;
  TRect FTempRect;
  TacScopedFont FCaptionFont;
  SIZE FWindowSize{};
  int32_t FCaptionFontPPI = 0;
  std::unique_ptr<TacBorderForm> FBorderForm;
  std::unique_ptr<TsSystemMenu> FSystemMenu;
  uint32_t FFrameVersion = 0;
  // The title buttons' fades by hit code, made on first use.
  std::map<int32_t, std::unique_ptr<TacTitleButtonFade>> FTitleFades;
  // Frame adapters of the form's frames, as they announced themselves.
  std::vector<LPARAM> FFrameAdapters;
};
