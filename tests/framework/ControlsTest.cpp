#include <gtest/gtest.h>

#include "base/StrUtils.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "framework/Clipboard.h"
#include "framework/DefinitionReader.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Timer.h"

namespace {

class Controls : public testing::Test {
 protected:
  void SetUp() override {
    panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 280, 120);
    edit = new TEdit(&form);
    edit->SetParent(panel);
    button = new TButton(&form);
    button->SetParent(panel);
    button->SetBounds(4, 40, 100, 23);
    form.HandleNeeded();
  }
  TForm form{nullptr};
  TPanel* panel = nullptr;
  TEdit* edit = nullptr;
  TButton* button = nullptr;
};

TEST_F(Controls, ClipboardRoundTripKeepsNonAsciiTextExactly) {
  const std::string text = "Ключ: ÄÖÜ ✓ 𝄞 漢字";
  edit->SetText(text);
  edit->SelectAll();
  EXPECT_EQ(edit->SelText(), text);
  edit->CopyToClipboard();
  EXPECT_EQ(ClipboardText(), text);

  ASSERT_TRUE(OpenClipboard(nullptr));
  const auto* raw = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  ASSERT_NE(raw, nullptr);
  EXPECT_EQ(std::wstring(raw), Utf8ToWide(text));
  GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
  CloseClipboard();
}

TEST_F(Controls, CopyingAPartialSelectionCopiesOnlyThatPart) {
  edit->SetText("Привет, мир");
  SendMessageW(edit->Handle(), EM_SETSEL, 8, 11);
  EXPECT_EQ(edit->SelStart(), 8);
  EXPECT_EQ(edit->SelLength(), 3);
  edit->CopyToClipboard();
  EXPECT_EQ(ClipboardText(), "мир");
}

TEST_F(Controls, AReadOnlyEditIgnoresTypingButCanBeSelectedAndCopied) {
  edit->SetReadOnly(true);
  edit->SetText("1234");
  SendMessageW(edit->Handle(), WM_CHAR, L'x', 0);
  EXPECT_EQ(edit->Text(), "1234");
  EXPECT_TRUE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_READONLY);
  edit->SelectAll();
  edit->CopyToClipboard();
  EXPECT_EQ(ClipboardText(), "1234");
}

TEST_F(Controls, ChangingTheAlignmentRecreatesTheEditWithTheNewStyle) {
  edit->SetText("centred");
  edit->SetAlignment(TAlignment::taCenter);
  EXPECT_TRUE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_CENTER);
  EXPECT_EQ(edit->Text(), "centred");
  EXPECT_EQ(edit->Parent(), panel);
  EXPECT_EQ(GetParent(edit->Handle()), panel->Handle());
}

TEST_F(Controls, ButtonClicksArriveReflectedFromTheParentAndOnlyWhileEnabled) {
  int clicks = 0;
  button->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  };
  const LPARAM window = reinterpret_cast<LPARAM>(button->Handle());
  SendMessageW(panel->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), window);
  EXPECT_EQ(clicks, 1);
  button->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  SendMessageW(panel->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), window);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, ButtonCaptionIsTheWindowText) {
  button->SetCaption("Скопировано");
  wchar_t text[32]{};
  GetWindowTextW(button->Handle(), text, 32);
  EXPECT_EQ(std::wstring(text), L"Скопировано");
}

class TOwnerDrawButton : public TButton {
 public:
  using TButton::TButton;
  const DRAWITEMSTRUCT* Drawn = nullptr;

 protected:
  void CreateParams(TCreateParams& params) override {
    TButton::CreateParams(params);
    params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == CN_DRAWITEM) {
      Drawn = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      message.Result = TRUE;
      return;
    }
    TButton::WndProc(message);
  }
};

TEST_F(Controls, AnOwnerDrawButtonGetsItsDrawItemReflected) {
  auto* drawn = new TOwnerDrawButton(&form);
  drawn->SetParent(panel);
  EXPECT_EQ(GetWindowLongPtrW(drawn->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = drawn->Handle();
  EXPECT_EQ(SendMessageW(panel->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
  EXPECT_EQ(drawn->Drawn, &item);
}

TEST_F(Controls, ParentFontAndColourFollowTheParentUntilSetOwnValues) {
  panel->Font().SetName("Courier New");
  panel->SetColor(clRed);
  EXPECT_EQ(edit->Font().Name(), "Courier New");
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_EQ(button->Color(), clRed);
  button->Font().SetHeight(-20);
  EXPECT_FALSE(button->ParentFont());
  panel->Font().SetName("Tahoma");
  EXPECT_EQ(button->Font().Name(), "Courier New");
  EXPECT_EQ(edit->Font().Name(), "Tahoma");
}

TEST_F(Controls, ALabelKeepsItsStoredSizeAndAutoSizesOnLaterChanges) {
  TForm holder(nullptr);
  ReadComponentFromText(holder,
                        "object F: TForm\n"
                        "  object L: TLabel\n"
                        "    Width = 10\n"
                        "    Height = 5\n"
                        "    Caption = \"A caption much wider than ten pixels\"\n"
                        "  end\n"
                        "end\n",
                        "Unit1");
  auto* label = dynamic_cast<TLabel*>(holder.FindComponent("L"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Width(), 10);
  label->SetCaption("Wide text again, wider than ten");
  EXPECT_GT(label->Width(), 100);
  EXPECT_GT(label->Height(), 8);
  label->SetCaption("");
  EXPECT_GT(label->Height(), 8);
}

TEST(Timer, FiresFromTheMessageLoopUntilDisabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(5);
  timer.SetOnTimer([&](TObject*) {
    if (++ticks == 3) timer.SetEnabled(false);
  });
  const DWORD start = GetTickCount();
  while (ticks < 3 && GetTickCount() - start < 5000) {
    Application().ProcessMessages();
    Sleep(1);
  }
  EXPECT_EQ(ticks, 3);
  Sleep(30);
  Application().ProcessMessages();
  EXPECT_EQ(ticks, 3);
}

TEST(Bitmap, CanvasPaintsIntoThePixelsAsBlueGreenRedAlpha) {
  TBitmap bitmap(4, 3);
  bitmap.Canvas().Brush.Color = 0x00332211;
  bitmap.Canvas().FillRect({1, 1, 3, 2});
  const uint8_t* row = bitmap.ScanLine(1);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row[4 + 0], 0x33);
  EXPECT_EQ(row[4 + 1], 0x22);
  EXPECT_EQ(row[4 + 2], 0x11);
  EXPECT_EQ(row[0], 0);
  EXPECT_EQ(bitmap.ScanLine(3), nullptr);
  EXPECT_EQ(bitmap.ScanLine(-1), nullptr);
  EXPECT_GT(bitmap.Canvas().TextWidth("Tahoma"), 10);
}

TEST(Font, SizeAndHeightConvertAtThePixelsPerInch) {
  TFont font;
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  font.SetPixelsPerInch(144);
  EXPECT_EQ(font.Size(), 7);
  font.SetHeight(-13);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(font.Handle(), nullptr);
}

}  // namespace
