#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/Unit1.h"
#include "base/ErrorBox.h"
#include "base/FileUtils.h"
#include "messages/SkinCommand.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/Screen.h"

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
