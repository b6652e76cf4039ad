// Writes the main window, as a person would see it over a neutral backdrop,
// to PNG files in a folder: the image the border window shows (the frame
// with its outer shadow), and the client area with the child controls
// painted by themselves.
//   snapshot OUTDIR [PPI]
// Files: window-PPI-LOOK.png for PPI 96, 120, 144, 192 (or the one given) and LOOK active,
// inactive, button-hot, button-pressed, button-disabled.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "PngWrite.h"
#include "app/Unit1.h"
#include "base/ErrorBox.h"
#include "core/LayeredWindowApi.h"
#include "forms/SkinProvider.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "graphics/WorkBitmap.h"
#include "messages/SkinCommand.h"

namespace {

constexpr int32_t kMargin = 16;
constexpr TacPixel kBackdrop = 0xFFC8C8C8u;

// Pixels outside the picture are dropped.
void Put(TacWorkBitmap& image, int32_t x, int32_t y, TacPixel pixel) {
  if (x >= 0 && y >= 0 && x < image.Width() && y < image.Height()) image.SetPixel(x, y, pixel);
}

// A premultiplied pixel over an opaque one, as the desktop composes a layered window.
TacPixel Over(TacPixel top, TacPixel under) {
  const uint32_t a = Alpha(top);
  const auto mix = [a](uint32_t t, uint32_t u) { return std::min<uint32_t>(255, t + (u * (255 - a) + 127) / 255); };
  return MakePixel(mix(Red(top), Red(under)), mix(Green(top), Green(under)), mix(Blue(top), Blue(under)), 255);
}

// The last image given to a layered window, as the system got it.
TacWorkBitmap& ShownImage() {
  static TacWorkBitmap image;
  return image;
}

BOOL WINAPI RecordLayeredImage(HWND window, HDC screen, POINT* at, SIZE* size, HDC source, POINT* from, COLORREF key,
                               BLENDFUNCTION* blend, DWORD flags) {
  if (size && !ReadLayeredSource(source, *size, ShownImage())) ShownImage().SetSize(0, 0);
  const TUpdateLayeredWindowProc system = SystemUpdateLayeredWindowProc();
  return system ? system(window, screen, at, size, source, from, key, blend, flags) : TRUE;
}

// The border window's image over the backdrop, then the client area as the window paints it.
std::unique_ptr<TacWorkBitmap> Compose(TForm1& form, TsSkinProvider& provider) {
  provider.SkinData().BGChanged = true;
  ShownImage().SetSize(0, 0);
  provider.UpdateBorderWindow(true);
  const TacWorkBitmap& frame = ShownImage();
  if (frame.Empty()) throw std::runtime_error("the main window's border window showed no image");
  auto composed = NewWorkBitmap(frame.Width() + 2 * kMargin, frame.Height() + 2 * kMargin);
  TacWorkBitmap& image = *composed;
  image.Fill(kBackdrop);
  for (int32_t y = 0; y < frame.Height(); ++y)
    for (int32_t x = 0; x < frame.Width(); ++x)
      Put(image, x + kMargin, y + kMargin, Over(frame.Pixel(x, y), kBackdrop));
  TBitmap client(form.ClientWidth(), form.ClientHeight());
  RECT window{};
  GetWindowRect(form.Handle(), &window);
  POINT origin{0, 0};
  ClientToScreen(form.Handle(), &origin);
  form.PaintTo(client.Canvas().Handle(), window.left - origin.x, window.top - origin.y);
  // Each metric asks the system; they are read once.
  const int32_t offsetX = kMargin + provider.OffsetX(), offsetY = kMargin + provider.OffsetY();
  for (int32_t y = 0; y < client.Height(); ++y) {
    const uint8_t* row = client.ScanLine(y);
    if (!row) continue;
    for (int32_t x = 0; x < client.Width(); ++x)
      Put(image, x + offsetX, y + offsetY, MakePixel(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], 255));
  }
  // A print draws the field's system edge; the screen shows its skinned frame, its cache.
  TsEdit& edit = *form.sEdit1;
  const TacWorkBitmap& field = *edit.SkinData().FCacheBmp;
  const int32_t left = offsetX + form.sPanel1->Left() + edit.Left();
  const int32_t top = offsetY + form.sPanel1->Top() + edit.Top();
  for (int32_t y = 0; y < field.Height(); ++y)
    for (int32_t x = 0; x < field.Width(); ++x) Put(image, left + x, top + y, WithAlpha(field.Pixel(x, y), 255));
  return composed;
}

void Repaint(TsButton& button) {
  button.SkinData().BGChanged = true;
  button.PrepareCache();
}

void Snapshot(const std::string& folder, int32_t ppi) {
  TForm1 form(nullptr);
  form.Show();
  SetForegroundWindow(form.Handle());
  Application().ProcessMessages();
  if (ppi != 96) {
    form.sSkinManager1->UpdateScale(&form, 96, ppi);
    SendSkinCommandToControl(&form, SK_PPI_CHANGED, ppi);
    Application().ProcessMessages();
  }
  auto* provider = reinterpret_cast<TsSkinProvider*>(form.Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)));
  if (!provider) throw std::runtime_error("the main window has no skin provider");
  TsButton& button = *form.sButton1;
  const auto save = [&](const char* look) {
    const std::string path = folder + "/window-" + std::to_string(ppi) + "-" + look + ".png";
    SaveBitmapAsPng(*Compose(form, *provider), path);
    std::printf("%s\n", path.c_str());
  };
  provider->FormActive = 1;
  save("active");
  provider->FormActive = 0;
  save("inactive");
  provider->FormActive = 1;
  button.SkinData().FMouseAbove = true;
  Repaint(button);
  save("button-hot");
  button.SkinData().FMouseAbove = false;
  button.SetDown(true);
  Repaint(button);
  save("button-pressed");
  button.SetDown(false);
  button.SetEnabled(false);
  Repaint(button);
  save("button-disabled");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: snapshot OUTDIR [PPI]\n");
    return 2;
  }
  const int32_t only = argc == 3 ? std::atoi(argv[2]) : 0;
  if (argc == 3 && (only < 96 || only > 192)) {
    std::fprintf(stderr, "snapshot: PPI must be 96 to 192\n");
    return 2;
  }
  SetErrorBoxProc([](const std::string& text, TacBoxKind) { std::fprintf(stderr, "%s\n", text.c_str()); });
  SetUpdateLayeredWindowProc(RecordLayeredImage);
  try {
    CreateDirectoryA(argv[1], nullptr);
    for (const int32_t ppi : {96, 120, 144, 192})
      if (!only || ppi == only) Snapshot(argv[1], ppi);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "snapshot: %s\n", error.what());
    return 1;
  }
  return 0;
}
