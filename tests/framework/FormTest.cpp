#include <gtest/gtest.h>

#include "base/ErrorBox.h"
#include "base/Exception.h"
#include "framework/Application.h"
#include "framework/Button.h"
#include "framework/DefinitionReader.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "framework/Screen.h"

namespace {

struct BorderCase {
  const char* BorderStyle;
  DWORD Present;
  DWORD Absent;
};

class FormBorders : public testing::TestWithParam<BorderCase> {};

TEST_P(FormBorders, StoredClientSizeHoldsWhateverBorderFollowsIt) {
  TForm form(nullptr);
  ReadComponentFromText(form,
                        std::string("object F: TForm\n"
                                    "  ClientWidth = 262\n"
                                    "  ClientHeight = 102\n"
                                    "  BorderStyle = ") +
                            GetParam().BorderStyle +
                            "\n"
                            "  BorderIcons = [biSystemMenu]\n"
                            "end\n",
                        "Unit1");
  EXPECT_EQ(form.ClientWidth(), 262);
  EXPECT_EQ(form.ClientHeight(), 102);
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 262);
  EXPECT_EQ(client.bottom, 102);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(form.Handle(), GWL_STYLE));
  EXPECT_EQ(style & GetParam().Present, GetParam().Present);
  EXPECT_EQ(style & GetParam().Absent, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Form, FormBorders,
    testing::Values(BorderCase{"bsSingle", WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
                    BorderCase{"bsSizeable", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_MINIMIZEBOX},
                    BorderCase{"bsDialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_THICKFRAME},
                    BorderCase{"bsNone", WS_POPUP, WS_CAPTION | WS_SYSMENU}));

TEST(Form, ScreenCenterPlacesTheWindowInTheMiddleWhenFirstShown) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  form.SetPosition(TPosition::poScreenCenter);
  form.Show();
  RECT rect{};
  GetWindowRect(form.Handle(), &rect);
  EXPECT_NEAR(rect.left, (Screen().Width() - 300) / 2, 1);
  EXPECT_NEAR(rect.top, (Screen().Height() - 200) / 2, 1);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST(Form, OnShowRunsBeforeTheWindowAppearsAndItsFocusChoiceHolds) {
  TForm form(nullptr);
  auto* first = new TPanel(&form);
  first->SetParent(&form);
  auto* chosen = new TPanel(&form);
  chosen->SetParent(&form);
  bool visibleInOnShow = true;
  form.OnShow = [&](TObject*) {
    visibleInOnShow = IsWindowVisible(form.Handle()) != FALSE;
    chosen->SetFocus();
  };
  form.Show();
  SetForegroundWindow(form.Handle());
  SetActiveWindow(form.Handle());
  Application().ProcessMessages();
  EXPECT_FALSE(visibleInOnShow);
  EXPECT_EQ(form.ActiveControl(), chosen);
  EXPECT_EQ(GetFocus(), chosen->Handle());
}

TEST(Form, ActiveControlIsForgottenWhenItIsDestroyed) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  form.SetActiveControl(panel);
  delete panel;
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST(Form, ScreenListsTheFormsThatExist) {
  const size_t before = Screen().CustomFormCount();
  {
    TForm form(nullptr);
    ASSERT_EQ(Screen().CustomFormCount(), before + 1);
    EXPECT_EQ(Screen().CustomForms(before), &form);
  }
  EXPECT_EQ(Screen().CustomFormCount(), before);
}

TEST(Form, ClosingTheMainFormTerminatesTheApplication) {
  auto* form = Application().CreateForm<TForm>();
  ASSERT_EQ(Application().MainForm(), form);
  form->Show();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  delete form;
  EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST(Application, HooksOfTheApplicationWindowSeeItsMessagesUntilUnhooked) {
  int seen = 0;
  const int id = Application().HookMainWindow([&](TMessage& message) {
    if (message.Msg != WM_APP) return false;
    ++seen;
    message.Result = 7;
    return true;
  });
  EXPECT_EQ(SendMessageW(Application().Handle(), WM_APP, 0, 0), 7);
  Application().UnhookMainWindow(id);
  EXPECT_EQ(SendMessageW(Application().Handle(), WM_APP, 0, 0), 0);
  EXPECT_EQ(seen, 1);
}

TEST(Application, AnExceptionInAHandlerIsShownNotFatal) {
  std::string shown;
  const auto previous = SetErrorBoxProc([&](const std::string& text, TacBoxKind) { shown = text; });
  TForm form(nullptr);
  form.HandleNeeded();
  const TWndMethod saved = form.WindowProc;
  form.WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_APP) throw Exception("Handler failed");
    saved(message);
  };
  SendMessageW(form.Handle(), WM_APP, 0, 0);
  SetErrorBoxProc(previous);
  EXPECT_EQ(shown, "Handler failed");
}

}  // namespace

namespace {

// A shown, active form with a panel holding two edits.
class FormFocus : public testing::Test {
 protected:
  void SetUp() override {
    panel = new TPanel(&form);
    panel->SetParent(&form);
    first = AddEdit(4);
    second = AddEdit(30);
    const TWndMethod original = panel->WindowProc;
    panel->WindowProc = [this, original](TMessage& message) {
      if (message.Msg == CM_FOCUSCHANGED) focusNews.push_back(reinterpret_cast<TControl*>(message.LParam));
      if (message.Msg == CM_SHOWINGCHANGED) showingNews.push_back(panel->Showing());
      original(message);
    };
    form.Show();
    SetForegroundWindow(form.Handle());
    SetActiveWindow(form.Handle());
    Application().ProcessMessages();
  }
  TEdit* AddEdit(int top) {
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);
    edit->SetTop(top);
    return edit;
  }

  // Declared before the form, which may still notify while it is destroyed.
  std::vector<TControl*> focusNews;
  std::vector<bool> showingNews;
  TForm form{nullptr};
  TPanel* panel = nullptr;
  TEdit* first = nullptr;
  TEdit* second = nullptr;
};

TEST_F(FormFocus, ControlsHearWhenTheyAppearAndDisappear) {
  EXPECT_EQ(showingNews, std::vector<bool>{true});
  form.Hide();
  EXPECT_EQ(showingNews, (std::vector<bool>{true, false}));
}

TEST_F(FormFocus, EveryControlHearsWhichControlGotTheFocus) {
  second->SetFocus();
  first->SetFocus();
  EXPECT_EQ(focusNews, (std::vector<TControl*>{second, first}));
  EXPECT_EQ(form.ActiveControl(), first);
}

TEST_F(FormFocus, TabMovesTheFocusToTheNextControlInTabOrder) {
  first->SetFocus();
  PostMessageW(first->Handle(), WM_KEYDOWN, VK_TAB, 0);
  Application().ProcessMessages();
  EXPECT_EQ(GetFocus(), second->Handle());
}

}  // namespace

namespace {

TEST_F(FormFocus, TheControlLosingTheFocusIsToldToCancelWhatItWasDoing) {
  std::vector<LPARAM> cancelled;
  first->SetFocus();
  const TWndMethod original = first->WindowProc;
  first->WindowProc = [&](TMessage& message) {
    if (message.Msg == CM_CANCELMODE) cancelled.push_back(message.LParam);
    original(message);
  };
  second->SetFocus();
  first->WindowProc = original;
  EXPECT_EQ(cancelled, std::vector<LPARAM>{reinterpret_cast<LPARAM>(second)});
}

TEST_F(FormFocus, AltAndTheAcceleratorLetterClickTheButton) {
  auto* button = new TButton(&form);
  button->SetParent(panel);
  button->SetCaption("&Копировать");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  first->SetFocus();
  PostMessageW(first->Handle(), WM_SYSCHAR, L'к', 1 << 29);
  PostMessageW(first->Handle(), WM_SYSCHAR, L'x', 1 << 29);
  Application().ProcessMessages();
  EXPECT_EQ(clicks, 1);
  button->SetEnabled(false);
  PostMessageW(first->Handle(), WM_SYSCHAR, L'К', 1 << 29);
  Application().ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

TEST(Accelerator, AnAmpersandMarksTheLetterAndADoubleOneIsPlainText) {
  EXPECT_TRUE(IsAccel(L'c', "&Copy"));
  EXPECT_TRUE(IsAccel(L'P', "Co&py"));
  EXPECT_FALSE(IsAccel(L'c', "Copy"));
  EXPECT_FALSE(IsAccel(L'c', "&&Copy"));
  EXPECT_TRUE(IsAccel(L'o', "&&C&opy"));
  EXPECT_FALSE(IsAccel(L'c', "Copy&"));
}

}  // namespace
