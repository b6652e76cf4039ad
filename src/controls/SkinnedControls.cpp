#include "controls/SkinnedControls.h"

#include "controls/SkinnedButton.h"
#include "controls/SkinnedEdit.h"
#include "controls/SkinnedLabel.h"
#include "controls/SkinnedPanel.h"

void RegisterSkinnedControls() {
  for (const TClassInfo* info : {&TsPanel::StaticClassInfo(), &TsLabel::StaticClassInfo(), &TsEdit::StaticClassInfo(),
                                 &TsButton::StaticClassInfo()})
    RegisterClass(*info);
}
