#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Paths are UTF-8 strings written with either separator; on Windows they may
// carry drive letters. ToPath turns one into a path the system accepts.
std::filesystem::path ToPath(const std::string& path);
std::string FromPath(const std::filesystem::path& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the directory and its missing parents; false when that fails.
bool ForceDirectories(const std::string& path);

// Reads no more than this unless told otherwise.
inline constexpr size_t acMaxReadBytes = size_t{1} << 30;

// Throws Exception with the file name and the reason when the file cannot be
// used: it is missing, it is not a regular file (a folder, a device), or it
// holds more than MaxBytes.
std::vector<uint8_t> ReadFileBytes(const std::string& path, size_t MaxBytes = acMaxReadBytes);
void WriteFileBytes(const std::string& path, std::span<const uint8_t> bytes);

// The directory of the running executable, with a trailing separator.
std::string ApplicationDirectory();
