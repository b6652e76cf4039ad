#pragma once
#include "framework/WinControl.h"

// A container with bevels and a centred caption.
class TCustomPanel : public TCustomControl {
  DECLARE_CLASS_INFO

 public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut bevel);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut bevel);
  int32_t BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int32_t width);
  int32_t BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int32_t width);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);
  TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
  void SetVerticalAlignment(TVerticalAlignment alignment);

  // The client rectangle inside the border and the bevels: where the caption goes.
  RECT CaptionRect() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  void PaintBevel(RECT& rect, TBevelCut bevel);

  TAlignment FAlignment = TAlignment::taCenter;
  TBevelCut FBevelInner = TBevelCut::bvNone;
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
  int32_t FBevelWidth = 1;
  int32_t FBorderWidth = 0;
  bool FShowCaption = true;
  TVerticalAlignment FVerticalAlignment = TVerticalAlignment::taVerticalCenter;
};

class TPanel : public TCustomPanel {
  DECLARE_CLASS_INFO

 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};
