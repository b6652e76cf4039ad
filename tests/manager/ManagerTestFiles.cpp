#include <gtest/gtest.h>

#include "ManagerTestFiles.h"

#include <cstdio>

#include "messages/SkinCommand.h"
#include "framework/DefinitionReader.h"
#include "skin/PackedSkinWriter.h"

void RecordingForm::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCOMMAND)
    Received.push_back({SkinCommandOf(message.WParam), SkinArgumentOf(message.WParam), message.LParam});
  TForm::WndProc(message);
}

int RecordingForm::Count(int code) const {
  int count = 0;
  for (const Command& command : Received) count += command.Code == code;
  return count;
}

std::vector<uint8_t> OrvaleArchive() { return ReadFileBytes(std::string(ORVALE_ROOT) + "/Orvale.asz"); }

std::string FixtureOptions(const std::string& extra) {
  return "[GLOBALINFO]\nVERSION=15\nAUTHOR=Fixture\n" + extra +
         "\n[BUTTON]\nCOLOR=255\nFONTCOLOR=0\n[EDIT]\nCOLOR=16777215\n[FORM]\nCOLOR=12632256\n";
}

std::vector<uint8_t> PackedFixture(const std::string& options) {
  return WritePackedSkin({{"Options.dat", Bytes(options)}});
}

void ManagerFixture::SetUp() {
  RegisterClass(TsSkinManager::StaticClassInfo());
  form = std::make_unique<RecordingForm>();
  manager = std::make_unique<TsSkinManager>(nullptr);
  manager->SetSkinDirectory(dir.Path());
}

void ManagerFixture::TearDown() {
  manager.reset();
  form.reset();
}

void ManagerFixture::AddStoredSkin(const std::string& name, const std::vector<uint8_t>& data) {
  auto& item = dynamic_cast<TsStoredSkinItem&>(manager->InternalSkins().Add());
  item.Skin().Name = name;
  item.SetData(data);
}

std::unique_ptr<TForm> ManagerFixture::ReadManagerDefinition(const std::string& properties) {
  auto root = std::make_unique<TForm>(nullptr);
  ReadComponentFromText(*root, "object Host: TForm\n  object Manager: TsSkinManager\n" + properties + "  end\nend\n",
                        "Host");
  return root;
}

std::string StoredData(const std::vector<uint8_t>& bytes) {
  std::string hex = "{";
  char digits[3];
  for (const uint8_t byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", byte);
    hex += digits;
  }
  return hex + "}";
}
