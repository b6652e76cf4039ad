#pragma once
// The skinned controls on a form of their own, with the fixture's manager.
#include <gtest/gtest.h>

#include <memory>

#include "../core/TestSkinned.h"
#include "../skin/SkinTestFiles.h"
#include "framework/Form.h"

class ControlsFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts Control on Parent at Bounds and binds it, as reading a definition does.
  template <class T>
  T* Place(TWinControl* Parent, RECT Bounds) {
    auto* control = new T(form.get());
    control->SetParent(Parent);
    control->SetBounds(Bounds.left, Bounds.top, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top);
    control->Loaded();
    return control;
  }

  ErrorBoxRecorder errors;
  std::unique_ptr<TsSkinManager> manager;
  std::unique_ptr<TForm> form;
};
