#include "StandIns.h"

namespace standin {

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}
}  // namespace

const TClassInfo& TsPanel::StaticClassInfo() {
  static const TClassInfo info("TsPanel", &TCustomPanel::StaticClassInfo(), Make<TsPanel>, nullptr);
  return info;
}

const TClassInfo& TsLabel::StaticClassInfo() {
  static const TClassInfo info("TsLabel", &TCustomLabel::StaticClassInfo(), Make<TsLabel>, nullptr);
  return info;
}

const TClassInfo& TsEdit::StaticClassInfo() {
  static const TClassInfo info("TsEdit", &TEdit::StaticClassInfo(), Make<TsEdit>, nullptr);
  return info;
}

const TClassInfo& TsButton::StaticClassInfo() {
  static const TClassInfo info("TsButton", &TButton::StaticClassInfo(), Make<TsButton>,
                               [](TClassInfo& c) { c.Boolean<TsButton>("ShowFocus", &TsButton::SetShowFocus); });
  return info;
}

void RegisterStandIns() {
  for (const TClassInfo* info : {&TsPanel::StaticClassInfo(), &TsLabel::StaticClassInfo(), &TsEdit::StaticClassInfo(),
                                 &TsButton::StaticClassInfo()})
    RegisterClass(*info);
}

}  // namespace standin
