#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "FormsFixture.h"
#include "base/ErrorBox.h"
#include "forms/WindowAdapters.h"
#include "framework/Application.h"

namespace {

// A system dialog of this thread, made the way the system makes message boxes.
struct SystemDialog {
  explicit SystemDialog(bool visible = true) {
    Window = CreateWindowExW(WS_EX_DLGMODALFRAME, MAKEINTATOM(32770), L"dialog",
                             WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0), 10, 10, 200, 120, nullptr, nullptr,
                             nullptr, nullptr);
  }
  ~SystemDialog() {
    if (IsWindow(Window)) DestroyWindow(Window);
  }
  SystemDialog(const SystemDialog&) = delete;
  SystemDialog& operator=(const SystemDialog&) = delete;
  HWND Window;
};

bool Skinned(HWND window) { return IsSkinAwareWindow(window); }

TacSkinningRules Without(TacSkinningRule rule) {
  TacSkinningRules rules{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs, TacSkinningRule::srThirdParty};
  rules.Exclude(rule);
  return rules;
}

// Refuses the creation of system dialogs while it is installed; installed
// before the attachment's hook, it runs after it in the chain.
LRESULT CALLBACK CancelDialogs(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND &&
      reinterpret_cast<ULONG_PTR>(reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass) == 32770)
    return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

using Attachment = FormsFixture;

struct FormRule {
  const char* Name;
  const char* ClassName;
  int32_t Tag;
  TacSkinningRules Rules;
  bool Attached;
  const char* Section;
};

class AttachmentRules : public FormsFixture, public testing::WithParamInterface<FormRule> {};

TEST_P(AttachmentRules, DecideWhichFormsGetAProvider) {
  const FormRule& rule = GetParam();
  manager->SetSkinningRules(rule.Rules);
  TForm& form = NewForm(rule.ClassName);
  form.SetTag(rule.Tag);
  ShowAndActivate(form);
  TsSkinProvider* provider = ProviderOf(form);
  EXPECT_EQ(provider != nullptr, rule.Attached);
  EXPECT_EQ(HoldersOf(form.Handle()), rule.Attached ? 1u : 0u);
  EXPECT_EQ(GetWindowLongPtrW(form.Handle(), GWL_STYLE) & WS_SYSMENU ? false : true, rule.Attached);
  if (provider) {
    EXPECT_EQ(provider->SkinData().SkinSection(), rule.Section);
  }
}

const TacSkinningRules kAllRules{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs,
                                 TacSkinningRule::srThirdParty};

INSTANTIATE_TEST_SUITE_P(
    Forms, AttachmentRules,
    testing::Values(FormRule{"PlainForm", "TForm", 0, kAllRules, true, ""},
                    FormRule{"TaggedNeverSkinned", "TForm", 0x100, kAllRules, false, ""},
                    FormRule{"OtherTagBitsDoNotMatter", "TForm", 0xFF, kAllRules, true, ""},
                    FormRule{"ExcludedClass", "TcxGridFilterPopup", 0, kAllRules, false, ""},
                    FormRule{"ExcludedClassesMatchByExactCase", "TcxGridFILTERPopup", 0, kAllRules, true, ""},
                    FormRule{"FormsNeedStdForms", "TForm", 0, Without(TacSkinningRule::srStdForms), false, ""},
                    FormRule{"MessageFormsNeedStdDialogs", "TMessageForm", 0, Without(TacSkinningRule::srStdDialogs),
                             false, ""},
                    FormRule{"MessageFormsWithoutStdForms", "TMessageForm", 0, Without(TacSkinningRule::srStdForms),
                             true, "DIALOG"},
                    FormRule{"InputQueryFormsTakeTheDialogSection", "TInputQueryForm", 0, kAllRules, true, "DIALOG"}),
    [](const testing::TestParamInfo<FormRule>& c) { return std::string(c.param.Name); });

TEST_F(Attachment, ASecondActivationMakesNoSecondHolder) {
  TForm& form = NewForm();
  TForm& other = NewForm();
  ShowAndActivate(form);
  ShowAndActivate(other);
  ShowAndActivate(form);
  EXPECT_EQ(HoldersOf(form.Handle()), 1u);
  EXPECT_EQ(HoldersOf(other.Handle()), 1u);
  EXPECT_EQ(TacAttachment::Instance().Holders().size(), 2u);
}

TEST_F(Attachment, HoldersOfDestroyedFormsLeaveTheList) {
  for (int i = 0; i < 5; ++i) {
    ShowAndActivate(NewForm());
    forms.pop_back();
  }
  EXPECT_TRUE(TacAttachment::Instance().Holders().empty());
}

TEST_F(Attachment, SystemDialogsAreSkinnedWhenCreatedAndLeaveWithTheirWindow) {
  {
    SystemDialog dialog;
    ASSERT_NE(dialog.Window, nullptr);
    EXPECT_TRUE(Skinned(dialog.Window));
    EXPECT_EQ(HoldersOf(dialog.Window), 1u);
    EXPECT_EQ(SendMessageW(dialog.Window, SM_SKINCOMMAND, MakeSkinCommand(SK_IS_SKINNED), 0), 1);
    const TacProvider& holder = *TacAttachment::Instance().Holders().back();
    ASSERT_NE(holder.ListSW, nullptr);
    EXPECT_EQ(holder.ListSW->SkinData().SkinSection(), "DIALOG");
    EXPECT_EQ(holder.sp, nullptr);
    // The dialog's background is the section's colour.
    const LRESULT brush = SendMessageW(dialog.Window, WM_CTLCOLORDLG, 0, 0);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(holder.ListSW->Brush()));
    LOGBRUSH look{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof look, &look);
    EXPECT_EQ(look.lbColor, static_cast<COLORREF>(holder.ListSW->SkinData().GetBGColor(0)));
  }
  EXPECT_TRUE(TacAttachment::Instance().Holders().empty());
}

TEST_F(Attachment, SystemDialogsNeedStdDialogs) {
  manager->SetSkinningRules(Without(TacSkinningRule::srStdDialogs));
  SystemDialog dialog;
  EXPECT_FALSE(Skinned(dialog.Window));
}

TEST_F(Attachment, TheManagerMayKeepADialogInTheSystemsLook) {
  HWND asked = nullptr;
  manager->OnSysDlgInit = [&asked](TObject*, TacSysDlgData& data, bool& allow) {
    asked = data.WindowHandle;
    allow = false;
  };
  SystemDialog dialog;
  EXPECT_EQ(asked, dialog.Window);
  EXPECT_FALSE(Skinned(dialog.Window));
}

TEST_F(Attachment, AThirdVisibleDialogIsSkinnedOnlyWhenItHoldsAToolbar) {
  SystemDialog first, second;
  ASSERT_TRUE(Skinned(first.Window) && Skinned(second.Window));
  SystemDialog plain;
  EXPECT_FALSE(Skinned(plain.Window));
  SetActiveWindow(plain.Window);
  EXPECT_FALSE(Skinned(plain.Window));

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  SystemDialog withToolbar;
  EXPECT_FALSE(Skinned(withToolbar.Window)) << "it has no toolbar yet when it is created";
  ASSERT_NE(CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, withToolbar.Window,
                            nullptr, nullptr, nullptr),
            nullptr);
  SetActiveWindow(first.Window);
  SetActiveWindow(withToolbar.Window);
  EXPECT_TRUE(Skinned(withToolbar.Window));

  // Hidden skinned dialogs do not count. (The unskinned one goes first: hiding
  // the others would activate it, and an activated dialog is attached.)
  DestroyWindow(plain.Window);
  ShowWindow(first.Window, SW_HIDE);
  ShowWindow(withToolbar.Window, SW_HIDE);
  SystemDialog third;
  EXPECT_TRUE(Skinned(third.Window));
}

TEST_F(Attachment, AWindowWhoseCreationIsCancelledGetsNoHolder) {
  manager->SetActive(false);
  const TacScopedHook cancel(SetWindowsHookExW(WH_CBT, CancelDialogs, nullptr, GetCurrentThreadId()));
  manager->SetActive(true);
  ASSERT_TRUE(TacAttachment::Instance().HookInstalled());
  SystemDialog dialog;
  EXPECT_EQ(dialog.Window, nullptr);
  EXPECT_TRUE(TacAttachment::Instance().Holders().empty());
}

TEST_F(Attachment, RemovingTheSkinFreesTheHoldersAndANewSkinAttachesOnlyFormsWithoutAProvider) {
  TForm& first = NewForm();
  ShowAndActivate(first);
  SystemDialog dialog;
  TsSkinProvider* provider = ProviderOf(first);
  ASSERT_NE(provider, nullptr);
  ASSERT_EQ(TacAttachment::Instance().Holders().size(), 2u);

  manager->SetActive(false);
  EXPECT_FALSE(TacAttachment::Instance().HookInstalled());
  EXPECT_TRUE(TacAttachment::Instance().Holders().empty());
  EXPECT_EQ(ProviderOf(first), provider);
  EXPECT_FALSE(Skinned(dialog.Window)) << "the dialog's adapter went with its holder";

  manager->SetActive(true);
  EXPECT_TRUE(provider->Skinned()) << "the provider that stayed takes the new skin";
  TForm& second = NewForm();
  ShowAndActivate(second);
  ShowAndActivate(first);
  EXPECT_EQ(HoldersOf(first.Handle()), 0u);
  EXPECT_EQ(HoldersOf(second.Handle()), 1u);
  EXPECT_EQ(ProviderOf(first), provider);
}

TEST_F(Attachment, PopupMenuWindowsGetAnAdapterThatGoesWithThem) {
  const HWND menu = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, MAKEINTATOM(32768), L"", WS_POPUP, 0, 0, 50, 50,
                                    nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(Skinned(menu));
  ASSERT_EQ(TacAttachment::Instance().MenuAdapters().size(), 1u);
  EXPECT_EQ(TacAttachment::Instance().MenuAdapters()[0]->SkinData().SkinSection(), "MAINMENU");
  DestroyWindow(menu);
  EXPECT_TRUE(TacAttachment::Instance().MenuAdapters().empty());
}

struct ErrorBoxSeen {
  bool Box = false;
  bool Skinned = false;
} errorBoxSeen;

BOOL CALLBACK LookAtErrorBox(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  errorBoxSeen = {true, IsSkinAwareWindow(window)};
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK FindErrorBox(HWND, UINT, UINT_PTR, DWORD) {
  if (!errorBoxSeen.Box) EnumThreadWindows(GetCurrentThreadId(), LookAtErrorBox, 0);
}

// The engine's own error box is a system dialog: it comes up in the skin.
TEST_F(Attachment, TheEnginesErrorBoxComesUpSkinned) {
  errorBoxSeen = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, FindErrorBox);
  DefaultErrorBox("Skinned?", TacBoxKind::bkError);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(errorBoxSeen.Box);
  EXPECT_TRUE(errorBoxSeen.Skinned);
  EXPECT_TRUE(TacAttachment::Instance().Holders().empty()) << "its holder went with it";
}
