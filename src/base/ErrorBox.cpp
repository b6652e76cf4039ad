#include "base/ErrorBox.h"

#include <utility>

namespace {
TacErrorBoxProc& CurrentProc() {
  static TacErrorBoxProc proc;
  return proc;
}
}  // namespace

void ShowErrorBox(const std::string& text, TacBoxKind kind) {
  if (CurrentProc())
    CurrentProc()(text, kind);
  else
    DefaultErrorBox(text, kind);
}

TacErrorBoxProc SetErrorBoxProc(TacErrorBoxProc proc) { return std::exchange(CurrentProc(), std::move(proc)); }
