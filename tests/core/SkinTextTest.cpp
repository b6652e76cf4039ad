#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../skin/SkinTestFiles.h"
#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "core/SkinText.h"
#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "skin/PackedSkinWriter.h"

namespace {

// One text output of a recorded drawing: its colour, position and length.
struct TextOutput {
  COLORREF Color;
  POINT Origin;
  size_t Length;
};

// Drawing recorded into an enhanced metafile, so that the order, colour,
// place and length of every text output can be read back.
class RecordedCanvas {
 public:
  RecordedCanvas() : FDC(CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr)) { Canvas.SetHandle(FDC); }
  ~RecordedCanvas() {
    if (FDC) DeleteEnhMetaFile(CloseEnhMetaFile(FDC));
  }

  std::vector<TextOutput> Outputs() {
    Canvas.SetHandle(nullptr);
    const HENHMETAFILE file = CloseEnhMetaFile(FDC);
    FDC = nullptr;
    std::vector<TextOutput> outputs;
    COLORREF color = 0;
    Context context{&outputs, &color};
    EnumEnhMetaFile(nullptr, file, CollectTextOutput, &context, nullptr);
    DeleteEnhMetaFile(file);
    return outputs;
  }

  TCanvas Canvas;

 private:
  struct Context {
    std::vector<TextOutput>* Outputs;
    COLORREF* Color;
  };

  // A plain function: the enumeration callback is stdcall on 32-bit Windows.
  static int CALLBACK CollectTextOutput(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param) {
    auto& c = *reinterpret_cast<Context*>(param);
    if (record->iType == EMR_SETTEXTCOLOR) *c.Color = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor;
    if (record->iType == EMR_EXTTEXTOUTW) {
      const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
      if (text->emrtext.nChars > 0)
        c.Outputs->push_back(TextOutput{*c.Color, {text->emrtext.ptlReference.x, text->emrtext.ptlReference.y}, text->emrtext.nChars});
    }
    return 1;
  }

  HDC FDC;
};

// A skin without images: white main colour, black button text with three
// outline colours and no copy on top.
constexpr char kTextSkin[] =
    "[GLOBALINFO]\nVERSION=15\nCOLOR=16777215\n"
    "[BUTTON]\nSTATES=3\nCOLOR=16777215\nFONTCOLOR=0\nTCLEFT=255\nTCTOP=-1\nTCRIGHT=65280\nTCBOTTOM=16711680\n"
    "GSIZE=0\n[PANEL]\nSTATES=1\nCOLOR=16777215\nFONTCOLOR=0\n";

class SkinText : public testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    auto& item = dynamic_cast<TsStoredSkinItem&>(manager->InternalSkins().Add());
    item.Skin().Name = "Text";
    item.SetData(WritePackedSkin({{"Options.dat", Bytes(kTextSkin)}}));
    manager->SetSkinName("Text");
    ASSERT_TRUE(manager->IsActive());
    form.SetBounds(0, 0, 200, 100);
    owner = new TPanel(&form);
    owner->SetParent(&form);
    owner->SetBounds(10, 10, 120, 24);
    data = std::make_unique<TsCommonData>(owner, false, ckButton);
    data->SetSkinSection("BUTTON");
  }
  void TearDown() override {
    data.reset();
    manager.reset();
  }

  ErrorBoxRecorder errors;
  std::unique_ptr<TsSkinManager> manager;
  TForm form{nullptr};
  TPanel* owner = nullptr;
  std::unique_ptr<TsCommonData> data;
};

TEST_F(SkinText, OutlineCopiesComeLeftUpRightDownThenTheText) {
  RecordedCanvas recorded;
  WriteControlText(recorded.Canvas, "Go", true, false, 0, *data, DT_SINGLELINE | DT_NOPREFIX, {20, 30, 120, 50});
  const std::vector<TextOutput> outputs = recorded.Outputs();
  ASSERT_EQ(outputs.size(), 4u);  // the top copy is -1
  const POINT text = outputs[3].Origin;
  EXPECT_EQ(outputs[0].Color, RGB(255, 0, 0));
  EXPECT_EQ(outputs[0].Origin.x, text.x - 1);
  EXPECT_EQ(outputs[1].Color, RGB(0, 255, 0));
  EXPECT_EQ(outputs[1].Origin.x, text.x + 1);
  EXPECT_EQ(outputs[2].Color, RGB(0, 0, 255));
  EXPECT_EQ(outputs[2].Origin.y, text.y + 1);
  EXPECT_EQ(outputs[3].Color, RGB(0, 0, 0));
  EXPECT_EQ(text.x, 20);
}

TEST_F(SkinText, ADisabledCaptionIsDrawnOnceInTheMixedColour) {
  RecordedCanvas recorded;
  WriteControlText(recorded.Canvas, "Go", false, false, 0, *data, DT_SINGLELINE, {20, 30, 120, 50});
  const std::vector<TextOutput> outputs = recorded.Outputs();
  ASSERT_EQ(outputs.size(), 1u);
  EXPECT_EQ(outputs[0].Color, 0x009A9A9Au);
}

TEST_F(SkinText, AnUnskinnedCaptionIsPlainOrEmbossed) {
  data->SkinIndex = -1;
  RecordedCanvas enabled;
  enabled.Canvas.Font().SetColor(clMaroon);
  WriteControlText(enabled.Canvas, "Go", true, false, 0, *data, DT_SINGLELINE, {20, 30, 120, 50});
  const std::vector<TextOutput> plain = enabled.Outputs();
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0].Color, static_cast<COLORREF>(clMaroon));
  RecordedCanvas disabled;
  WriteControlText(disabled.Canvas, "Go", false, false, 0, *data, DT_SINGLELINE, {20, 30, 120, 50});
  const std::vector<TextOutput> embossed = disabled.Outputs();
  ASSERT_EQ(embossed.size(), 2u);
  EXPECT_EQ(embossed[0].Color, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
  EXPECT_EQ(embossed[0].Origin.x, embossed[1].Origin.x + 1);
  EXPECT_EQ(embossed[1].Color, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
}

TEST_F(SkinText, LongTextsAreCutWithoutSplittingACharacter) {
  EXPECT_EQ(DrawTextUnits(std::string(6000, 'a')).size(), acMaxDrawTextLength);
  // U+1F600 takes two units; starting at unit 5459 it would be split by the cut.
  std::string text(acMaxDrawTextLength - 1, 'a');
  text += "\xF0\x9F\x98\x80";
  const std::wstring units = DrawTextUnits(text);
  EXPECT_EQ(units.size(), acMaxDrawTextLength - 1);
  EXPECT_EQ(units.back(), L'a');

  // One word per line: the height tells how much of the text was laid out.
  TBitmap bitmap(10, 10);
  const HDC dc = bitmap.Canvas().Handle();
  auto words = [](size_t length) {
    std::string result;
    while (result.size() < length) result += "b ";
    return result.substr(0, length);
  };
  auto height = [&](const std::string& drawn) {
    TRect rect{0, 0, 4, 0};
    DrawSkinText(dc, drawn, rect, nullptr, DT_WORDBREAK | DT_CALCRECT);
    return rect.Height();
  };
  EXPECT_EQ(height(words(6000)), height(words(acMaxDrawTextLength)));
  EXPECT_GT(height(words(6000)), height(words(acMaxDrawTextLength - 100)));
}

struct SectionTextCase {
  const char* Name;
  bool Enabled;
  bool ValidIndex;
  COLORREF Expected;
};

class SectionText : public SkinText, public testing::WithParamInterface<SectionTextCase> {};

TEST_P(SectionText, IsDrawnOnceInTheColourOfItsCase) {
  const SectionTextCase& c = GetParam();
  if (!c.ValidIndex) {
    ASSERT_FALSE(manager->CommonSkinData().IsValidSkinIndex(900));
  }
  RecordedCanvas recorded;
  recorded.Canvas.Font().SetColor(clNavy);
  const int32_t index = c.ValidIndex ? manager->GetSkinIndex("BUTTON") : 900;
  WriteSectionText(recorded.Canvas, "Tab", c.Enabled, nullptr, 0, index, DT_SINGLELINE, {0, 0, 60, 20});
  const std::vector<TextOutput> outputs = recorded.Outputs();
  ASSERT_FALSE(outputs.empty());
  EXPECT_EQ(outputs.back().Color, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SectionText,
                         testing::Values(SectionTextCase{"DisabledMixesTextWithTheSectionColour", false, true, 0x009A9A9A},
                                         SectionTextCase{"DisabledWithoutSectionIsGreyText", false, false,
                                                         static_cast<COLORREF>(ColorToRGB(clGrayText))},
                                         SectionTextCase{"EnabledWithoutSectionKeepsTheCanvasColour", true, false,
                                                         static_cast<COLORREF>(clNavy)},
                                         SectionTextCase{"EnabledTakesTheSectionsText", true, true, 0}),
                         [](const testing::TestParamInfo<SectionTextCase>& c) { return std::string(c.param.Name); });

TEST(SkinTextMeasure, OneMoreCharacterAndWrappingShowInTheSize) {
  const TacScopedFont font(CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  const TSize line = MeasureText(font.Get(), "Copy the text", 0);
  const TSize withI = MeasureText(font.Get(), "Copy the text", 0, true);
  const TSize onlyI = MeasureText(font.Get(), "I", 0);
  EXPECT_EQ(withI.cx, line.cx + onlyI.cx);
  const TSize wrapped = MeasureText(font.Get(), "Copy the text", 0, false, line.cx / 2, true);
  EXPECT_GT(wrapped.cy, line.cy);
  EXPECT_LE(wrapped.cx, line.cx / 2);
}

// The glow lies one pixel right and down of the text and reaches GlowSize + 4
// pixels from it at most.
TEST(SkinTextGlow, GlowsAroundTheTextAndNoFurther) {
  TacWorkBitmap image(120, 60);
  image.Fill(0xFFFFFFFFu);
  const TacScopedFont font(CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY,
                                       0, L"Tahoma"));
  DrawTextGlow(image, font.Get(), "I", {50, 20, 70, 44}, nullptr, clRed, 3, tgAllSides, DT_SINGLELINE);
  int tinted = 0;
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x) {
      const TacPixel p = image.Pixel(x, y);
      if (p == 0xFFFFFFFFu) continue;
      ++tinted;
      EXPECT_GT(Red(p), Blue(p));
      EXPECT_TRUE(x >= 50 - 7 + 1 && x < 70 + 7 + 1 && y >= 20 - 7 + 1 && y < 44 + 7 + 1) << x << "," << y;
    }
  EXPECT_GT(tinted, 10);
}

TEST(SkinTextCut, ShortensFromTheEndWithAnEllipsis) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  const int32_t full = canvas.TextWidth("Copy the text");
  EXPECT_EQ(CutTextToWidth(canvas, "Copy the text", full), "Copy the text");
  const std::string cut = CutTextToWidth(canvas, "Copy the text", full / 2);
  ASSERT_GT(cut.size(), 3u);
  EXPECT_EQ(cut.substr(cut.size() - 3), "...");
  EXPECT_LE(canvas.TextWidth(cut), full / 2);
  EXPECT_EQ(CutTextToWidth(canvas, "Copy the text", canvas.TextWidth("..") ), "");
  EXPECT_EQ(CutTextToWidth(canvas, "Copy", 0), "");
}

TEST(SkinTextGlow, TheKernelWidthFollowsTheGlowSize) {
  struct Case {
    int32_t Size, Half;
  };
  for (const Case c : {Case{1, 1}, Case{2, 1}, Case{3, 2}, Case{5, 4}, Case{20, 15}})
    EXPECT_EQ(GlowKernelHalfWidth(c.Size), c.Half) << c.Size;
}

// Alpha-mode text on a transparent image keeps straight colour: the edges
// fade by their alpha, not by darker colour.
TEST(SkinTextAlpha, TextOnATransparentImageKeepsItsColourStraight) {
  TacWorkBitmap image(80, 40);
  const TacScopedFont font(CreateFontW(-32, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                                       L"Tahoma"));
  DrawTextOnAlphaBitmap(image, font.Get(), "Ox", true, clRed, DT_SINGLELINE, {0, 0, 80, 40});
  int covered = 0, edge = 0;
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x) {
      const TacPixel p = image.Pixel(x, y);
      if (Alpha(p) == 0) continue;
      ++covered;
      edge += Alpha(p) < 200;
      EXPECT_GE(Red(p), 254u) << x << "," << y;
      EXPECT_EQ(Green(p), 0u);
    }
  EXPECT_GT(covered, 50);
  EXPECT_GT(edge, 10);
}

TEST(SkinTextAlpha, ATextColourWithoutAlphaIsDrawnOpaque) {
  TacWorkBitmap image(80, 40);
  const HDC dc = WorkBitmapDC(image);
  const TacScopedFont font(CreateFontW(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                                       L"Tahoma"));
  const TacSelectedObject selected(dc, font.Get());
  SetTextColor(dc, RGB(0, 0, 255));
  TRect rect{0, 0, 80, 40};
  DrawSkinText(dc, "Mm", rect, &image, DT_SINGLELINE | acAlphaTextFlag);
  GdiFlush();
  int opaque = 0;
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) == 0xFF0000FFu) ++opaque;
  EXPECT_GT(opaque, 20);
}

}  // namespace
