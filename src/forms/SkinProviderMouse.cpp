// The mouse on the painted frame, as far as the close button goes: it
// answers the hit test, lights up under the pointer, shows itself pressed
// while held, and closes the window only when released over it.
#include "forms/SkinProvider.h"
#include "framework/MessageParams.h"

namespace {

POINT MessagePoint(const TMessage& Message) {
  return {static_cast<int16_t>(LOWORD(Message.LParam)), static_cast<int16_t>(HIWORD(Message.LParam))};
}

}  // namespace

// The screen point in frame-bitmap coordinates: without the border window
// the frame bitmap is the window.
TPoint TsSkinProvider::FramePoint(POINT Screen) {
  RECT window{};
  GetWindowRect(Form->Handle(), &window);
  return {Screen.x - window.left, Screen.y - window.top};
}

bool TsSkinProvider::OverCloseButton(POINT Screen) {
  if (ButtonClose.cpState < 0 || ButtonClose.cpRect.IsEmpty()) return false;
  const TPoint p = FramePoint(Screen);
  return ButtonClose.cpRect.Contains(p.X, p.Y);
}

// True when the message was the frame's.
bool TsSkinProvider::FrameMouse(TMessage& Message) {
  if (!NonClientPainted() || BorderWindowLayout() || !Form->HandleAllocated()) return false;
  switch (Message.Msg) {
    case WM_NCHITTEST:
      if (!OverCloseButton(MessagePoint(Message))) return false;
      Message.Result = HTCLOSE;
      return true;
    case WM_NCMOUSEMOVE: {
      // Over the close button it lights up until the pointer leaves the frame or the button.
      const bool over = Message.WParam == HTCLOSE;
      if (!biClicked && (ButtonClose.cpState == 1) != over && ButtonClose.cpState >= 0) {
        RepaintTitleButton(ButtonClose, over ? 1 : 0);
        if (over) {
          TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, Form->Handle(), 0};
          TrackMouseEvent(&track);
        }
      }
      return false;
    }
    case WM_NCMOUSELEAVE:
      if (!biClicked && ButtonClose.cpState == 1) RepaintTitleButton(ButtonClose, 0);
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (Message.WParam != HTCLOSE) return false;
      biClicked = true;
      SetCapture(Form->Handle());
      RepaintTitleButton(ButtonClose, 2);
      Message.Result = 0;
      return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      if (!biClicked) return false;
      POINT screen = MessagePoint(Message);
      ::ClientToScreen(Form->Handle(), &screen);
      const bool over = OverCloseButton(screen);
      if (Message.Msg == WM_MOUSEMOVE) {
        // Dragged off, the button stops looking pressed; back over it, it does again.
        if ((ButtonClose.cpState == 2) != over) RepaintTitleButton(ButtonClose, over ? 2 : 0);
      } else {
        biClicked = false;
        ReleaseCapture();
        RepaintTitleButton(ButtonClose, 0);
        if (over) PostMessageW(Form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      Message.Result = 0;
      return true;
    }
    case WM_CAPTURECHANGED:
      if (biClicked && reinterpret_cast<HWND>(Message.LParam) != Form->Handle()) {
        biClicked = false;
        RepaintTitleButton(ButtonClose, 0);
      }
      return false;
    default:
      return false;
  }
}
