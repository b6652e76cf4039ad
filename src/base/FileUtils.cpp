#include "base/FileUtils.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "base/Exception.h"
#ifdef _WIN32
#include <windows.h>

#include "base/StrUtils.h"
#endif

std::filesystem::path ToPath(const std::string& path) {
#ifdef _WIN32
  return std::filesystem::path(Utf8ToWide(path));
#else
  std::string native = path;
  for (char& c : native)
    if (c == '\\') c = '/';
  return std::filesystem::path(native);
#endif
}

std::string FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
  return WideToUtf8(path.wstring());
#else
  return path.string();
#endif
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(ToPath(path), ec);
}

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(ToPath(path), ec);
}

bool ForceDirectories(const std::string& path) {
  if (DirectoryExists(path)) return true;
  std::error_code ec;
  std::filesystem::create_directories(ToPath(path), ec);
  return DirectoryExists(path);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path, size_t MaxBytes) {
  const std::filesystem::path native = ToPath(path);
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(native, ec);
  if (std::filesystem::is_directory(status))
    throw Exception("Cannot read file \"" + path + "\": it is a folder, not a file.");
  // A device opens like a file, also one that the system does not list
  // (NUL or CON on Windows): only what is listed as a regular file is read.
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    throw Exception("Cannot read file \"" + path + "\": it is not a regular file.");
  if (!std::filesystem::is_regular_file(status))
    throw Exception("Cannot open file \"" + path + "\": " + std::generic_category().message(ENOENT) + ".");
  std::ifstream in(native, std::ios::binary);
  if (!in) throw Exception("Cannot open file \"" + path + "\": " + std::strerror(errno) + ".");
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0) throw Exception("Cannot read file \"" + path + "\".");
  if (static_cast<uint64_t>(size) > MaxBytes)
    throw Exception("Cannot read file \"" + path + "\": it holds " + std::to_string(size) + " bytes, more than the " +
                    std::to_string(MaxBytes) + " it may have.");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
    throw Exception("Cannot read file \"" + path + "\".");
  return bytes;
}

void WriteFileBytes(const std::string& path, std::span<const uint8_t> bytes) {
  std::ofstream out(ToPath(path), std::ios::binary | std::ios::trunc);
  if (!out) throw Exception("Cannot create file \"" + path + "\": " + std::strerror(errno) + ".");
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Exception("Cannot write file \"" + path + "\".");
}

std::string ApplicationDirectory() {
#ifdef _WIN32
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  std::string exe = WideToUtf8(buffer);
  return exe.substr(0, exe.find_last_of("\\/") + 1);
#else
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("./") : exe.parent_path().string() + "/";
#endif
}
