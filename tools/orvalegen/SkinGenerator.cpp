#include "SkinGenerator.h"

#include <algorithm>

#include "Atlas.h"
#include "Design.h"
#include "Elements.h"
#include "ImageFiles.h"
#include "OptionsTemplate.h"
#include "Preview.h"
#include "base/FileUtils.h"

namespace {

constexpr int HugeButtonSize = 60;

std::string ReadText(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// The engine reads either line ending; the skin is a Windows file, so CR LF.
std::vector<uint8_t> WithCrLf(const std::string& text) {
  std::vector<uint8_t> out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out.push_back('\r');
    out.push_back(static_cast<uint8_t>(c));
  }
  return out;
}

GeneratedFile PngFile(std::string name, Raster picture) {
  std::vector<uint8_t> bytes = EncodePng(picture);
  return GeneratedFile{std::move(name), std::move(bytes), std::move(picture)};
}

Raster HugeButtons(const Design& d) {
  Raster out(4 * HugeButtonSize, HugeButtonSize);
  for (int state = 0; state < 4; ++state)
    out.Draw(OnKeyColour(DrawHugeButton(d, HugeButtonSize, state), d.Col("Window", "Surface")), state * HugeButtonSize, 0);
  return out;
}

Raster Checkerboard(int width, int height) {
  Raster out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.SetPixel(x, y, RgbColour((x / 8 + y / 8) % 2 ? 0xB4B4B4 : 0xCDCDCD));
  return out;
}

}  // namespace

GeneratedSkin GenerateSkin(const std::string& designDir) {
  const Design d = Design::FromFile(designDir + "/Design.ini");
  GeneratedSkin skin;
  skin.SkinFiles.push_back(
      GeneratedFile{"Options.dat", WithCrLf(FillOptionsTemplate(ReadText(designDir + "/Options.dat.in"), d)), {}});
  skin.SkinFiles.push_back(PngFile("MASTER COPY.PNG", DrawMaster(d)));
  Raster huge = HugeButtons(d);
  skin.SkinFiles.push_back(GeneratedFile{"BUTTONHUGE.BMP", EncodeBmp24(huge), std::move(huge)});
  skin.SkinFiles.push_back(PngFile("EXTBORD.PNG", DrawFrameImage(d)));
  skin.SkinFiles.push_back(PngFile("GLOWEDIT.PNG", DrawEditGlow(d)));
  skin.Preview = PngFile("Orvale-preview.png", DrawPreview(d));
  return skin;
}

Raster ContactSheet(const GeneratedSkin& skin) {
  constexpr int scale = 2, gap = 16;
  std::vector<const Raster*> pictures;
  for (const GeneratedFile& f : skin.SkinFiles)
    if (f.Picture.Width() > 0) pictures.push_back(&f.Picture);
  pictures.push_back(&skin.Preview.Picture);

  int width = 0, height = gap;
  for (const Raster* p : pictures) {
    width = std::max(width, p->Width() * scale + 2 * gap);
    height += p->Height() * scale + gap;
  }
  Raster sheet = Checkerboard(width, height);
  int y = gap;
  for (const Raster* p : pictures) {
    sheet.Draw(p->Enlarged(scale), gap, y);
    y += p->Height() * scale + gap;
  }
  return sheet;
}
