// The pressed fade of a button with the click circle: the pressed image
// spreads from the click point while the button is held; after the release
// the circle goes on growing over the new image and fades away.
#include <algorithm>
#include <climits>
#include <cmath>

#include "core/CommonData.h"
#include "core/StateFade.h"
#include "graphics/WorkBitmapDib.h"

namespace {

struct TacCircle {
  double CenterX, CenterY, Radius;
  int32_t Opacity;  // 0..255
};

// Out := From with To shown inside the circle, its edge one pixel soft.
void PaintCircle(TacWorkBitmap& Out, const TacWorkBitmap& From, const TacWorkBitmap& To, const TacCircle& Circle) {
  const int32_t width = std::min({Out.Width(), From.Width(), To.Width()});
  const int32_t height = std::min({Out.Height(), From.Height(), To.Height()});
  for (int32_t y = 0; y < height; ++y) {
    const TacPixel* from = From.Row(y);
    const TacPixel* to = To.Row(y);
    TacPixel* out = Out.Row(y);
    const double dy = y + 0.5 - Circle.CenterY;
    for (int32_t x = 0; x < width; ++x) {
      const double dx = x + 0.5 - Circle.CenterX;
      const double cover = std::clamp(Circle.Radius - std::sqrt(dx * dx + dy * dy) + 0.5, 0.0, 1.0);
      const uint32_t weight = static_cast<uint32_t>(std::lround(cover * Circle.Opacity));
      TacPixel mixed = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t f = (from[x] >> shift) & 0xFF, t = (to[x] >> shift) & 0xFF;
        mixed |= ((f * (255 - weight) + t * weight) / 255) << shift;
      }
      out[x] = mixed;
    }
  }
}

double FarthestCorner(const TacWorkBitmap& Bitmap, double X, double Y) {
  const double dx = std::max(X, Bitmap.Width() - X), dy = std::max(Y, Bitmap.Height() - Y);
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

bool ClickCircleStep(TsCommonData* Data, int32_t) {
  TacThreadedTimer* timer = Data ? Data->AnimTimer.get() : nullptr;
  const HWND window = Data ? Data->OwnerHandle() : nullptr;
  if (!timer || !window || !timer->BmpFrom || !timer->BmpTo || !Data->FCacheBmp || Data->FCacheBmp->Empty())
    return false;
  const TacWorkBitmap& cache = *Data->FCacheBmp;
  const int32_t width = cache.Width(), height = cache.Height();
  const double quarter = std::nearbyint(std::sqrt(double(width) * width + double(height) * height)) / 4;
  if (timer->ThreadType != 2) {
    // The first step: the circle starts at the click and the fade has no fixed length.
    timer->ThreadType = 2;
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    timer->ClickCenter = {std::clamp<int32_t>(cursor.x, 0, width), std::clamp<int32_t>(cursor.y, 0, height)};
    timer->Iterations = INT_MAX;
    timer->Value = quarter * 3 / 2;
  }
  const double reach = 2.0 * std::max(width, height);
  TacCircle circle{timer->ClickCenter.X + 0.0, timer->ClickCenter.Y + 0.0, timer->Value, 255};
  bool done;
  if (!timer->ClickReleased) {
    timer->Value += (timer->Value - quarter) / 30 + 1;
    // Held down, the circle stops once it covers the button.
    done = timer->Value >= FarthestCorner(cache, circle.CenterX, circle.CenterY);
  } else {
    timer->Value += (reach - timer->Value) / 30 + 1;
    circle.Opacity = static_cast<int32_t>(std::nearbyint(255 * std::max(0.0, reach - timer->Value) / (reach - quarter)));
    circle.Opacity = std::clamp(circle.Opacity, 0, 255);
    done = circle.Opacity == 0;
  }
  circle.Radius = timer->Value;
  TacThreadedTimer::CopyFrom(timer->BmpOut, *timer->BmpFrom, cache.BoundsRect());
  if (done) {
    // The last frame is the image the button now has.
    TacThreadedTimer::CopyFrom(timer->BmpOut, cache, cache.BoundsRect());
  } else {
    PaintCircle(*timer->BmpOut, *timer->BmpFrom, *timer->BmpTo, circle);
  }
  {
    const TacWindowDC dc(window, true);
    GdiFlush();
    BitBlt(dc.Get(), 0, 0, width, height, WorkBitmapDC(*timer->BmpOut), 0, 0, SRCCOPY);
  }
  NotifyAnimFrame(window, timer->ClickReleased ? 1 : 2, timer->Iteration);
  if (!done) return true;
  timer->ThreadType = 0;
  timer->ClickReleased = false;
  timer->BmpTo.reset();
  timer->BmpFrom.reset();
  timer->BmpOut.reset();
  return false;
}

// Turns a held click circle into its release: the circle keeps growing over
// the image of the new state and fades out.
bool ReleaseClickCircle(TsCommonData* Data) {
  TacThreadedTimer* timer = Data ? Data->AnimTimer.get() : nullptr;
  if (!timer || !timer->Enabled() || timer->ThreadType != 2 || timer->ClickReleased || !timer->BmpTo) return false;
  if (Data->FOwnerControl && Data->FOwnerControl->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_PREPARE_CACHE), 0) != 0)
    return false;
  // The circle shows the pressed image over the released one.
  TacThreadedTimer::CopyFrom(timer->BmpFrom, *Data->FCacheBmp, Data->FCacheBmp->BoundsRect());
  timer->ClickReleased = true;
  timer->State = 1;
  return true;
}
