#pragma once
#include <windows.h>

#include <memory>

#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "forms/SubclassedWindow.h"

class TsSkinManager;
class TsSkinableMenus;

// A system dialog (class "#32770": message boxes, the engine's error box)
// in the skin's "DIALOG" section: its background and the background and
// text colour of its static texts and buttons. It carries the engine's
// window property, so it is never attached twice, and answers skin commands.
class TacDialogAdapter final : public TacSubclassedWindow {
 public:
  TacDialogAdapter(HWND Dialog, TsSkinManager* Manager);
  ~TacDialogAdapter() override;

  TsCommonData& SkinData() { return *FCommonData; }
  // The brush the dialog's background is painted with; null while unskinned.
  HBRUSH Brush() const { return FBrush.Get(); }

 protected:
  bool WndProc(TMessage& Message) override;

 private:
  bool SkinCommand(TMessage& Message);
  void ApplySkin();
  void PaintBackground(HDC DC);

  std::unique_ptr<TsCommonData> FCommonData;
  TacScopedBrush FBrush;
};

// A popup menu window (class "#32768") in the skin's "MAINMENU" section:
// when the manager's menu painter draws its items, the window's margins,
// border and region come from the painter's picture of the whole menu.
class TacMenuWindowAdapter final : public TacSubclassedWindow {
 public:
  TacMenuWindowAdapter(HWND Menu, TsSkinManager* Manager);
  ~TacMenuWindowAdapter() override;

  TsCommonData& SkinData() { return *FCommonData; }

 protected:
  bool WndProc(TMessage& Message) override;

 private:
  void Paint(TsSkinableMenus& Painter);

  std::unique_ptr<TsCommonData> FCommonData;
};
