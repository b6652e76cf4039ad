#pragma once
// Plain framework controls registered under the names of the skinned
// classes, so that the main window's definition streams before the skinned
// controls exist.
#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace standin {

class TsPanel : public TCustomPanel {
  DECLARE_CLASS_INFO
 public:
  using TCustomPanel::TCustomPanel;
};

class TsLabel : public TCustomLabel {
  DECLARE_CLASS_INFO
 public:
  using TCustomLabel::TCustomLabel;
};

class TsEdit : public TEdit {
  DECLARE_CLASS_INFO
 public:
  using TEdit::TEdit;
};

class TsButton : public TButton {
  DECLARE_CLASS_INFO
 public:
  using TButton::TButton;
  bool ShowFocus = true;
  void SetShowFocus(bool value) { ShowFocus = value; }
};

void RegisterStandIns();

}  // namespace standin
