// Shows the main window with its skinned controls and writes what it looks
// like to a 32-bit BMP file:
//   render_main_window OUT.bmp            the client area, painted by the controls
//   render_main_window OUT.bmp --screen   the whole window as the screen shows it
#include <cstdio>
#include <string>

#include "app/Unit1.h"
#include "base/WinHandles.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: render_main_window OUT.bmp [--screen]\n");
    return 2;
  }
  try {
    TForm1 form(nullptr);
    form.Show();
    for (int i = 0; i < 20; ++i) {
      Application().ProcessMessages();
      Sleep(10);
    }
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    POINT client{0, 0};
    ClientToScreen(form.Handle(), &client);
    TBitmap bitmap;
    if (argc == 3 && std::string(argv[2]) == "--screen") {
      bitmap.SetSize(window.right - window.left, window.bottom - window.top);
      const TacWindowDC screen(nullptr);
      BitBlt(bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), screen.Get(), window.left, window.top,
             SRCCOPY);
    } else {
      bitmap.SetSize(form.ClientWidth(), form.ClientHeight());
      form.PaintTo(bitmap.Canvas().Handle(), window.left - client.x, window.top - client.y);
    }
    bitmap.SaveToFile(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
