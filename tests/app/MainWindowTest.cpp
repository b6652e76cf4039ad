#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "StandIns.h"
#include "app/Unit1.h"
#include "base/ErrorBox.h"
#include "base/FileUtils.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/Screen.h"

namespace {

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    standin::RegisterStandIns();
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
  standin::TsSkinManager& Manager() { return dynamic_cast<standin::TsSkinManager&>(*form->sSkinManager1); }
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
  EXPECT_FALSE(dynamic_cast<standin::TsButton&>(*form->sButton1).ShowFocus);
  EXPECT_EQ(form->sSkinManager1->Owner(), form.get());
}

TEST_F(MainWindow, TheSkinManagerGetsItsPropertiesInStoredOrderWithTheStoredSkin) {
  standin::TsSkinManager& manager = Manager();
  std::vector<std::string> expected{"Effects.AllowGlowing", "ButtonsOptions.OldGlyphsMode", "ExtendedBorders",
                                    "InternalSkins",        "SkinDirectory",                "SkinName",
                                    "SkinInfo"};
  expected.insert(expected.end(), std::begin(standin::kThirdListNames), std::end(standin::kThirdListNames));
  EXPECT_EQ(manager.Assigned, expected);

  EXPECT_FALSE(manager.Effects().AllowGlowing);
  EXPECT_FALSE(manager.ButtonsOptions().OldGlyphsMode);
  EXPECT_TRUE(manager.ExtendedBorders);
  EXPECT_EQ(manager.SkinDirectory, "C:\\Skins10");
  EXPECT_EQ(manager.SkinName, "Orvale (internal)");
  EXPECT_EQ(manager.SkinInfo, "8");
  for (size_t i = 0; i < 23; ++i) {
    SCOPED_TRACE(standin::kThirdListNames[i]);
    EXPECT_EQ(manager.ThirdParty().ThirdLists[i].Text(), i == 1 ? "TButton\r\n" : " \r\n");
  }
  ASSERT_EQ(manager.InternalSkins().Count(), 1u);
  const standin::TStoredSkin& skin = manager.InternalSkins().Skin(0);
  EXPECT_EQ(skin.Name, "Orvale (internal)");
  EXPECT_DOUBLE_EQ(skin.Version, 15.0);
  EXPECT_FALSE(skin.Author.empty());
  EXPECT_EQ(skin.OriginName, "Orvale.asz");
  EXPECT_EQ(skin.Data, ReadFileBytes(ACS_TEST_STORED_SKIN));
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
