#include "skin/SkinSources.h"

#include <string_view>

#include "base/ErrorBox.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "skin/SkinLimits.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string_view Tail(std::string_view s, size_t from) { return from < s.size() ? s.substr(from) : std::string_view(); }

void SetOptionsText(TMemIniFile& options, const TMemoryStream& stream) {
  const auto bytes = stream.Bytes();
  options.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// Reads an archive into a new convertor; a skin without options cannot be shown.
std::unique_ptr<TacSkinConvertor> ReadArchive(std::span<const uint8_t> packed, const std::string& SkinName) {
  auto convertor = std::make_unique<TacSkinConvertor>();
  convertor->PackedData = packed;
  const bool ok = ReadPackedSkin(*convertor);
  convertor->PackedData = {};
  if (!ok || !convertor->Options) throw ESkinFormatError(InternalFormatErrorText(SkinName));
  return convertor;
}

}  // namespace

std::string NormalizeDirectory(const std::string& dir) {
  if (dir.empty() || dir.back() == '\\') return dir;
  if (dir.back() == '/') return dir.substr(0, dir.size() - 1) + "\\";
  if (dir.size() == 1) return dir + ":\\";
  return dir + "\\";
}

std::string GetFullSkinDirectory(const std::string& SkinDirectory, const std::string& AppDir) {
  const std::string_view dir = SkinDirectory;
  std::string result;
  if (dir.starts_with("..")) {
    std::string parent = AppDir;
    if (!parent.empty()) parent.pop_back();
    while (!parent.empty() && !IsSeparator(parent.back())) parent.pop_back();
    result = parent + std::string(Tail(dir, 3));
  } else if (dir.starts_with(".\\") || dir.starts_with("./")) {
    result = AppDir + std::string(Tail(dir, 2));
  } else if (dir == ".") {
    result = AppDir;
  } else if (dir.find(':') == std::string_view::npos && dir.find("\\\\") == std::string_view::npos) {
    result = AppDir + SkinDirectory;
  } else {
    result = SkinDirectory;
  }
  return NormalizeDirectory(result);
}

std::string StripAszExtension(const std::string& name) {
  return name.size() > 4 && EndsText(".asz", name) ? name.substr(0, name.size() - 4) : name;
}

std::string InternalFormatErrorText(const std::string& SkinName) {
  return "Internal format error in the \"" + SkinName + "\" skin. Please, update this skin to latest version.";
}

bool IsNameInsideFolder(std::string_view Name) {
  if (Name.empty() || Name.find(':') != std::string_view::npos || IsSeparator(Name.front())) return false;
  size_t start = 0;
  while (start <= Name.size()) {
    size_t end = start;
    while (end < Name.size() && !IsSeparator(Name[end])) ++end;
    if (Name.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

std::optional<std::vector<uint8_t>> TacSkinSource::ReadSkinFile(const std::string& FileName) const {
  if (Convertor) {
    const TMemoryStream* stream = Convertor->FindFile(FileName);
    if (!stream) return std::nullopt;
    return stream->Data();
  }
  // A folder's skin names its files relative to itself; one that would
  // reach outside it counts as missing.
  if (Kind != sskFolder || !IsNameInsideFolder(FileName)) return std::nullopt;
  const std::string path = SkinPath + FileName;
  if (!FileExists(path)) return std::nullopt;
  return ReadFileBytes(path, acMaxSkinFileBytes);
}

TacSkinSource LoadSkinSource(const std::string& SkinName, const std::string& SkinDirectory, const std::string& AppDir,
                             const TsStoredSkins& InternalSkins) {
  TacSkinSource source;
  source.SkinName = SkinName;
  const std::string directory = GetFullSkinDirectory(SkinDirectory, AppDir);

  source.SkinPath = directory + SkinName + "\\";
  if (FileExists(source.SkinPath + acOptionsFileName)) {
    source.Kind = sskFolder;
    source.Options.LoadFromFile(source.SkinPath + acOptionsFileName, acMaxOptionsBytes);
    return source;
  }

  // The same directory as the folder above, so that a relative skin
  // directory finds ".asz" files next to the executable, not the current one.
  const std::string packedFile = directory + SkinName + ".asz";
  if (FileExists(packedFile)) {
    const std::vector<uint8_t> packed = ReadFileBytes(packedFile, acMaxArchiveBytes);
    source.Convertor = ReadArchive(packed, SkinName);
    source.Kind = sskPackedFile;
    SetOptionsText(source.Options, *source.Convertor->Options);
    return source;
  }

  source.SkinPath.clear();
  if (InternalSkins.empty()) return source;
  source.StoredIndex = 0;
  for (size_t i = 0; i < InternalSkins.size(); ++i)
    if (InternalSkins[i]->Name == SkinName) {
      source.StoredIndex = static_cast<int>(i);
      break;
    }
  const TsStoredSkin& stored = *InternalSkins[static_cast<size_t>(source.StoredIndex)];
  source.SkinName = stored.Name;
  // A stored skin without data has nothing to show; say so instead of keeping
  // whatever the previous skin left behind.
  if (stored.PackedData.Size() == 0) throw ESkinFormatError(InternalFormatErrorText(stored.Name));
  source.Convertor = ReadArchive(stored.PackedData.Bytes(), stored.Name);
  source.Kind = sskStored;
  SetOptionsText(source.Options, *source.Convertor->Options);
  return source;
}

void ExtractByIndex(const TsStoredSkins& InternalSkins, int Index, const std::string& DestDir) {
  const std::string dir = NormalizeDirectory(DestDir);
  if (!ForceDirectories(dir)) {
    ShowErrorBox(dir + " directory creation error.");
    return;
  }
  if (Index < 0 || static_cast<size_t>(Index) >= InternalSkins.size()) {
    ShowErrorBox("Skin does not exists.");
    return;
  }
  const TsStoredSkin& stored = *InternalSkins[static_cast<size_t>(Index)];
  if (stored.PackedData.Size() == 0) return;
  try {
    stored.PackedData.SaveToFile(dir + stored.Name + " extracted.asz");
  } catch (const Exception& e) {
    ShowErrorBox(e.what());
  }
}

void ExtractInternalSkin(const TsStoredSkins& InternalSkins, const std::string& NameOfSkin, const std::string& DestDir) {
  bool found = false;
  for (size_t i = 0; i < InternalSkins.size(); ++i) {
    if (InternalSkins[i]->Name != NameOfSkin) continue;
    found = true;
    if (DirectoryExists(DestDir))
      ExtractByIndex(InternalSkins, static_cast<int>(i), DestDir);
    else
      ShowErrorBox("Directory does not exists.");
  }
  if (!found) ShowErrorBox("Skin does not exists.");
}
