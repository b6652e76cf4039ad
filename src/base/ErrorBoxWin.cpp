#include <windows.h>

#include "base/ErrorBox.h"
#include "base/StrUtils.h"

void DefaultErrorBox(const std::string& text, TacBoxKind kind) {
  const UINT icon = kind == TacBoxKind::bkError ? MB_ICONERROR : kind == TacBoxKind::bkWarning ? MB_ICONWARNING : 0;
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), kind == TacBoxKind::bkWarning ? L"Warning" : nullptr,
              MB_OK | MB_TASKMODAL | icon);
}
