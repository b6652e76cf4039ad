// The main window in motion and at rest: one frame of the copy button's
// fade (a blend of its two 252 x 23 images and the copy to its window) next
// to a plain copy of the same pixels; one frame of the close button's fade,
// which gives the border window its whole image again, next to a copy of
// that image; and what ten idle seconds of the shown window cost: processor
// time and timer messages.
#include <windows.h>

#include <cstdio>
#include <exception>

#include "BenchTiming.h"
#include "app/Unit1.h"
#include "base/WinHandles.h"
#include "core/StateFade.h"
#include "forms/SkinProvider.h"
#include "graphics/BlockCopy.h"
#include "messages/SkinCommand.h"
#include "framework/Application.h"
#include "graphics/WorkBitmapDib.h"

namespace {

double ProcessSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto seconds = [](FILETIME t) {
    return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Runs the message loop for Seconds, counting the timer messages it dispatches.
int IdleTimerMessages(double Seconds) {
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  int timers = 0;
  for (;;) {
    QueryPerformanceCounter(&now);
    const double left = Seconds - ::Seconds(start, now);
    if (left <= 0) return timers;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left * 1000) + 1, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_TIMER) ++timers;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

}  // namespace

int main() {
  try {
    TForm1 form(nullptr);
    form.Show();
    Application().ProcessMessages();
    TsButton& button = *form.sButton1;
    TsCtrlSkinData& data = button.SkinData();

    // A fade to hot, held at its first step so that every call paints a whole frame.
    button.Perform(CM_MOUSEENTER, 0, 0);
    if (!data.AnimTimer || !data.AnimTimer->BmpOut) {
      std::fprintf(stderr, "the button did not start a fade\n");
      return 1;
    }
    TacThreadedTimer& timer = *data.AnimTimer;
    const TacWorkBitmap& cache = *data.FCacheBmp;
    const TacWindowDC dc(button.Handle(), true);
    const double copy = Median([&] {
      BitBlt(dc.Get(), 0, 0, cache.Width(), cache.Height(), WorkBitmapDC(cache), 0, 0, SRCCOPY);
    });
    const double frame = Median([&] {
      timer.Iteration = 1;
      timer.Glow = 0;
      FadeStep(&data, 1);
    });
    std::printf("Button fade frame %d x %d\n", cache.Width(), cache.Height());
    Report("  BitBlt of the same pixels", copy, copy);
    Report("  One fade frame (blend and copy)", frame, copy);
    button.Perform(CM_MOUSELEAVE, 0, 0);

    auto* provider = reinterpret_cast<TsSkinProvider*>(form.Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)));
    if (!provider || !provider->BorderForm()) {
      std::fprintf(stderr, "the main window has no border window\n");
      return 1;
    }
    const TacWorkBitmap& frameImage = *provider->SkinData().FCacheBmp;
    TacWorkBitmap frameCopy(frameImage.Width(), frameImage.Height());
    const double copyFrame = Median([&] { CopyPixels(frameCopy, {0, 0}, frameImage, frameImage.BoundsRect()); });
    const double closeFrame = Median([&] { provider->PutTitleButtonOnScreen(provider->ButtonClose); }, 500);
    std::printf("Close button fade frame (border window %d x %d)\n", frameImage.Width(), frameImage.Height());
    Report("  CopyPixels of the frame image", copyFrame, copyFrame);
    Report("  One fade frame (button and new image)", closeFrame, copyFrame);
    IdleTimerMessages(1);

    const double before = ProcessSeconds();
    const int timers = IdleTimerMessages(10);
    const double used = ProcessSeconds() - before;
    std::printf("Ten idle seconds of the shown window\n");
    std::printf("  %-38s %9.3f s\n", "processor time", used);
    std::printf("  %-38s %9d\n", "timer messages", timers);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
