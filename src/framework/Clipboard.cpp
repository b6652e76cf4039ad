#include "framework/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "base/Exception.h"
#include "base/StrUtils.h"

namespace {
class OpenedClipboard {
 public:
  OpenedClipboard() {
    if (!OpenClipboard(nullptr)) throw Exception("Cannot open clipboard");
  }
  ~OpenedClipboard() { CloseClipboard(); }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};
}  // namespace

std::string ClipboardText() {
  OpenedClipboard clipboard;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return {};
  // The text ends at its terminator or at the end of the block, whichever comes first.
  const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  const std::string result = WideToUtf8(std::wstring_view(text, wcsnlen(text, capacity)));
  GlobalUnlock(data);
  return result;
}

void SetClipboardText(std::string_view text) {
  const std::wstring wide = Utf8ToWide(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  OpenedClipboard clipboard;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) throw Exception("Out of memory while copying to the clipboard");
  std::memcpy(GlobalLock(block), wide.c_str(), bytes);
  GlobalUnlock(block);
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, block)) {
    GlobalFree(block);
    throw Exception("Cannot write to the clipboard");
  }
}
