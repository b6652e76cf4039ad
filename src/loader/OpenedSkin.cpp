#include "loader/OpenedSkin.h"

#include "base/FileUtils.h"
#include "skin/SkinLimits.h"

namespace {
// A folder is read as a skin folder, anything else as a packed skin file.
std::unique_ptr<TacSkinSource> SourceAt(const std::string& Path) {
  auto source = std::make_unique<TacSkinSource>();
  if (DirectoryExists(Path)) {
    source->Kind = sskFolder;
    source->SkinPath = Path + "/";
    source->Options.LoadFromFile(source->SkinPath + acOptionsFileName, acMaxOptionsBytes);
    return source;
  }
  source->Kind = sskPackedFile;
  source->Convertor = std::make_unique<TacSkinConvertor>();
  if (!ReadPackedSkinFile(Path, *source->Convertor) || !source->Convertor->Options)
    throw ESkinFormatError(InternalFormatErrorText(Path));
  const auto bytes = source->Convertor->Options->Bytes();
  source->Options.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return source;
}
}  // namespace

std::unique_ptr<TacOpenedSkin> TacOpenedSkin::FromPath(const std::string& Path, int32_t PPI,
                                                       const TacSkinLoadInputs& Inputs) {
  std::unique_ptr<TacOpenedSkin> skin(new TacOpenedSkin(Inputs));
  skin->FLoader.Open(SourceAt(Path), Inputs);
  skin->Load(PPI);
  return skin;
}

std::unique_ptr<TacOpenedSkin> TacOpenedSkin::FromStored(const TsStoredSkins& Stored, const std::string& Name,
                                                         int32_t PPI, const TacSkinLoadInputs& Inputs) {
  std::unique_ptr<TacOpenedSkin> skin(new TacOpenedSkin(Inputs));
  skin->FInputs.InternalSkins = &Stored;
  if (!skin->FLoader.InitSkinFile(Name, skin->FInputs)) throw Exception("There is no skin \"" + Name + "\".");
  skin->Load(PPI);
  return skin;
}

TacSkinData& TacOpenedSkin::Load(int32_t PPI, const TacSkinLoadInputs& Inputs) {
  FLoader.EnsureCommonData();
  auto data = std::make_unique<TacSkinData>(PPI);
  FLoader.LoadSkinData(*data, Inputs, {});
  FData.push_back(std::move(data));
  return *FData.back();
}
