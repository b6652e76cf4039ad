#pragma once
#include <windows.h>

#include <functional>

#include "framework/Messages.h"

// A window of somebody else's class (a system dialog, a menu window) whose
// procedure we put ours in front of. The window is found again through a
// table of this process, never through anything stored on the window, which
// other processes could write. The old procedure goes back when the object
// goes, unless somebody has put another one in front of ours since.
class TacSubclassedWindow {
 public:
  explicit TacSubclassedWindow(HWND Window);
  virtual ~TacSubclassedWindow();
  TacSubclassedWindow(const TacSubclassedWindow&) = delete;
  TacSubclassedWindow& operator=(const TacSubclassedWindow&) = delete;

  HWND Window() const { return FWindow; }
  // Called once the window is gone (after WM_NCDESTROY); the object may be
  // freed from here and is not touched again.
  std::function<void(TacSubclassedWindow&)> OnWindowDestroyed;

 protected:
  // Handles a message; false passes it to the window's own procedure.
  virtual bool WndProc(TMessage& Message) = 0;
  LRESULT CallOldProc(const TMessage& Message) const;

 private:
  static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void GiveProcedureBack();

  HWND FWindow;
  WNDPROC FOldProc = nullptr;
};
