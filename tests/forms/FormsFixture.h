#pragma once
// Forms with the fixture's manager, the form skinning connected, and helpers
// that show and ask a form the way the system and other windows do.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../core/TestSkinned.h"
#include "../skin/SkinTestFiles.h"
#include "forms/Attachment.h"
#include "forms/SkinProvider.h"
#include "framework/Form.h"
#include "manager/SkinManager.h"

// A form whose class has the given name, as forms of other programs' classes have.
class NamedForm : public TForm {
 public:
  explicit NamedForm(std::string name)
      : TForm(nullptr), FInfo(std::move(name), &TForm::StaticClassInfo(), nullptr, nullptr) {}
  const TClassInfo& ClassInfo() const override { return FInfo; }

 private:
  TClassInfo FInfo;
};

class FormsFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A form 300 x 200 with its window, not yet shown.
  TForm& NewForm(const std::string& className = "TForm");
  // Shows and activates it, and lets it paint.
  static void ShowAndActivate(TForm& form);
  static TsSkinProvider* ProviderOf(TForm& form);
  // How many holders serve this window.
  static size_t HoldersOf(HWND window);

  ErrorBoxRecorder errors;
  std::unique_ptr<TsSkinManager> manager;
  std::vector<std::unique_ptr<TForm>> forms;
};
