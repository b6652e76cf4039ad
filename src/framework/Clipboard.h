#pragma once
#include <string>
#include <string_view>

// The plain-text clipboard (CF_UNICODETEXT), UTF-8 on our side. Both throw
// Exception when the clipboard cannot be opened or written.
std::string ClipboardText();
void SetClipboardText(std::string_view text);
