#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/Unit1.h"
#include "base/ErrorBox.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "messages/SkinCommand.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/Screen.h"
#include "framework/Bitmap.h"
#include "graphics/Color.h"
#include "skin/SkinData.h"

namespace {

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    previousErrorBox = SetErrorBoxProc([this](const std::string& text, TacBoxKind) { errors.push_back(text); });
    previousOpener = SetOpenWebPageProc([this](HWND owner, const std::string& address) {
      opened.emplace_back(owner, address);
    });
    form = std::make_unique<TForm1>(nullptr);
  }
  void TearDown() override {
    form.reset();
    SetOpenWebPageProc(previousOpener);
    SetErrorBoxProc(previousErrorBox);
  }
  void ShowAndActivate() {
    form->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Application().ProcessMessages();
  }
  void ClickButton() {
    SendMessageW(form->sPanel1->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form->sButton1->Handle()));
  }

  std::unique_ptr<TForm1> form;
  std::vector<std::string> errors;
  std::vector<std::pair<HWND, std::string>> opened;
  TacErrorBoxProc previousErrorBox;
  TOpenWebPageProc previousOpener;
};

struct Placement {
  const char* Name;
  const char* Parent;
  RECT Bounds;  // left, top, width, height
};

TEST_F(MainWindow, ShownFromItsDefinitionEveryControlIsWhereItIsStored) {
  ShowAndActivate();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 262);
  EXPECT_EQ(client.bottom, 102);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_NEAR(window.left, (Screen().Width() - (window.right - window.left)) / 2, 1);
  EXPECT_NEAR(window.top, (Screen().Height() - (window.bottom - window.top)) / 2, 1);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->Caption(), "Velmora");

  const Placement placements[] = {
      {"sPanel1", "Form1", {1, 3, 260, 97}},      {"sLabel2", "sPanel1", {96, 2, 65, 13}},
      {"sLabel3", "sPanel1", {29, 66, 224, 26}},  {"Label1", "sPanel1", {166, 79, 36, 13}},
      {"sEdit1", "sPanel1", {4, 17, 252, 21}},    {"sButton1", "sPanel1", {4, 41, 252, 23}},
  };
  for (const Placement& expected : placements) {
    SCOPED_TRACE(expected.Name);
    auto* control = dynamic_cast<TControl*>(form->FindComponent(expected.Name));
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->Parent(), nullptr);
    EXPECT_EQ(control->Parent()->Name(), expected.Parent);
    EXPECT_EQ(control->Left(), expected.Bounds.left);
    EXPECT_EQ(control->Top(), expected.Bounds.top);
    EXPECT_EQ(control->Width(), expected.Bounds.right);
    EXPECT_EQ(control->Height(), expected.Bounds.bottom);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      RECT actual{};
      GetWindowRect(windowed->Handle(), &actual);
      MapWindowPoints(HWND_DESKTOP, control->Parent()->Handle(), reinterpret_cast<POINT*>(&actual), 2);
      EXPECT_EQ(actual.left, expected.Bounds.left);
      EXPECT_EQ(actual.top, expected.Bounds.top);
      EXPECT_EQ(actual.right - actual.left, expected.Bounds.right);
      EXPECT_EQ(actual.bottom - actual.top, expected.Bounds.bottom);
      EXPECT_TRUE(IsWindowVisible(windowed->Handle()));
    }
  }
}

TEST_F(MainWindow, ControlsCarryTheirStoredProperties) {
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(form->BorderIcons(), TBorderIcons{TBorderIcon::biSystemMenu});
  EXPECT_EQ(form->Font().Name(), "Tahoma");
  EXPECT_EQ(form->Font().Height(), -11);
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(form->Label1->Cursor(), crHandPoint);
  EXPECT_EQ(form->Label1->Font().Color(), clHighlight);
  EXPECT_TRUE(form->Label1->Font().Style().Contains(TFontStyle::fsUnderline));
  EXPECT_FALSE(form->Label1->ParentFont());
  EXPECT_FALSE(form->Label1->ParentColor());
  EXPECT_TRUE(form->sLabel3->WordWrap());
  EXPECT_TRUE(form->sEdit1->ReadOnly());
  EXPECT_EQ(form->sEdit1->Alignment(), TAlignment::taCenter);
  EXPECT_FALSE(form->sEdit1->Text().empty());
  EXPECT_EQ(form->sButton1->Caption(), "Копировать");
  EXPECT_FALSE(form->sButton1->ShowFocus());
  EXPECT_EQ(form->sSkinManager1->Owner(), form.get());
}

TEST_F(MainWindow, TheSkinManagerGetsItsStoredPropertiesAndLoadsTheStoredSkin) {
  TsSkinManager& manager = *form->sSkinManager1;
  EXPECT_FALSE(manager.Effects().AllowGlowing);
  EXPECT_FALSE(manager.ButtonsOptions().OldGlyphsMode());
  EXPECT_TRUE(manager.ExtendedBorders());
  EXPECT_EQ(manager.SkinDirectory(), "C:\\Skins10");
  EXPECT_EQ(manager.SkinName(), "Orvale (internal)");
  EXPECT_EQ(manager.SkinInfo(), "15");  // the stored "8" is informational
  for (size_t i = 0; i < acThirdListCount; ++i) {
    SCOPED_TRACE(acThirdListNames[i]);
    EXPECT_EQ(manager.ThirdLists[i].Text(), i == 1 ? "TButton\r\n" : " \r\n");
  }
  ASSERT_EQ(manager.InternalSkins().Count(), 1u);
  const TsStoredSkin& skin = manager.InternalSkins().Skin(0);
  EXPECT_EQ(skin.Name, "Orvale (internal)");
  EXPECT_DOUBLE_EQ(skin.Version, 15.0);
  EXPECT_FALSE(skin.Author.empty());
  EXPECT_EQ(skin.OrigName, "Orvale.asz");
  EXPECT_EQ(skin.PackedData.Data(), ReadFileBytes(ACS_TEST_STORED_SKIN));

  EXPECT_TRUE(manager.IsActive());
  EXPECT_TRUE(manager.SkinIsPacked());
  EXPECT_EQ(manager.SkinCommonInfo().SkinPath, "");
  EXPECT_EQ(DefaultManager(), &manager);
  EXPECT_GE(manager.GetSkinIndex("BUTTON"), 0);
  EXPECT_TRUE(errors.empty());
}

// Records the skin commands that reach a form.
struct ListeningForm : TForm {
  ListeningForm() : TForm(nullptr) {}
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_SKIN_LOADED) {
      auto* manager = reinterpret_cast<TsSkinManager*>(message.LParam);
      ++Announcements;
      SkinReady = !manager->CommonSkinData().gd.empty();
      ReadingDone = !manager->ComponentState().Contains(TComponentStateItem::csLoading);
    }
    TForm::WndProc(message);
  }
  int Announcements = 0;
  bool SkinReady = false;
  bool ReadingDone = false;
};

TEST_F(MainWindow, TheSkinIsAnnouncedToEveryFormOnceWhenTheDefinitionIsRead) {
  form.reset();
  ListeningForm other;
  form = std::make_unique<TForm1>(nullptr);
  EXPECT_EQ(other.Announcements, 1);
  EXPECT_TRUE(other.SkinReady);
  EXPECT_TRUE(other.ReadingDone);
  ShowAndActivate();
  EXPECT_EQ(other.Announcements, 1);
}

TEST_F(MainWindow, WhenFirstShownThePanelHasTheFocus) {
  ShowAndActivate();
  EXPECT_EQ(GetFocus(), form->sPanel1->Handle());
  EXPECT_FALSE(form->sEdit1->Focused());
  EXPECT_FALSE(form->sButton1->Focused());
}

TEST_F(MainWindow, CopyButtonCopiesTheFieldOnceAndDisablesItself) {
  ShowAndActivate();
  SetClipboardText("something else");
  ClickButton();
  EXPECT_EQ(ClipboardText(), form->sEdit1->Text());
  EXPECT_EQ(form->sButton1->Caption(), "Скопировано");
  EXPECT_FALSE(form->sButton1->Enabled());
  EXPECT_FALSE(IsWindowEnabled(form->sButton1->Handle()));
  SetClipboardText("changed later");
  ClickButton();
  EXPECT_EQ(ClipboardText(), "changed later");
  EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, WhenTheClipboardIsBusyTheButtonKeepsItsCaptionAndStaysEnabled) {
  ShowAndActivate();
  std::mutex mutex;
  std::condition_variable changed;
  bool held = false;
  bool release = false;
  std::thread holder([&] {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool ownsClipboard = OpenClipboard(owner);
    {
      std::lock_guard lock(mutex);
      held = true;
    }
    changed.notify_all();
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return release; });
    if (ownsClipboard) CloseClipboard();
    DestroyWindow(owner);
  });
  {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return held; });
  }
  ClickButton();
  {
    std::lock_guard lock(mutex);
    release = true;
  }
  changed.notify_all();
  holder.join();
  EXPECT_EQ(errors, std::vector<std::string>{"Cannot open clipboard"});
  EXPECT_EQ(form->sButton1->Caption(), "Копировать");
  EXPECT_TRUE(form->sButton1->Enabled());
}

TEST_F(MainWindow, TypingIntoTheReadOnlyFieldChangesNothingButItsTextCanBeCopied) {
  ShowAndActivate();
  const std::string text = form->sEdit1->Text();
  form->sEdit1->SetFocus();
  const HWND edit = form->sEdit1->Handle();
  for (const wchar_t typed : {L'x', L'\b'}) {
    PostMessageW(edit, WM_CHAR, typed, 1);
    Application().ProcessMessages();
  }
  PostMessageW(edit, WM_KEYDOWN, VK_DELETE, 1);
  Application().ProcessMessages();
  EXPECT_EQ(form->sEdit1->Text(), text);
  SetClipboardText("something else");
  // Ctrl+A and Ctrl+C as the keyboard delivers them to a focused field,
  // through the application's message loop.
  SendMessageW(edit, EM_SETSEL, 0, 0);
  BYTE keys[256]{};
  GetKeyboardState(keys);
  const BYTE control = keys[VK_CONTROL];
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(edit, WM_KEYDOWN, 'A', 1);
  Application().ProcessMessages();
  const int32_t selected = form->sEdit1->SelLength();
  PostMessageW(edit, WM_KEYDOWN, 'C', 1);
  Application().ProcessMessages();
  keys[VK_CONTROL] = control;
  SetKeyboardState(keys);
  EXPECT_EQ(selected, static_cast<int32_t>(Utf8ToWide(text).size()));
  EXPECT_EQ(ClipboardText(), text);
}

TEST_F(MainWindow, TheLinkLabelOpensTheVendorPageWithTheWindowAsOwner) {
  ShowAndActivate();
  const LPARAM overLink = MAKELPARAM(166 + 5, 79 + 5);
  SendMessageW(form->sPanel1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, overLink);
  SendMessageW(form->sPanel1->Handle(), WM_LBUTTONUP, 0, overLink);
  SendMessageW(form->sPanel1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, overLink);
  SendMessageW(form->sPanel1->Handle(), WM_LBUTTONUP, 0, overLink);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].first, form->Handle());
  EXPECT_EQ(opened[0].second, kVendorAddress);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

}  // namespace

namespace {

// The main window drawn at a display resolution, read back from its caches
// and from a print of its client area.
TEST_F(MainWindow, AProviderTakesTheWindowOverWhenItIsFirstShown) {
  EXPECT_FALSE(IsSkinAwareWindow(form->Handle()));
  ShowAndActivate();
  EXPECT_TRUE(IsSkinAwareWindow(form->Handle()));
  EXPECT_EQ(form->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_DEFAULT_KIND)), 13);
  EXPECT_NE(form->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)), 0);
  // The provider draws the title buttons; the system draws none of its own.
  EXPECT_EQ(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, TheLinkLabelTakesThePanelsTextColourAndGetsItsOwnBackWithoutTheSkin) {
  const TColor stored = form->Label1->Font().Color();
  ASSERT_EQ(stored, clHighlight);
  ShowAndActivate();
  const TacSkinData& skin = form->sSkinManager1->CommonSkinData();
  const TColor panelText = skin.gd[static_cast<size_t>(skin.GetSkinIndex("PANEL"))].Props[0].FontColor.Color;
  EXPECT_EQ(ColorToRGB(form->Label1->Font().Color()), ColorToRGB(panelText));
  form->sSkinManager1->SetActive(false);
  EXPECT_EQ(form->Label1->Font().Color(), stored);
  EXPECT_NE(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
}

class MainWindowLook : public MainWindow, public testing::WithParamInterface<int32_t> {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    ShowAndActivate();
    const int32_t ppi = GetParam();
    if (ppi != 96) {
      form->sSkinManager1->UpdateScale(form.get(), 96, ppi);
      // The form's skin provider passes it on to its controls.
      SendSkinCommandToControl(form.get(), SK_PPI_CHANGED, ppi);
      Application().ProcessMessages();
    }
  }
  int32_t Scaled(int32_t value) const { return MulDiv(value, GetParam(), 96); }

  // The button's image after a change of its state.
  std::vector<TacPixel> ButtonImage() {
    TsButton& button = *form->sButton1;
    button.SkinData().BGChanged = true;
    EXPECT_TRUE(button.PrepareCache());
    const TacWorkBitmap& cache = *button.SkinData().FCacheBmp;
    return {cache.Row(0), cache.Row(0) + static_cast<ptrdiff_t>(cache.Width()) * cache.Height()};
  }
};

TEST_P(MainWindowLook, ThePanelShowsItsImageAroundItsChildren) {
  TsPanel& panel = *form->sPanel1;
  ASSERT_EQ(panel.Width(), Scaled(260));
  TBitmap print(form->ClientWidth(), form->ClientHeight());
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  POINT client{0, 0};
  ClientToScreen(form->Handle(), &client);
  form->PaintTo(print.Canvas().Handle(), window.left - client.x, window.top - client.y);
  // Left of the second label, below the button: only the panel is there.
  const POINT inPanel{Scaled(12), Scaled(80)};
  const TacPixel cached = panel.SkinData().FCacheBmp->Pixel(inPanel.x, inPanel.y);
  const COLORREF shown = GetPixel(print.Canvas().Handle(), panel.Left() + inPanel.x, panel.Top() + inPanel.y);
  EXPECT_EQ(shown, RGB(Red(cached), Green(cached), Blue(cached)));
  const TsGeneralData& section =
      form->sSkinManager1->CommonSkinData(GetParam()).gd[static_cast<size_t>(panel.SkinData().SkinIndex)];
  EXPECT_EQ(static_cast<TColor>(shown), ColorToRGB(section.Props[0].Color));
}

TEST_P(MainWindowLook, TheFieldsFrameChangesWithTheFocus) {
  TsEdit& edit = *form->sEdit1;
  edit.SkinData().BGChanged = true;
  ASSERT_TRUE(edit.PrepareCache());
  const TacPixel unfocused = edit.SkinData().FCacheBmp->Pixel(edit.Width() / 2, 0);
  edit.SetFocus();
  Application().ProcessMessages();
  edit.SkinData().BGChanged = true;
  ASSERT_TRUE(edit.PrepareCache());
  const TacPixel focused = edit.SkinData().FCacheBmp->Pixel(edit.Width() / 2, 0);
  EXPECT_NE(unfocused, focused);
  // The text area keeps the section's colour in both states.
  EXPECT_EQ(edit.SkinData().FCacheBmp->Pixel(Scaled(6), edit.Height() / 2) & 0xFFFFFF,
            PixelOfColor(ColorToRGB(edit.Color())) & 0xFFFFFF);
}

TEST_P(MainWindowLook, EveryButtonStateLooksItsOwn) {
  TsButton& button = *form->sButton1;
  ASSERT_EQ(button.Width(), Scaled(252));
  const std::vector<TacPixel> normal = ButtonImage();
  button.SkinData().FMouseAbove = true;
  const std::vector<TacPixel> hot = ButtonImage();
  button.SkinData().FMouseAbove = false;
  button.SetDown(true);
  const std::vector<TacPixel> pressed = ButtonImage();
  button.SetDown(false);
  button.SetEnabled(false);
  const std::vector<TacPixel> disabled = ButtonImage();
  const std::vector<TacPixel> looks[] = {normal, hot, pressed, disabled};
  for (size_t a = 0; a < 4; ++a)
    for (size_t b = a + 1; b < 4; ++b) EXPECT_NE(looks[a], looks[b]) << "looks " << a << " and " << b;
}

TEST_P(MainWindowLook, TheCaptionIsCentredInTheButton) {
  TsButton& button = *form->sButton1;
  const std::vector<TacPixel> withCaption = ButtonImage();
  button.SetCaption("");
  const std::vector<TacPixel> without = ButtonImage();
  const int32_t width = button.Width();
  int32_t left = width, right = -1, top = button.Height(), bottom = -1;
  for (int32_t i = 0; i < static_cast<int32_t>(withCaption.size()); ++i) {
    if (withCaption[static_cast<size_t>(i)] == without[static_cast<size_t>(i)]) continue;
    left = std::min(left, i % width);
    right = std::max(right, i % width);
    top = std::min(top, i / width);
    bottom = std::max(bottom, i / width);
  }
  ASSERT_GE(right, left);
  EXPECT_NEAR(left + right, width - 1, 2 + GetParam() / 48);
  EXPECT_NEAR(top + bottom, button.Height() - 1, 2 + GetParam() / 48);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, MainWindowLook, testing::Values(96, 144),
                         [](const testing::TestParamInfo<int32_t>& c) { return std::to_string(c.param) + "PPI"; });

}  // namespace
