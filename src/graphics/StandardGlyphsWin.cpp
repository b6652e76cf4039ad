#include "graphics/StandardGlyphsWin.h"

#include <memory>

#include "base/WinHandles.h"

namespace {
constexpr const wchar_t* kIconFont = L"FontAwesome";
constexpr const wchar_t* kMarlett = L"Marlett";

// The icon font installed for this process only, from the program's resources.
class TacIconFont {
 public:
  TacIconFont() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, L"AWFONT", MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    void* bytes = data ? LockResource(data) : nullptr;
    DWORD count = 0;
    if (bytes) FHandle.Reset(AddFontMemResourceEx(bytes, SizeofResource(module, info), nullptr, &count));
  }
  bool Loaded() const { return static_cast<bool>(FHandle); }

 private:
  TacFontResource FHandle;
};

struct TacStandardGlyphs {
  TacIconFont Font;  // before the list, so glyphs render with it and it outlives them
  TsCharImageList List;
};
std::unique_ptr<TacStandardGlyphs> standardGlyphs;

void AddItems(TsCharImageList& list) {
  const struct {
    const wchar_t* Font;
    wchar_t Char;
    double Scaling;
    int32_t OffsetY;
  } items[] = {
      {kIconFont, 0xF016, 1.0, 0}, {kIconFont, 0xF115, 1.0, 0},  {kIconFont, 0xF274, 1.0, 0},
      {kIconFont, 0xF141, 1.0, 4}, {kIconFont, 0xF1EC, 1.0, 0},  {kIconFont, 0xF111, 0.75, 0},
      {kIconFont, 0xF00C, 1.0, 0}, {kIconFont, 0xF047, 0.9, 1},  {kIconFont, 0xF1FB, 1.0, 0},
      {kIconFont, 0xF00C, 1.1, 0}, {kIconFont, 0xF00D, 1.1, 0},  {kIconFont, 0xF067, 0.8, 2},
      {kIconFont, 0xF0D8, 1.3, 0}, {kIconFont, 0xF01E, 0.9, 1},  {kIconFont, 0xF048, 0.8, 2},
      {kIconFont, 0xF053, 0.8, 2}, {kIconFont, 0xF054, 0.8, 2},  {kIconFont, 0xF051, 0.8, 2},
      {kIconFont, 0xF068, 0.8, 2}, {kIconFont, 0xF00C, 0.8, 0},  {kIconFont, 0xF00D, 0.8, 0},
      {kMarlett, L'0', 1.0, 0},    {kMarlett, L'1', 1.0, 0},     {kMarlett, L'2', 1.0, 0},
      {kMarlett, L'r', 1.0, 0},
  };
  for (const auto& item : items)
    list.Items.push_back(
        {item.Font, item.Char, item.Scaling, item.OffsetY, item.Font == kMarlett ? BYTE{SYMBOL_CHARSET} : BYTE{DEFAULT_CHARSET}});
}
}  // namespace

TsCharImageList& StandardGlyphs() {
  if (!standardGlyphs) {
    standardGlyphs = std::make_unique<TacStandardGlyphs>();
    TsCharImageList& list = standardGlyphs->List;
    list.BkColor = clWhite;
    list.BlendValue = 222;
    list.Width = 16;
    list.Height = 14;
    AddItems(list);
    list.Fill();
  }
  return standardGlyphs->List;
}

bool IconFontLoaded() { return standardGlyphs && standardGlyphs->Font.Loaded(); }

int32_t StandardGlyphOfSysCommand(UINT command) {
  switch (command & 0xFFF0u) {
    case SC_MOVE: return sgMove;
    case SC_MINIMIZE: return sgMinimize;
    case SC_MAXIMIZE: return sgMaximize;
    case SC_RESTORE: return sgRestore;
    case SC_CLOSE: return sgClose;
  }
  return -1;
}
