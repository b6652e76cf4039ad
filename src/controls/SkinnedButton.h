#pragma once
#include <functional>

#include "core/CommonData.h"
#include "core/StateFade.h"
#include "framework/Button.h"
#include "graphics/DisabledLook.h"

struct TsMaskData;

// Whether Point of a control of the given size lies on a transparent corner
// pixel of a border image with a bitmap of its own (key colour with bit 0 of
// Cfg, else alpha 0). Points outside the image, as when its margins are wider
// than it, are not transparent.
bool BorderCornerIsTransparent(const TsMaskData& Mask, int32_t Width, int32_t Height, POINT Point);

using TacGetColoringEvent = std::function<void(TObject* Sender, int32_t State, TacColoring& Coloring)>;

// The framework's push button drawn entirely by the skin: every paint copies
// its cached image of the section in the current state with the caption.
class TsButton : public TButton {
  DECLARE_CLASS_INFO

 public:
  explicit TsButton(TComponent* Owner);
  ~TsButton() override;

  TsCtrlSkinData& SkinData() { return FCommonData; }
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool Value);
  int32_t FocusMargin() const { return FFocusMargin; }
  void SetFocusMargin(int32_t Value) { FFocusMargin = Value; }
  int32_t ContentMargin() const { return FContentMargin; }
  void SetContentMargin(int32_t Value);
  TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(TsDisabledKind Value);
  void SetOnGetColoring(TacGetColoringEvent Handler) { FOnGetColoring = std::move(Handler); }
  const TacAnimatEvents& AnimatEvents() const { return FAnimatEvents; }
  void SetAnimatEvents(TacAnimatEvents Value) { FAnimatEvents = Value; }

  void Loaded() override;
  void WndProc(TMessage& Message) override;
  void Click() override;

  // 0 normal, 1 hot or focused, 2 pressed, 3 default.
  virtual int32_t CurrentState();
  // The section's image state for CurrentState.
  int32_t PaintedState();
  // Paints the whole image into the cache; false while it cannot.
  bool PrepareCache();
  TacColoring Coloring(int32_t State);
  // Where the caption is written for State.
  TRect CaptionRect(TCanvas& Canvas, int32_t State, UINT Flags);

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  UINT TextFlags();
  bool HandleSkinCommand(TMessage& Message);
  bool HandleSkinnedMessage(TMessage& Message);
  bool CornerIsTransparent(POINT Point);
  void PaintTo(HDC DC);
  void Repaint();
  bool Animates(TacAnimatEvent Event);
  bool ClickCircleWanted();
  void MouseEnterLeave(bool Entering);
  void Press();
  void Release(TMessage& Message);
  // A focus change while a fade runs: the fade goes on toward the new cache.
  void RetargetFade();

  TsCtrlSkinData FCommonData;
  bool FDown = false;
  bool FShowFocus = true;
  bool FMouseClicked = false;
  int32_t FFocusMargin = 1;
  int32_t FContentMargin = 6;
  TsDisabledKind FDisabledKind = dkBlended;
  TacAnimatEvents FAnimatEvents{TacAnimatEvent::aeGlobalDef};
  TacGetColoringEvent FOnGetColoring;
};
