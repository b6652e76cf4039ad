// Shows the main window with plain stand-in controls and writes what it looks
// like to a 32-bit BMP file: render_main_window OUT.bmp
#include <cstdio>

#include "StandIns.h"
#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_main_window OUT.bmp\n");
    return 2;
  }
  try {
    standin::RegisterStandIns();
    TForm1 form(nullptr);
    form.Show();
    for (int i = 0; i < 20; ++i) {
      Application().ProcessMessages();
      Sleep(10);
    }
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    TBitmap bitmap(window.right - window.left, window.bottom - window.top);
    PrintWindow(form.Handle(), bitmap.Canvas().Handle(), 0);
    bitmap.SaveToFile(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
