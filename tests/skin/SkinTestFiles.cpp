#include "SkinTestFiles.h"

#include <png.h>

#include <cstring>
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

std::vector<uint8_t> EncodePng(const uint32_t* pixels, int width, int height) {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, nullptr);
  std::vector<uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, nullptr)) return {};
  out.resize(size);
  return out;
}
