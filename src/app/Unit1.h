#pragma once
#include <functional>
#include <string>

#include "controls/SkinnedButton.h"
#include "controls/SkinnedEdit.h"
#include "controls/SkinnedLabel.h"
#include "controls/SkinnedPanel.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "manager/SkinManager.h"

// The main window. Its layout, its controls and its skin manager come from
// its stored definition (resource "TFORM1"); the code handles three events.
class TForm1 : public TForm {
  DECLARE_CLASS_INFO

 public:
  explicit TForm1(TComponent* owner);

  TsPanel* sPanel1 = nullptr;
  TsLabel* sLabel2 = nullptr;
  TsLabel* sLabel3 = nullptr;
  TLabel* Label1 = nullptr;
  TsEdit* sEdit1 = nullptr;
  TsButton* sButton1 = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;

  void FormShow(TObject* sender);
  void sButton1Click(TObject* sender);
  void Label1Click(TObject* sender);

  TNotifyEvent MethodAddress(const std::string& name) override;

 private:
  template <class T>
  T* Field(const std::string& name);
};

// The vendor's web page that the link label opens.
extern const char kVendorAddress[];

// Asks the shell to "open" a web address; replaceable so that tests can
// record the request instead of starting a browser.
using TOpenWebPageProc = std::function<void(HWND owner, const std::string& address)>;
TOpenWebPageProc SetOpenWebPageProc(TOpenWebPageProc proc);
