#include "core/GlowForm.h"

namespace {

constexpr wchar_t GlowClassName[] = L"TacGlowForm";

void RegisterGlowClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = GlowClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

TacGlowForm::TacGlowForm() {
  RegisterGlowClass();
  FHandle = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, GlowClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
}

TacGlowForm::~TacGlowForm() {
  if (FHandle) DestroyWindow(FHandle);
}
