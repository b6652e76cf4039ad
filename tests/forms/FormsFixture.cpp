#include "FormsFixture.h"

#include <algorithm>

#include "forms/SkinnedForms.h"
#include "framework/Application.h"

void FormsFixture::SetUp() {
  RegisterSkinnedForms();
  manager = MakeFixtureManager();
  ASSERT_TRUE(manager->IsActive());
  ASSERT_TRUE(TacAttachment::Instance().HookInstalled());
}

void FormsFixture::TearDown() {
  forms.clear();
  manager.reset();
  EXPECT_TRUE(TacAttachment::Instance().Holders().empty());
}

TForm& FormsFixture::NewForm(const std::string& className) {
  forms.push_back(className == "TForm" ? std::make_unique<TForm>(nullptr) : std::make_unique<NamedForm>(className));
  TForm& form = *forms.back();
  form.SetBounds(60, 60, 300, 200);
  form.HandleNeeded();
  return form;
}

void FormsFixture::ShowAndActivate(TForm& form) {
  form.Show();
  SetForegroundWindow(form.Handle());
  SetActiveWindow(form.Handle());
  Application().ProcessMessages();
}

TsSkinProvider* FormsFixture::ProviderOf(TForm& form) {
  return reinterpret_cast<TsSkinProvider*>(form.Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)));
}

size_t FormsFixture::HoldersOf(HWND window) {
  const auto& holders = TacAttachment::Instance().Holders();
  return static_cast<size_t>(
      std::count_if(holders.begin(), holders.end(), [window](const TacProvider* h) { return h->CtrlHandle == window; }));
}
