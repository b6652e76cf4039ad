#pragma once
#include "framework/WinControl.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};

// A top-level window. Left and Top are screen coordinates; a stored client
// size is applied once the whole definition (and so the border) is known.
class TCustomForm : public TWinControl {
  DECLARE_CLASS_INFO

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  void SetClientWidth(int32_t width);
  void SetClientHeight(int32_t height);
  RECT ClientRect() const override;
  // A form keeps its place and size (its client size is set apart); its
  // font and children follow the resolution.
  void ChangeScale(int32_t M, int32_t D) override;
  // The resolution the form's measures are for; a scaled form takes the
  // screen's when its definition has been read.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t ppi) { FPixelsPerInch = ppi; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }
  int32_t TextHeight() const { return FTextHeight; }
  void SetTextHeight(int32_t height) { FTextHeight = height; }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  void SetOnShow(TNotifyEvent handler) { OnShow = std::move(handler); }
  void SetOnHide(TNotifyEvent handler) { OnHide = std::move(handler); }

  // The form's window is the active window.
  bool Active() const;
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  // Called when a control of this form received the focus.
  void FocusChanged(TWinControl* control);
  // Hides the form; closing the main form terminates the application.
  void Close();

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleContents() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoShow();
  virtual void DoHide();

 private:
  SIZE FrameSize() const;
  void ApplyClientSize(int32_t width, int32_t height);
  void PlaceOnScreen();
  void ShowingChanged();
  void SetActiveControlField(TWinControl* control);

  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition FPosition = TPosition::poDesigned;
  int32_t FPixelsPerInch = 96;
  bool FScaled = true;
  int32_t FTextHeight = 13;
  int32_t FPendingClientWidth = -1;
  int32_t FPendingClientHeight = -1;
  bool FPlaced = false;
  TWinControl* FActiveControl = nullptr;
};

class TForm : public TCustomForm {
  DECLARE_CLASS_INFO

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};
