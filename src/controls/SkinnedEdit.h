#pragma once
#include "core/CommonData.h"
#include "framework/Edit.h"
#include "graphics/DisabledLook.h"

// The framework's single-line edit with a skinned frame and background.
// Unfocused, the whole window is its cached image with the text written in
// the skin's colours; focused, the system paints the text area in the
// colours the skin gave the control, and only the frame is the image's.
class TsEdit : public TEdit {
  DECLARE_CLASS_INFO

 public:
  explicit TsEdit(TComponent* Owner);
  ~TsEdit() override;

  TsCtrlSkinData& SkinData() { return FCommonData; }
  TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(TsDisabledKind Value);

  void Loaded() override;
  void WndProc(TMessage& Message) override;

  // The text is empty, so the text hint shows.
  virtual bool ShowTextHint();
  // Paints the whole window's image into the cache; false while it cannot.
  virtual bool PrepareCache();
  virtual void PaintText();
  // Where the text lies in the window.
  TRect TextRect() const;
  // What the unfocused image shows for the text (password characters).
  std::string ShownText();

 private:
  bool HandleSkinCommand(TMessage& Message);
  bool HandleSkinnedMessage(TMessage& Message);
  void PaintWindowFromCache(HDC DC, bool ClientOnly);
  void PaintFrame();
  void RepaintAll();
  // The frame fades to the look of the new focus state.
  void FocusChanged(bool CacheWasValid);

  TsCtrlSkinData FCommonData;
  TsDisabledKind FDisabledKind = dkBlended;
};
