#include "framework/GraphicControl.h"

#include "framework/MessageParams.h"

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo(), nullptr, nullptr);
  return info;
}

void TGraphicControl::WndProc(TMessage& message) {
  if (HDC dc = MessageDC(message); message.Msg == WM_PAINT && dc) {
    FCanvas.SetHandle(dc);
    FCanvas.Font().Assign(Font());
    FCanvas.Brush.Color = Color();
    FCanvas.Brush.Style = TBrushStyle::bsSolid;
    Paint();
    FCanvas.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(message);
}
