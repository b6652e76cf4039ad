#include "framework/GraphicControl.h"

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo(), nullptr, nullptr);
  return info;
}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam) {
    FCanvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
    FCanvas.Font().Assign(Font());
    FCanvas.Brush.Color = Color();
    FCanvas.Brush.Style = TBrushStyle::bsSolid;
    Paint();
    FCanvas.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(message);
}
