#include "SkinTestFiles.h"

#include <random>

#include "base/FileUtils.h"

TempDir::TempDir() {
  std::random_device random;
  FRoot = std::filesystem::temp_directory_path() / ("acs-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(FRoot);
  FPath = FromPath(FRoot) + "/";
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(FRoot, ec);
}

void TempDir::WriteFile(const std::string& relative, const std::string& text) const {
  WriteFile(relative, Bytes(text));
}

void TempDir::WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) const {
  const std::filesystem::path path = ToPath(FPath + relative);
  std::filesystem::create_directories(path.parent_path());
  WriteFileBytes(FromPath(path), bytes);
}

ErrorBoxRecorder::ErrorBoxRecorder() {
  FPrevious = SetErrorBoxProc([this](const std::string& text, TacBoxKind kind) {
    Texts.push_back(text);
    Kinds.push_back(kind);
  });
}

ErrorBoxRecorder::~ErrorBoxRecorder() { SetErrorBoxProc(FPrevious); }

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }
