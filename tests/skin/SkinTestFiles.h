#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/ErrorBox.h"

// A fresh directory under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory as the engine writes it, with a trailing separator.
  const std::string& Path() const { return FPath; }
  void WriteFile(const std::string& relative, const std::string& text) const;
  void WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) const;

 private:
  std::filesystem::path FRoot;
  std::string FPath;
};

// Records error boxes instead of showing them, for the lifetime of the object.
class ErrorBoxRecorder {
 public:
  ErrorBoxRecorder();
  ~ErrorBoxRecorder();
  std::vector<std::string> Texts;
  std::vector<TacBoxKind> Kinds;

 private:
  TacErrorBoxProc FPrevious;
};

std::vector<uint8_t> Bytes(const std::string& text);

// A PNG file of top-down 0xAARRGGBB pixels with straight alpha.
std::vector<uint8_t> EncodePng(const uint32_t* pixels, int width, int height);
