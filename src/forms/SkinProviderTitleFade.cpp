// Title buttons fade in and out where the form's frame has layered windows
// around it (the border window, glows). Each frame is blended into the frame
// bitmap in place, which looks the same everywhere, also where the system
// shows a separate translucent window without blending it.
#include "core/StateFade.h"
#include "forms/HitCodes.h"
#include "forms/SkinProvider.h"
#include "graphics/BitmapCopy.h"
#include "graphics/BlockCopy.h"
#include "manager/SkinManager.h"

namespace {
constexpr int32_t kTitleFadeSteps = 10;
}  // namespace

bool TsSkinProvider::FadesTitleButtons() {
  TsSkinManager* manager = SkinManager();
  if (!manager || !Form || !Form->HandleAllocated() || Form->Parent()) return false;
  const HWND window = Form->Handle();
  if (IsIconic(window) || !IsWindowVisible(window)) return false;
  return (manager->ExtendedBorders() && FAllowExtBorders) || manager->Effects().AllowGlowing;
}

int32_t TsSkinProvider::CodeOfButton(const TsCaptionButton& Button) const {
  if (&Button == &ButtonClose) return HTCLOSE;
  if (&Button == &ButtonMax) return HTMAXBUTTON;
  if (&Button == &ButtonMin) return HTMINBUTTON;
  if (&Button == &ButtonHelp) return HTHELP;
  for (size_t i = 0; i < FTitleButtons.Count(); ++i)
    if (&FTitleButtons.Button(i).Data == &Button) return acUserButtonCode + static_cast<int32_t>(i);
  return HTNOWHERE;
}

const TacTitleButtonFade* TsSkinProvider::TitleButtonFade(int32_t Code) const {
  const auto it = FTitleFades.find(Code);
  return it == FTitleFades.end() ? nullptr : it->second.get();
}

void TsSkinProvider::FadeTitleButton(TsCaptionButton& Button, int32_t State) {
  const int32_t code = CodeOfButton(Button);
  std::unique_ptr<TacTitleButtonFade>& fade = FTitleFades[code];
  if (!fade)
    fade = std::make_unique<TacTitleButtonFade>(
        [this, code](int32_t state) {
          if (TsCaptionButton* button = TitleButtonOfCode(code)) PutTitleButtonOnScreen(*button);
          NotifyAnimFrame(Form->Handle(), state, FTitleFades[code]->Ticks());
        },
        [this, code] { TitleButtonFullyShown(code); });
  TsSkinManager* manager = SkinManager();
  const int32_t steps = State == 2 || !manager->Effects().AllowAnimation ? 1 : kTitleFadeSteps;
  if (State <= 0) return fade->FadeOut(steps);
  const TRect r = Button.cpRect;
  if (TempBmp.Empty() || r.IsEmpty()) return fade->Stop();
  // The strip under the button with the button's image of the new state on it.
  TacWorkBitmap image(r.Width(), r.Height());
  CopyPixels(image, {0, 0}, TempBmp,
             {r.Left - FTempRect.Left, r.Top - FTempRect.Top, r.Right - FTempRect.Left, r.Bottom - FTempRect.Top});
  PaintTitleButtonInto(image, {0, 0}, Button, State);
  fade->FadeIn(image, steps, State);
}

// The fade's image over the normal button at the fade's opacity.
void TsSkinProvider::BlendTitleButtonFade(const TsCaptionButton& Button) {
  const TacTitleButtonFade* fade = TitleButtonFade(CodeOfButton(Button));
  if (!fade || !fade->Running() || fade->Opacity() == 0) return;
  const TacWorkBitmap& image = fade->Image();
  BlendBitmap(*FCommonData->FCacheBmp, image, 255 - fade->Opacity(), {Button.cpRect.Left, Button.cpRect.Top},
              {0, 0, image.Width() - 1, image.Height() - 1});
}

// At full opacity a pointer that has left the button meanwhile unhighlights it.
void TsSkinProvider::TitleButtonFullyShown(int32_t Code) {
  if (biClicked || CurrentHT != Code) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (!OverTitleButton(Code, cursor)) PostMessageW(Form->Handle(), WM_MOUSELEAVE, 0, 0);
}
