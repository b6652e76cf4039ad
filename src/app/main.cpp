// Velmora: the main window from its stored definition, drawn by the skin
// engine, until the user closes it.
#include <windows.h>

#include <exception>

#include "app/Unit1.h"
#include "base/ErrorBox.h"
#include "framework/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    Application().Initialize();
    Application().CreateForm<TForm1>();
    Application().Run();
  } catch (const std::exception& error) {
    // A window that cannot be built is reported, never a silent exit.
    ShowErrorBox(error.what());
    return 1;
  }
  return 0;
}
