#include "SkinnedFixture.h"

#include <filesystem>

#include "base/FileUtils.h"
#include "graphics/WorkBitmap.h"

void SkinnedFixture::SetUp() {
  manager = MakeFixtureManager();
  ASSERT_TRUE(manager->IsActive());
  form = std::make_unique<TForm>(nullptr);
  form->SetBounds(50, 50, 320, 200);
  form->HandleNeeded();
}
void PanelAndButton::SetUp() {
  SkinnedFixture::SetUp();
  panel = new TestSkinned(form.get(), ckPanel, "", {10, 10, 290, 150});
  panel->Data.SetSkinSection(kGradientPanel);
  button = new TestSkinned(panel, ckButton, "BUTTON", {20, 15, 272, 38});
  form->HandleNeeded();
}

void SkinnedFixture::TearDown() {
  form.reset();
  manager.reset();
}

void SkinnedFixture::SavePng(const TacWorkBitmap& Bitmap, const std::string& Name) {
  std::filesystem::create_directories(FIXTURE_OUTPUT);
  WriteFileBytes(std::string(FIXTURE_OUTPUT) + "/" + Name + ".png", EncodePng(Bitmap.Row(0), Bitmap.Width(), Bitmap.Height()));
}
