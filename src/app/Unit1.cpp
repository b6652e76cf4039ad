#include "app/Unit1.h"

#include <shellapi.h>

#include <utility>

#include "base/StrUtils.h"
#include "controls/SkinnedControls.h"
#include "forms/SkinnedForms.h"
#include "framework/DefinitionReader.h"

const char kVendorAddress[] = "https://velmora.example.com/";

namespace {

// Shown in the read-only field: the value the user copies.
const char kInstallationCode[] = "VLM-4F7Q-92KD-X3RT";

void ShellOpen(HWND owner, const std::string& address) {
  // The result is ignored: a page that cannot be opened leaves the window as it is.
  ShellExecuteW(owner, L"open", Utf8ToWide(address).c_str(), nullptr, nullptr, SW_SHOW);
}

TOpenWebPageProc& OpenWebPageProc() {
  static TOpenWebPageProc proc = ShellOpen;
  return proc;
}

}  // namespace

TOpenWebPageProc SetOpenWebPageProc(TOpenWebPageProc proc) {
  return std::exchange(OpenWebPageProc(), proc ? std::move(proc) : ShellOpen);
}

const TClassInfo& TForm1::StaticClassInfo() {
  static const TClassInfo info("TForm1", &TForm::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  RegisterClass(TsSkinManager::StaticClassInfo());
  RegisterSkinnedControls();
  RegisterSkinnedForms();
  ReadComponentResource(*this, L"TFORM1");
  sPanel1 = Field<TsPanel>("sPanel1");
  sLabel2 = Field<TsLabel>("sLabel2");
  sLabel3 = Field<TsLabel>("sLabel3");
  Label1 = Field<TLabel>("Label1");
  sEdit1 = Field<TsEdit>("sEdit1");
  sButton1 = Field<TsButton>("sButton1");
  sSkinManager1 = Field<TsSkinManager>("sSkinManager1");
  sEdit1->SetText(kInstallationCode);
}

template <class T>
T* TForm1::Field(const std::string& name) {
  T* field = dynamic_cast<T*>(FindComponent(name));
  if (!field) throw Exception("The stored definition of TForm1 has no suitable " + name);
  return field;
}

TNotifyEvent TForm1::MethodAddress(const std::string& name) {
  if (name == "FormShow") return [this](TObject* sender) { FormShow(sender); };
  if (name == "sButton1Click") return [this](TObject* sender) { sButton1Click(sender); };
  if (name == "Label1Click") return [this](TObject* sender) { Label1Click(sender); };
  return nullptr;
}

void TForm1::FormShow(TObject*) {
  // Neither the field nor the button shows a focus state at first.
  sPanel1->SetFocus();
}

void TForm1::sButton1Click(TObject*) {
  sEdit1->SelectAll();
  sEdit1->CopyToClipboard();
  sButton1->SetCaption("Скопировано");
  sButton1->SetEnabled(false);
}

void TForm1::Label1Click(TObject*) { OpenWebPageProc()(Handle(), kVendorAddress); }
