#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/Timer.h"
#include "graphics/WorkBitmap.h"

// The fade of one title button: the image of its hot or pressed state is
// laid over the normal one at an opacity that rises or falls every 12 ms.
// The fade only keeps time and opacity; its owner paints each frame.
class TacTitleButtonFade {
 public:
  // Paint puts a frame of a fade to State on screen; OnFullyShown is told at
  // full opacity, so that a pointer that has left the button meanwhile
  // unhighlights it.
  TacTitleButtonFade(std::function<void(int32_t State)> Paint, std::function<void()> OnFullyShown);
  TacTitleButtonFade(const TacTitleButtonFade&) = delete;
  TacTitleButtonFade& operator=(const TacTitleButtonFade&) = delete;

  // Fades Image (the button's new state over the title under it) in over Steps ticks.
  void FadeIn(const TacWorkBitmap& Image, int32_t Steps, int32_t State);
  // Lowers the image shown now to nothing over Steps ticks.
  void FadeOut(int32_t Steps);
  // Ends the fade at once.
  void Stop();

  // The state faded to; -1 once the fade has ended.
  int32_t State() const { return FState; }
  bool Running() const { return FState != -1; }
  // Nothing moves any more: ended, or fully shown until the fade out.
  bool Settled() const { return !FTimer.Enabled(); }
  const TacWorkBitmap& Image() const { return FImage; }
  uint8_t Opacity() const { return static_cast<uint8_t>(FOpacity + 0.5); }
  int32_t Ticks() const { return FTicks; }

 private:
  void Tick();
  void Arm();

  std::function<void(int32_t State)> FPaint;
  std::function<void()> FOnFullyShown;
  TTimer FTimer{nullptr};
  TacWorkBitmap FImage;
  double FOpacity = 0, FStep = 0;
  bool FRising = false;
  int32_t FState = -1;
  int32_t FTicks = 0;
};
