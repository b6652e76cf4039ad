#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "base/WinHandles.h"
#include "framework/WindowHost.h"
#include "graphics/Geometry.h"
#include "graphics/WorkBitmap.h"

class TsSkinProvider;

// The border window of a form with extended borders: a layered window
// behind the form, larger than it by the frame and the outer shadow, that
// shows the whole frame bitmap with per-pixel alpha. The form's own window
// is clipped to its client area, which shows through a hole in this one.
// The layered window exists only while the form is shown and not minimised.
class TacBorderForm {
 public:
  explicit TacBorderForm(TsSkinProvider& Provider);
  ~TacBorderForm();
  TacBorderForm(const TacBorderForm&) = delete;
  TacBorderForm& operator=(const TacBorderForm&) = delete;

  // Places the border window behind the form; with Redraw, or when the frame
  // or its size changed, puts the frame's image on it too. A hidden or
  // minimised form frees the window.
  void Update(bool Redraw);
  // Puts the border window back directly behind the form.
  void Restack();
  void FreeWindow();
  HWND Handle() const;
  // The border window's region: all of it but the hole under the form's client area.
  HRGN MakeRgn() const;
  // Lets the next event at a point of the shadow reach the window below: a
  // one-pixel hole at Screen, the only one there is.
  void CutHoleAt(POINT Screen);
  void RestoreRegion();
  // Before the form takes a new size: nothing of the old frame may show
  // beyond where the new one will end.
  void ClipToFormSize(SIZE FormSize);

 private:
  class TacBorderWindow;
  void WindowMessage(TacBorderWindow& Window, TMessage& Message);
  bool EnsureWindow();
  void PutImage(POINT At, SIZE Size);

  TsSkinProvider& FProvider;
  std::unique_ptr<TacBorderWindow> FWindow;
  TacWorkBitmap FImage;
  SIZE FSize{};
  // The frame bitmap's version on screen.
  uint32_t FShownVersion = 0;
  bool FShown = false;
  bool FUpdating = false;
  bool FHoleCut = false;
};
