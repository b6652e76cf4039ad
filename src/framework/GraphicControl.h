#pragma once
#include "framework/Canvas.h"
#include "framework/Control.h"

// A control without a window of its own: its parent paints it (WM_PAINT with
// the parent's device context, origin moved to the control) and passes the
// mouse on to it.
class TGraphicControl : public TControl {
  DECLARE_CLASS_INFO

 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  TCanvas& Canvas() { return FCanvas; }
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  TCanvas FCanvas;
};
