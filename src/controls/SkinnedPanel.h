#pragma once
#include <functional>
#include <vector>

#include "core/CommonData.h"
#include "framework/Panel.h"
#include "skin/SkinData.h"

class TCanvas;
class TsCustomPanel;

enum class TacSideShadowMode { ssmNone, ssmInternal };

// An optional inner shadow along one side of a panel.
class TacSideShadow : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  explicit TacSideShadow(TsCustomPanel* Owner) : FOwner(Owner) {}

  TacSideShadowMode Mode() const { return FMode; }
  void SetMode(TacSideShadowMode Value);
  TacSide Side() const { return FSide; }
  void SetSide(TacSide Value);
  int32_t ShadowSize() const { return FShadowSize; }
  void SetShadowSize(int32_t Value);
  int32_t Blend() const { return FBlend; }
  void SetBlend(int32_t Value);

 private:
  void Changed();

  TsCustomPanel* FOwner;
  TacSideShadowMode FMode = TacSideShadowMode::ssmNone;
  TacSide FSide = asRight;
  int32_t FShadowSize = 6;
  int32_t FBlend = 48;
};

using TPaintEvent = std::function<void(TObject* Sender, TCanvas& Canvas)>;

// The framework's panel drawn by the skin: its whole area comes from its
// cached image, which also serves its children as their background.
class TsCustomPanel : public TCustomPanel {
  DECLARE_CLASS_INFO

 public:
  explicit TsCustomPanel(TComponent* Owner);
  ~TsCustomPanel() override;

  TsCtrlSkinData& SkinData() { return FCommonData; }
  TacSideShadow& SideShadow() { return FSideShadow; }
  bool TransparentForMouse() const { return FTransparentForMouse; }
  void SetTransparentForMouse(bool Value) { FTransparentForMouse = Value; }
  void SetOnPaint(TPaintEvent Handler) { FOnPaint = std::move(Handler); }

  void Loaded() override;
  void WndProc(TMessage& Message) override;

  // Paints the whole image into the cache; false while the parent's image is
  // not ready (the panel waits for SK_END_PARENT_UPDATE).
  virtual bool PrepareCache();
  // Copies the image into DC and paints the graphic children over it; with
  // PassOn the children hear that the parent's image is ready.
  virtual void PaintPanel(HDC DC, bool PassOn);
  virtual void WriteText(TRect Rect, TCanvas& Canvas);

  // The section named by the outer bevel, for an empty SkinSection.
  const char* DefaultSection() const;
  // Drops the side-shadow image and repaints the panel with its children.
  void SideShadowChanged();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  bool HandleSkinCommand(TMessage& Message);
  bool HandleSkinnedMessage(TMessage& Message);
  void PaintCustomColor(HDC DC);
  void ApplySideShadow();
  void TellChildrenParentReady();
  void PaintNow();

  TsCtrlSkinData FCommonData;
  TacSideShadow FSideShadow;
  bool FTransparentForMouse = false;
  TBevelCut FOldBevel = TBevelCut::bvRaised;
  TPaintEvent FOnPaint;
  // Opacity of the side shadow per pixel from the side inwards.
  std::vector<uint8_t> FShadowRamp;
};

class TsPanel : public TsCustomPanel {
  DECLARE_CLASS_INFO

 public:
  explicit TsPanel(TComponent* Owner) : TsCustomPanel(Owner) {}
};
