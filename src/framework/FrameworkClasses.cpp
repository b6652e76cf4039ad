#include <vector>

#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Timer.h"

// The classes of the framework that a stored definition may create.
std::vector<const TClassInfo*> FrameworkClasses() {
  return {&TPanel::StaticClassInfo(), &TLabel::StaticClassInfo(), &TEdit::StaticClassInfo(),
          &TButton::StaticClassInfo(), &TTimer::StaticClassInfo()};
}
