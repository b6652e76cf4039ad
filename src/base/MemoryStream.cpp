#include "base/MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "base/FileUtils.h"

size_t TMemoryStream::Read(void* buffer, size_t count) {
  const size_t n = std::min(count, FData.size() - FPosition);
  if (n > 0) std::memcpy(buffer, FData.data() + FPosition, n);
  FPosition += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
  if (count == 0) return;
  if (FPosition + count > FData.size()) FData.resize(FPosition + count);
  std::memcpy(FData.data() + FPosition, buffer, count);
  FPosition += count;
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  FData = ReadFileBytes(path);
  FPosition = 0;
}

void TMemoryStream::SaveToFile(const std::string& path) const { WriteFileBytes(path, FData); }
