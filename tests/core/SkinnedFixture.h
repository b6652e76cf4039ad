#pragma once
// Test controls on a hidden form, with the fixture's skin manager.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../skin/SkinTestFiles.h"
#include "TestSkinned.h"
#include "framework/Form.h"

class SkinnedFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes Bitmap as a PNG into the test output folder, for looking at.
  static void SavePng(const TacWorkBitmap& Bitmap, const std::string& Name);

  ErrorBoxRecorder errors;
  std::unique_ptr<TsSkinManager> manager;
  std::unique_ptr<TForm> form;
};

// A gradient panel at (10, 10), 280 x 140, holding a button of the stored
// skin at (20, 15), 252 x 23, transparent round its rounded border.
class PanelAndButton : public SkinnedFixture {
 protected:
  void SetUp() override;

  TestSkinned* panel = nullptr;
  TestSkinned* button = nullptr;
};
