#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

// Runs a fuzz target over files and folders of inputs without libFuzzer, so
// that the normal test run keeps every target building and replays its corpus.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
void RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}
}  // namespace

int main(int argc, char** argv) {
  size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path arg(argv[i]);
    if (!std::filesystem::exists(arg)) continue;
    if (std::filesystem::is_directory(arg)) {
      for (const auto& item : std::filesystem::directory_iterator(arg))
        if (item.is_regular_file()) RunFile(item.path()), ++count;
    } else {
      RunFile(arg), ++count;
    }
  }
  std::cout << "replayed " << count << " inputs\n";
  return count > 0 ? 0 : 1;
}
