#include "ControlsFixture.h"

#include "framework/Application.h"

void ControlsFixture::SetUp() {
  manager = MakeFixtureManager();
  ASSERT_TRUE(manager->IsActive());
  form = std::make_unique<TForm>(nullptr);
  form->SetBounds(50, 50, 320, 200);
  form->HandleNeeded();
}

void ControlsFixture::TearDown() {
  form.reset();
  manager.reset();
}
