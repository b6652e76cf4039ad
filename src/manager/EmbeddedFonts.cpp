#include "manager/EmbeddedFonts.h"

void TacEmbeddedFonts::Install(TacEmbeddedFont& Font) {
  if (Font.Data.empty() || Font.Handle) return;
  DWORD installed = 0;
  Font.Handle.Reset(AddFontMemResourceEx(Font.Data.data(), static_cast<DWORD>(Font.Data.size()), nullptr, &installed));
}

void TacEmbeddedFonts::Clear() { FItems.clear(); }
