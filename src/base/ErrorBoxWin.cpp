#include <windows.h>

#include "base/ErrorBox.h"
#include "base/StrUtils.h"

void DefaultErrorBox(const std::string& text, TacBoxKind kind) {
  const UINT flags = MB_OK | MB_TASKMODAL | (kind == TacBoxKind::bkError ? MB_ICONERROR : 0);
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), nullptr, flags);
}
