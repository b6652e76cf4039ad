#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/WinHandles.h"
#include "framework/Canvas.h"
#include "framework/Control.h"

// What CreateWindowExW gets; descendants adjust it in CreateParams.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  // Our own window class; built from SystemClass when one is named.
  std::wstring WinClassName;
  const wchar_t* SystemClass = nullptr;
  UINT ClassStyle = CS_DBLCLKS;
};

// A control with its own window. Messages reach WindowProc first; whatever is
// not handled ends in DefaultHandler, the window class's own procedure.
// Messages that child windows send to their parent (WM_COMMAND, WM_DRAWITEM,
// WM_NOTIFY, WM_CTLCOLOR*) are reflected to the child as CN_* notifications.
class TWinControl : public TControl {
  DECLARE_CLASS_INFO

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  void DestroyHandle();
  // Destroys and re-creates the window after a change of its creation parameters.
  void RecreateWnd();

  size_t ControlCount() const { return FControls.size(); }
  TControl* Controls(size_t index) const { return FControls[index]; }
  // The topmost visible child (windowed or not) at a point of the client area.
  TControl* ControlAtPos(POINT point, bool allowDisabled = false) const;

  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  bool Focused() const;
  virtual bool CanFocus() const;
  // Gives the focus to this control, or, while its form is not active, makes
  // it the control that gets the focus when the form becomes active.
  virtual void SetFocus();

  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void ChangeScale(int32_t M, int32_t D) override;
  // The children's part of ChangeScale.
  void ScaleControls(int32_t M, int32_t D);
  RECT ClientRect() const override;
  // The client area where a window device context draws it: offset by the
  // frame, for painting round it or into it.
  RECT ClientRectInWindow() const;
  bool Showing() const override;
  POINT ClientToScreen(POINT point) const override;
  POINT ScreenToClient(POINT point) const override;
  void Invalidate() override;
  void Update() override;

  // Paints the window, frame edge included, and all its children into dc
  // with the window's top left corner at (x, y).
  void PaintTo(HDC dc, int x, int y);

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  // The control a window belongs to, or nullptr.
  static TWinControl* FindControl(HWND window);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Runs once the window exists: font, children.
  virtual void CreateHandleContents();
  void UpdateBoundsRect(const RECT& rect) override;
  std::string GetText() const override;
  void StoreText(const std::string& text) override;

  // Painting of the client area; the default lets the window class paint.
  virtual void PaintWindow(HDC dc);
  // Graphic children are painted by their parent, after the parent itself.
  void PaintControls(HDC dc);
  void PaintHandler(TMessage& message);

  // CM_SHOWINGCHANGED to this control and its visible windowed children,
  // after their windows appeared or disappeared.
  void NotifyShowingChanged();

  // Colours of a child window's text and background (edits, static texts).
  void CtlColorHandler(TMessage& message);
  HBRUSH ColorBrush();

 private:
  friend class TControl;
  friend LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void HandleDestroyed();
  void SaveWindowText();
  bool RouteMouseToChild(TMessage& message);
  void TrackMouse(TControl* target);
  void ReflectToChild(TMessage& message, HWND child);
  bool SetCursorFromControl(TMessage& message);
  void UpdateBoundsFromWindow();
  bool HasGraphicChildren() const;

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  bool FTabStop = false;
  TacScopedBrush FBrush;
  TColor FBrushColor = clNone;
  bool FTrackingMouse = false;
};

// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
  DECLARE_CLASS_INFO

 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  TCanvas& Canvas() { return FCanvas; }
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas FCanvas;
};
