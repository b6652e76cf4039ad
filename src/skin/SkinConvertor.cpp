#include "skin/SkinConvertor.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/ErrorBox.h"
#include "base/Exception.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "skin/SkinLimits.h"

namespace {

constexpr size_t kMarkerLength = sizeof(acPreviewMarker) - 1;
// Deflate cannot expand data by more than about 1032:1, so a declared size
// above that bound is a lie and must not drive an allocation.
constexpr size_t kMaxInflateRatio = 1032;
// Output grows with the data actually inflated, never with the declared size.
constexpr size_t kInitialReserve = size_t{1} << 20;

[[noreturn]] void Damaged(const std::string& what) { throw Exception("The packed skin is damaged: " + what + "."); }

}  // namespace

std::string QuotedEntryName(const std::string& name) {
  std::string text = "\"";
  for (const char c : name) {
    if (static_cast<unsigned char>(c) >= ' ') {
      text += c;
      continue;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    text += "\\x";
    text += kHex[static_cast<unsigned char>(c) >> 4];
    text += kHex[static_cast<unsigned char>(c) & 15];
  }
  return text + "\"";
}

namespace {

class ArchiveReader {
 public:
  explicit ArchiveReader(std::span<const uint8_t> data) : FData(data) {}

  size_t Position() const { return FPos; }
  size_t Remaining() const { return FData.size() - FPos; }

  bool TryReadInt32(int32_t& value) {
    if (Remaining() < 4) return false;
    value = static_cast<int32_t>(static_cast<uint32_t>(FData[FPos]) | static_cast<uint32_t>(FData[FPos + 1]) << 8 |
                                 static_cast<uint32_t>(FData[FPos + 2]) << 16 |
                                 static_cast<uint32_t>(FData[FPos + 3]) << 24);
    FPos += 4;
    return true;
  }

  std::span<const uint8_t> Take(size_t count) {
    const auto result = FData.subspan(FPos, count);
    FPos += count;
    return result;
  }

  // Inflates exactly one zlib stream and leaves the position after its
  // trailer. An entry may hold EntryLimit bytes, and no more than TotalLeft
  // of what all entries of the archive may hold together.
  std::vector<uint8_t> InflateEntry(const std::string& name, size_t declared, size_t entryLimit, size_t totalLeft) {
    if (declared / kMaxInflateRatio > Remaining())
      Damaged(QuotedEntryName(name) + " declares " + std::to_string(declared) + " bytes, more than its data can hold");
    if (declared > entryLimit)
      Damaged(QuotedEntryName(name) + " declares " + std::to_string(declared) + " bytes, more than the " +
              std::to_string(entryLimit) + " an entry may have");
    if (declared > totalLeft)
      Damaged("its entries hold more than the " + std::to_string(acMaxArchiveBytes) + " bytes a skin may have");
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw Exception("Cannot start the decompressor for " + QuotedEntryName(name) + ".");
    std::vector<uint8_t> out;
    out.reserve(std::min<size_t>(declared, kInitialReserve));
    const auto input = FData.subspan(FPos);
    zs.next_in = const_cast<Bytef*>(input.data());
    zs.avail_in = static_cast<uInt>(std::min<size_t>(input.size(), std::numeric_limits<uInt>::max()));
    uint8_t chunk[65536];
    for (;;) {
      zs.next_out = chunk;
      zs.avail_out = sizeof(chunk);
      const int rc = inflate(&zs, Z_NO_FLUSH);
      const size_t produced = sizeof(chunk) - zs.avail_out;
      if (out.size() + produced > declared) {
        inflateEnd(&zs);
        Damaged(QuotedEntryName(name) + " holds more than the " + std::to_string(declared) + " bytes declared for it");
      }
      out.insert(out.end(), chunk, chunk + produced);
      if (rc == Z_STREAM_END) break;
      if (rc == Z_OK) continue;
      // With room for output, a buffer error means the input ran out.
      const std::string reason = rc == Z_BUF_ERROR ? "it is cut off" : zs.msg ? zs.msg : "invalid data";
      inflateEnd(&zs);
      Damaged("the data of " + QuotedEntryName(name) + " cannot be decompressed (" + reason + ")");
    }
    const auto consumed = static_cast<size_t>(zs.next_in - input.data());
    inflateEnd(&zs);
    if (out.size() != declared)
      Damaged(QuotedEntryName(name) + " holds " + std::to_string(out.size()) + " bytes, but " + std::to_string(declared) +
              " were declared");
    FPos += consumed;
    return out;
  }

 private:
  std::span<const uint8_t> FData;
  size_t FPos = 0;
};

// After the entries only a complete preview block may follow.
void CheckTail(ArchiveReader& reader) {
  if (reader.Remaining() == 0) return;
  const auto marker = reader.Take(std::min(reader.Remaining(), kMarkerLength));
  int32_t length = 0;
  if (marker.size() != kMarkerLength || std::memcmp(marker.data(), acPreviewMarker, kMarkerLength) != 0)
    Damaged("unexpected data follows the last entry");
  if (!reader.TryReadInt32(length) || length < 0 || static_cast<size_t>(length) > reader.Remaining())
    Damaged("the length of the preview image runs past the end of the data");
  reader.Take(static_cast<size_t>(length));
  if (reader.Remaining() != 0) Damaged("unexpected data follows the preview image");
}

}  // namespace

TacFileType FileTypeOfName(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  const std::string ext = dot == std::string::npos ? std::string() : UpperCase(name.substr(dot));
  if (ext == ".BMP") return ftBmp;
  if (ext == ".TTF" || ext == ".OTF") return ftFont;
  return ftOther;
}

const TMemoryStream* TacSkinConvertor::FindFile(const std::string& name) const {
  for (const TacFileItem& item : Files)
    if (SameText(item.Name, name)) return item.Stream.get();
  return nullptr;
}

bool ReadPackedSkin(TacSkinConvertor& Convertor) {
  Convertor.Options.reset();
  Convertor.Files.clear();
  Convertor.FileCount = 0;
  ArchiveReader reader(Convertor.PackedData);
  if (Convertor.PackedData.size() < 4 || std::memcmp(Convertor.PackedData.data(), acPackedMagic, 4) != 0) {
    ShowErrorBox(acNotPackedText, TacBoxKind::bkError);
    return false;
  }
  reader.Take(4);
  int32_t count = 0;
  // The smallest entry is an empty name, a size and an 8-byte zlib stream.
  if (!reader.TryReadInt32(count)) Damaged("it ends before its entry count");
  if (count < 0 || static_cast<size_t>(count) > reader.Remaining() / 16)
    Damaged("its entry count (" + std::to_string(count) + ") does not fit the " +
            std::to_string(Convertor.PackedData.size()) + " bytes of the archive");

  // What all entries inflate to together is limited as well as each entry:
  // a small archive of many large entries must not fill the memory.
  size_t inflated = 0;
  for (int32_t i = 0; i < count; ++i) {
    const std::string ordinal = "entry " + std::to_string(i + 1);
    int32_t nameLength = 0;
    if (!reader.TryReadInt32(nameLength) || nameLength < 0 || static_cast<size_t>(nameLength) > reader.Remaining())
      Damaged("the name of " + ordinal + " runs past the end of the data");
    const auto nameBytes = reader.Take(static_cast<size_t>(nameLength));
    std::string name(nameBytes.begin(), nameBytes.end());
    int32_t size = 0;
    if (!reader.TryReadInt32(size)) Damaged(QuotedEntryName(name) + " (" + ordinal + ") is cut off before its size");
    if (size < 0) Damaged(QuotedEntryName(name) + " (" + ordinal + ") declares a negative size");
    const bool options = SameText(name, acOptionsFileName);
    auto stream = std::make_unique<TMemoryStream>(reader.InflateEntry(
        name, static_cast<size_t>(size), options ? acMaxOptionsBytes : acMaxSkinFileBytes, acMaxArchiveBytes - inflated));
    inflated += stream->Size();
    if (options) {
      Convertor.Options = std::move(stream);  // a later options entry replaces an earlier one
    } else {
      const TacFileType type = FileTypeOfName(name);
      Convertor.Files.push_back(TacFileItem{std::move(name), type, std::move(stream)});
    }
  }
  CheckTail(reader);
  Convertor.FileCount = static_cast<int>(Convertor.Files.size());
  return true;
}

bool ReadPackedSkinFile(const std::string& path, TacSkinConvertor& Convertor) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path, acMaxArchiveBytes);
  Convertor.PackedData = bytes;
  struct Detach {
    TacSkinConvertor& c;
    ~Detach() { c.PackedData = {}; }
  } detach{Convertor};
  return ReadPackedSkin(Convertor);
}

bool ReadSkinPreview(std::span<const uint8_t> packed, TMemoryStream& Output) {
  const auto first = std::search(packed.begin(), packed.end(), acPreviewMarker, acPreviewMarker + kMarkerLength);
  if (first == packed.end()) return false;
  // The block closes the archive. Prefer the marker whose block ends exactly
  // there, so that an entry name containing the marker text cannot mislead.
  auto marker = first;
  for (auto it = first; it != packed.end();
       it = std::search(it + 1, packed.end(), acPreviewMarker, acPreviewMarker + kMarkerLength)) {
    ArchiveReader tail(packed.subspan(static_cast<size_t>(it - packed.begin()) + kMarkerLength));
    int32_t length = 0;
    if (tail.TryReadInt32(length) && length >= 0 && static_cast<size_t>(length) == tail.Remaining()) {
      marker = it;
      break;
    }
  }
  ArchiveReader reader(packed.subspan(static_cast<size_t>(marker - packed.begin()) + kMarkerLength));
  int32_t length = 0;
  if (!reader.TryReadInt32(length) || length < 0 || static_cast<size_t>(length) > reader.Remaining())
    throw Exception("The preview image of the packed skin is damaged: its length runs past the end of the data.");
  const auto png = reader.Take(static_cast<size_t>(length));
  Output.Clear();
  Output.Write(png.data(), png.size());
  Output.Seek(0);
  return true;
}

bool ReadSkinPreviewFile(const std::string& path, TMemoryStream& Output) {
  return ReadSkinPreview(ReadFileBytes(path, acMaxArchiveBytes), Output);
}
