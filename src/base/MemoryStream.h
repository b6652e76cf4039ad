#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A growable byte buffer with a read/write position.
class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : FData(std::move(bytes)) {}

  size_t Size() const { return FData.size(); }
  size_t Position() const { return FPosition; }
  // Positions past the end are clamped to the end.
  void Seek(size_t position) { FPosition = position < FData.size() ? position : FData.size(); }
  // Returns the number of bytes copied, fewer than count at the end.
  size_t Read(void* buffer, size_t count);
  void Write(const void* buffer, size_t count);
  void Clear();

  std::span<const uint8_t> Bytes() const { return FData; }
  std::vector<uint8_t>& Data() { return FData; }
  const std::vector<uint8_t>& Data() const { return FData; }

  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

 private:
  std::vector<uint8_t> FData;
  size_t FPosition = 0;
};
