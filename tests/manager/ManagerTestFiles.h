#pragma once
#include <memory>
#include <string>
#include <vector>

#include "../skin/SkinTestFiles.h"
#include "base/FileUtils.h"
#include "framework/Form.h"
#include "manager/SkinManager.h"

// A form that records the skin commands it receives.
class RecordingForm : public TForm {
 public:
  struct Command {
    int Code;
    int Argument;
    LPARAM LParam;
  };
  RecordingForm() : TForm(nullptr) {}
  void WndProc(TMessage& message) override;
  std::vector<Command> Received;
  int Count(int code) const;
};

inline const std::string kOrvale = "Orvale (internal)";

std::vector<uint8_t> OrvaleArchive();
// A small skin: a few sections and no images.
std::string FixtureOptions(const std::string& extra = "");
std::vector<uint8_t> PackedFixture(const std::string& options = FixtureOptions());
// Stored-skin data as a definition writes it: {hex digits}.
std::string StoredData(const std::vector<uint8_t>& bytes);

// A manager on a skin directory of its own, with error boxes recorded and a
// form that hears its announcements.
class ManagerFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void AddStoredSkin(const std::string& name, const std::vector<uint8_t>& data);
  // Reads a definition holding one manager (its properties as text lines),
  // so that it is created and loaded the way the main window's is.
  std::unique_ptr<TForm> ReadManagerDefinition(const std::string& properties);

  TempDir dir;
  ErrorBoxRecorder errors;
  std::unique_ptr<RecordingForm> form;
  std::unique_ptr<TsSkinManager> manager;
};
