#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "base/WinHandles.h"
#include "palette/Palette.h"
#include "palette/SysColorHooks.h"

namespace {

const TacSkinPalette* gPalette = nullptr;
bool gFormVisible = true;

const TacSkinPalette* CurrentPalette() { return gPalette; }
bool ActiveFormVisible() { return gFormVisible; }

COLORREF BrushColor(HBRUSH brush) {
  LOGBRUSH info{};
  EXPECT_EQ(GetObjectW(brush, sizeof(info), &info), static_cast<int>(sizeof(info)));
  return info.lbColor;
}

COLORREF PenColorOf(HPEN pen) {
  LOGPEN info{};
  EXPECT_EQ(GetObjectW(pen, sizeof(info), &info), static_cast<int>(sizeof(info)));
  return info.lopnColor;
}

// The first bytes of a system function, to see that it is put back exactly.
struct Entry {
  explicit Entry(const char* module, const char* name)
      : Code(reinterpret_cast<const uint8_t*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)))) {
    std::memcpy(Bytes, Code, sizeof(Bytes));
  }
  bool Unchanged() const { return std::memcmp(Bytes, Code, sizeof(Bytes)) == 0; }
  const uint8_t* Code;
  uint8_t Bytes[16];
};

class SysColorHooks : public ::testing::Test {
 protected:
  void SetUp() override {
    palette.Palette[pcEditBG] = 0x123456;
    palette.Palette[pcEditText] = 0x654321;
    palette.Palette[pcBorder] = 0x0A0B0C;
    palette.Palette[pcMainColor] = 0x808080;
    palette.Palette[pcSelectionBG_Focused] = 0x111111;
    palette.Palette[pcSelectionText_Focused] = 0x222222;
    gPalette = &palette;
    gFormVisible = true;
  }
  void TearDown() override {
    UninstallSysColorHooks();
    gPalette = nullptr;
  }
  TacSkinPalette palette;
};

TEST_F(SysColorHooks, RedirectWhileInstalledAndRestoreExactly) {
  const Entry getSysColor("user32.dll", "GetSysColor"), getBrush("user32.dll", "GetSysColorBrush"),
      createPen("gdi32.dll", "CreatePen");
  const DWORD window = GetSysColor(COLOR_WINDOW), face = GetSysColor(COLOR_BTNFACE);
  const HBRUSH systemBrush = GetSysColorBrush(COLOR_WINDOW);

  ASSERT_TRUE(InstallSysColorHooks(CurrentPalette, ActiveFormVisible));
  EXPECT_TRUE(SysColorHooksInstalled());
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), 0x123456u);
  EXPECT_EQ(GetSysColor(COLOR_WINDOWFRAME), 0x0A0B0Cu);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face);  // not substituted
  // The engine's own conversion keeps the system's colours.
  EXPECT_EQ(static_cast<DWORD>(ColorToRGB(clWindow)), window);

  gFormVisible = false;  // GetSysColor substitutes only for a visible active form
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), window);
  gFormVisible = true;
  gPalette = nullptr;  // no default manager
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), window);
  EXPECT_EQ(GetSysColorBrush(COLOR_WINDOW), systemBrush);
  gPalette = &palette;

  EXPECT_EQ(PenColorOf(TacScopedPen(CreatePen(PS_SOLID, 1, 6)).Get()), 0x0A0B0Cu);
  EXPECT_EQ(PenColorOf(TacScopedPen(CreatePen(PS_SOLID, 1, 0x00ABCDEF)).Get()), 0x00ABCDEFu);

  UninstallSysColorHooks();
  EXPECT_FALSE(SysColorHooksInstalled());
  EXPECT_TRUE(getSysColor.Unchanged());
  EXPECT_TRUE(getBrush.Unchanged());
  EXPECT_TRUE(createPen.Unchanged());
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), window);
  EXPECT_EQ(GetSysColorBrush(COLOR_WINDOW), systemBrush);
  EXPECT_EQ(PenColorOf(TacScopedPen(CreatePen(PS_SOLID, 1, 6)).Get()), 6u);
  EXPECT_EQ(ColorToRGB(clWindow), static_cast<TColor>(window));
}

TEST_F(SysColorHooks, BrushesAreMadeOncePerColourAndFreedAtTheEnd) {
  ASSERT_TRUE(InstallSysColorHooks(CurrentPalette, ActiveFormVisible));
  const HBRUSH first = GetSysColorBrush(COLOR_WINDOW);
  EXPECT_EQ(BrushColor(first), 0x123456u);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(GetSysColorBrush(COLOR_WINDOW), first);
  EXPECT_EQ(BrushColor(GetSysColorBrush(COLOR_HIGHLIGHTTEXT)), 0x222222u);

  // A caller that frees it anyway gets a working brush the next time.
  DeleteObject(first);
  EXPECT_EQ(BrushColor(GetSysColorBrush(COLOR_WINDOW)), 0x123456u);

  // A new skin colour gets its own brush; the old one stays valid for whoever holds it.
  const HBRUSH before = GetSysColorBrush(COLOR_WINDOWTEXT);
  palette.Palette[pcEditText] = 0x010203;
  const HBRUSH after = GetSysColorBrush(COLOR_WINDOWTEXT);
  EXPECT_NE(after, before);
  EXPECT_EQ(BrushColor(after), 0x010203u);
  EXPECT_EQ(GetObjectType(before), static_cast<DWORD>(OBJ_BRUSH));

  UninstallSysColorHooks();
  EXPECT_EQ(GetObjectType(after), 0u);
  EXPECT_EQ(GetObjectType(before), 0u);
}

TEST_F(SysColorHooks, InstallingAgainReplacesTheCallbacksOnly) {
  ASSERT_TRUE(InstallSysColorHooks(CurrentPalette, ActiveFormVisible));
  const Entry patched("user32.dll", "GetSysColor");
  ASSERT_TRUE(InstallSysColorHooks(CurrentPalette, [] { return false; }));
  EXPECT_TRUE(patched.Unchanged());
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<DWORD>(ColorToRGB(clWindow)));
  UninstallSysColorHooks();
  UninstallSysColorHooks();  // a second time does nothing
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<DWORD>(ColorToRGB(clWindow)));
}

}  // namespace
