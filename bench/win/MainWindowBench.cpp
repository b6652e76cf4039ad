// The main window from its stored definition: rebuilding each skinned
// control's cache, one full repaint of the client area while every cache is
// valid, rebuilding the frame bitmap and repainting its close button alone,
// each next to a plain copy of the same pixels in the same run.
// Prints the median of several repetitions in microseconds per operation.
#include <windows.h>

#include <cstdio>
#include <exception>

#include "BenchTiming.h"
#include "app/Unit1.h"
#include "forms/SkinProvider.h"
#include "messages/SkinCommand.h"
#include "base/WinHandles.h"
#include "framework/Application.h"
#include "graphics/BlockCopy.h"
#include "graphics/WorkBitmap.h"

namespace {

// A cache rebuild against CopyPixels of as many pixels.
template <class Control>
void ReportCache(const char* name, Control& control) {
  TsCtrlSkinData& data = control.SkinData();
  const TacWorkBitmap source(control.Width(), control.Height());
  TacWorkBitmap copy(control.Width(), control.Height());
  const double plain = Median([&] { CopyPixels(copy, {0, 0}, source, source.BoundsRect()); });
  const double rebuild = Median(
      [&] {
        data.BGChanged = true;
        control.PrepareCache();
      },
      500);
  std::printf("%s %d x %d\n", name, control.Width(), control.Height());
  Report("  CopyPixels of the same pixels", plain, plain);
  Report("  Rebuild the cache", rebuild, plain);
}

bool CachesValid(TForm1& form) {
  return !form.sPanel1->SkinData().BGChanged && !form.sEdit1->SkinData().BGChanged &&
         !form.sButton1->SkinData().BGChanged;
}

}  // namespace

int main() {
  try {
    TForm1 form(nullptr);
    form.Show();
    Application().ProcessMessages();
    ReportCache("Panel", *form.sPanel1);
    ReportCache("Edit", *form.sEdit1);
    ReportCache("Button", *form.sButton1);

    const RECT client = form.ClientRect();
    const TacWindowDC windowDC(form.Handle());
    const TacMemoryDC memoryDC(CreateCompatibleDC(windowDC.Get()));
    const TacScopedBitmap pixels(CreateCompatibleBitmap(windowDC.Get(), client.right, client.bottom));
    const TacSelectedObject selected(memoryDC.Get(), pixels.Get());
    const double blit = Median([&] {
      BitBlt(windowDC.Get(), 0, 0, client.right, client.bottom, memoryDC.Get(), 0, 0, SRCCOPY);
    });
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (!CachesValid(form)) {
      std::fprintf(stderr, "a cache is still stale after a repaint\n");
      return 1;
    }
    const double repaint = Median(
        [&] {
          RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        },
        500);
    if (!CachesValid(form)) {
      std::fprintf(stderr, "a repaint made a cache stale: it measured rebuilds\n");
      return 1;
    }
    std::printf("Client area %ld x %ld, every cache valid\n", client.right, client.bottom);
    Report("  BitBlt of the same pixels", blit, blit);
    Report("  Repaint window and children", repaint, blit);
    // Under Wine every focus, property and text query is a round trip to its
    // server; this one sets the scale for the figures above.
    const double focus = Median([] { (void)GetFocus(); });
    Report("GetFocus, one system query", focus, blit);

    // The frame bitmap the border window shows.
    auto* provider = reinterpret_cast<TsSkinProvider*>(form.Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)));
    if (!provider || !provider->PaintAll()) {
      std::fprintf(stderr, "the main window's frame could not be painted\n");
      return 1;
    }
    const TacWorkBitmap& frame = *provider->SkinData().FCacheBmp;
    TacWorkBitmap frameCopy(frame.Width(), frame.Height());
    const double copyFrame = Median([&] { CopyPixels(frameCopy, {0, 0}, frame, frame.BoundsRect()); });
    const double paintAll = Median(
        [&] {
          provider->SkinData().BGChanged = true;
          provider->PaintAll();
        },
        200);
    const TRect close = provider->ButtonClose.cpRect;
    TacWorkBitmap buttonCopy(close.Width(), close.Height());
    const double copyButton = Median([&] { CopyPixels(buttonCopy, {0, 0}, frame, close); });
    const double repaintButton = Median([&] { provider->PutTitleButtonOnScreen(provider->ButtonClose); });
    std::printf("Frame bitmap %d x %d\n", frame.Width(), frame.Height());
    Report("  CopyPixels of the same pixels", copyFrame, copyFrame);
    Report("  PaintAll (a full frame rebuild)", paintAll, copyFrame);
    std::printf("Close button %d x %d\n", close.Width(), close.Height());
    Report("  CopyPixels of the same pixels", copyButton, copyButton);
    Report("  Repaint it alone", repaintButton, copyButton);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
