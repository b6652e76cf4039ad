#include <cstdio>

#include "base/ErrorBox.h"

void DefaultErrorBox(const std::string& text, TacBoxKind kind) {
  std::fprintf(stderr, "%s%s\n", kind == TacBoxKind::bkError ? "error: " : "", text.c_str());
}
