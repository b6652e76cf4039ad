#pragma once
#include <windows.h>

#include <string>

#include "framework/Classes.h"
#include "framework/Colors.h"
#include "framework/Cursors.h"
#include "framework/Font.h"
#include "framework/Messages.h"

class TWinControl;

enum class TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csReplicatable,
  csNoStdEvents,
  csReflector,
  csParentBackground
};
using TControlStyle = TSet<TControlStyleItem>;

// csGlassPaint: the control is painted over a background that keeps its alpha
// (a layered or composited parent), so its image must carry alpha too.
enum class TControlStateItem {
  csLButtonDown,
  csClicked,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csRecreating,
  csGlassPaint
};
using TControlState = TSet<TControlStateItem>;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
extern const TIdentTable<TAlignment> kAlignmentIdents;
enum class TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
extern const TIdentTable<TVerticalAlignment> kVerticalAlignmentIdents;
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
extern const TIdentTable<TBevelCut> kBevelIdents;

// Anything visible on a form. A control is placed on a windowed Parent and
// reaches its own code through WindowProc, which later code may replace to
// take the control over (saving the old one and passing messages on).
class TControl : public TComponent {
  DECLARE_CLASS_INFO

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  void SetLeft(int32_t value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int32_t value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int32_t value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int32_t value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  // Multiplies the bounds, and an own font, by M / D: the control moves to a
  // resolution M / D times the present one.
  virtual void ChangeScale(int32_t M, int32_t D);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }
  int32_t ClientWidth() const { return ClientRect().right; }
  int32_t ClientHeight() const { return ClientRect().bottom; }
  virtual POINT ClientToScreen(POINT point) const;
  virtual POINT ScreenToClient(POINT point) const;

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a form is visible too.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool enabled);

  // Caption and Text are the same string (Text for edits).
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& text);

  TFont& Font() { return FFont; }
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor cursor);
  int32_t TabOrder() const { return FTabOrder; }
  void SetTabOrder(int32_t order) { FTabOrder = order; }

  TControlStyle ControlStyle;
  TControlState ControlState;

  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  void SetOnClick(TNotifyEvent handler) { OnClick = std::move(handler); }
  void SetOnMouseEnter(TNotifyEvent handler) { OnMouseEnter = std::move(handler); }
  void SetOnMouseLeave(TNotifyEvent handler) { OnMouseLeave = std::move(handler); }

  // Starts out as this control's WndProc.
  TWndMethod WindowProc;
  // Delivers a message synchronously through WindowProc.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  virtual void Invalidate();
  virtual void Update() {}
  void Repaint() {
    Invalidate();
    Update();
  }
  virtual void Click();

  virtual void WndProc(TMessage& message);
  // What happens to a message no handler took: the system's procedure for windows.
  virtual void DefaultHandler(TMessage& message);

 protected:
  virtual std::string GetText() const { return FText; }
  // Stores the text and tells the window; CM_TEXTCHANGED follows.
  virtual void StoreText(const std::string& text) { FText = text; }
  virtual void UpdateBoundsRect(const RECT& rect);

 private:
  void FontChanged();

  TWinControl* FParent = nullptr;
  int32_t FLeft = 0;
  int32_t FTop = 0;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FText;
  TFont FFont;
  TColor FColor = clWindow;
  bool FParentColor = true;
  bool FParentFont = true;
  bool FAdoptingParentFont = false;
  TCursor FCursor = crDefault;
  int32_t FTabOrder = -1;

  friend class TWinControl;
};

// The form a control sits on, or nullptr.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);
