// Rebuilding a skinned control's cache over its parent's image, and writing a
// caption into it, each next to a plain copy of the same pixels in the same
// run. Prints the median of several repetitions in microseconds per operation.
#include <windows.h>

#include <cstdio>

#include "BenchTiming.h"
#include "TestSkinned.h"
#include "base/WinHandles.h"
#include "core/SkinText.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Form.h"
#include "graphics/BlockCopy.h"
#include "graphics/WorkBitmapDib.h"

int main() {
  const auto manager = MakeFixtureManager();
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 120);
  auto* panel = new TestSkinned(&form, ckPanel, "", {0, 0, 270, 100});
  panel->Data.SetSkinSection(kGradientPanel);
  auto* button = new TestSkinned(panel, ckButton, "BUTTON", {4, 41, 256, 64});
  // Shown, as a control in use is: its skin data is cached then.
  form.Show();
  Application().ProcessMessages();
  if (!panel->PrepareCache() || !button->PrepareCache()) {
    std::fprintf(stderr, "the fixture's caches could not be painted\n");
    return 1;
  }
  const TacWorkBitmap& parent = *panel->Data.FCacheBmp;
  TacWorkBitmap& cache = *button->Data.FCacheBmp;
  TacWorkBitmap copy(cache.Width(), cache.Height());
  const TRect under{4, 41, 256, 64};

  const double copyPixels = Median([&] { CopyPixels(copy, {0, 0}, parent, under); });
  const double rebuild = Median([&] {
    button->Data.BGChanged = true;
    button->PrepareCache();
  });
  const double blit = Median([&] {
    BitBlt(WorkBitmapDC(copy), 0, 0, copy.Width(), copy.Height(), WorkBitmapDC(parent), under.Left, under.Top, SRCCOPY);
  });
  TCanvas canvas;
  canvas.SetHandle(WorkBitmapDC(cache));
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetHeight(-11);
  const TRect text = cache.BoundsRect();
  const double caption = Median([&] {
    WriteControlText(canvas, "Copy to clipboard", true, true, 0, button->Data, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                     text);
  });
  const double alphaCaption = Median(
      [&] {
        WriteControlText(canvas, "Copy to clipboard", true, true, 0, button->Data,
                         DT_CENTER | DT_VCENTER | DT_SINGLELINE | acAlphaTextFlag, text);
      },
      200);
  canvas.SetHandle(nullptr);

  std::printf("BUTTON %d x %d over a %d x %d gradient panel\n", cache.Width(), cache.Height(), parent.Width(),
              parent.Height());
  Report("CopyPixels of the same pixels", copyPixels, copyPixels);
  Report("Rebuild the cache", rebuild, copyPixels);
  Report("BitBlt of the same pixels", blit, blit);
  Report("Write a one-line caption", caption, blit);
  Report("Write it anti-aliased (alpha)", alphaCaption, blit);
  return 0;
}
