#include "skin/SkinGeneralData.h"

#include <algorithm>

#include "base/Exception.h"
#include "base/StrUtils.h"
#include "skin/SkinLimits.h"
#include "skin/SkinOptions.h"

namespace {

struct StateKeys {
  const char *Color, *FontColor, *Left, *Top, *Right, *Bottom, *GlowColor, *GlowSize, *GradientPercent,
      *Gradient, *ImagePercent, *Transparency, *Light, *Border;
};

constexpr StateKeys kStateKeys[3] = {
    {"COLOR", "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM", "GCOL", "GSIZE", "GRADIENTPERCENT",
     "GRADIENTDATA", "IMAGEPERCENT", "TRANSPARENCY", "LIGHT0", "BORDERCOLOR0"},
    {"HOTCOLOR", "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "HGCOL", "HGSIZE",
     "HOTGRADIENTPERCENT", "HOTGRADIENTDATA", "HOTIMAGEPERCENT", "HOTTRANSPARENCY", "LIGHT1", "BORDERCOLOR1"},
    {"COLOR2", "FONTCOLOR2", "TCLEFT2", "TCTOP2", "TCRIGHT2", "TCBOTTOM2", "GCOL2", "GSIZE2", "GRADIENTPERCENT2",
     "GRADIENTDATA2", "IMAGEPERCENT2", "TRANSPARENCY2", "LIGHT2", "BORDERCOLOR2"},
};

class SectionReader {
 public:
  SectionReader(const TMemIniFile& ini, const std::string& section) : FChain(ini, section) {}

  // Numbers are limited to their key's range as they are read.
  int32_t Int(const char* key, int32_t def) const {
    return LimitSkinValue(key, FChain.Integer(key, def, irmColor, INT32_MAX));
  }
  int32_t Plain(const char* key) const { return LimitSkinValue(key, FChain.Integer(key, 0, irmPlain, INT32_MAX)); }
  bool Bool(const char* key) const { return FChain.Boolean(key, false); }
  std::string Text(const char* key, const char* def) const { return FChain.String(key, def); }

 private:
  TacSectionChain FChain;
};

TsGenState ReadState(const SectionReader& r, const StateKeys& k, TColor defLight) {
  TsGenState s;
  s.Color = r.Int(k.Color, 0xFFFFFF);
  s.FontColor = {r.Int(k.FontColor, 0), r.Int(k.Left, -1), r.Int(k.Top, -1), r.Int(k.Right, -1), r.Int(k.Bottom, -1)};
  s.GlowColor = r.Int(k.GlowColor, 0xFFFFFF);
  s.GlowSize = r.Int(k.GlowSize, 0);
  s.GradientPercent = r.Int(k.GradientPercent, 0);
  // A gradient the engine cannot read is no gradient; the rest of the skin still loads.
  try {
    ParseGradient(r.Text(k.Gradient, " "), s.GradientArray);
  } catch (const Exception&) {
    s.GradientArray.clear();
  }
  s.ImagePercent = r.Int(k.ImagePercent, 0);
  s.Transparency = r.Int(k.Transparency, 0);
  s.LightColor = r.Int(k.Light, defLight);
  s.BorderColor = r.Int(k.Border, 0xFF00FF);
  s.TextureIndex = 0;
  return s;
}

TsGeneralData ReadSection(const TMemIniFile& ini, const std::string& section, const TacGeneralDataSource& From) {
  const SectionReader r(ini, section);
  const TacScaleRule& scale = From.Scale;
  TsGeneralData d;
  d.ClassName = section;
  d.ParentClass = ini.ReadString(section, "PARENTCLASS", "");
  d.ReservedBoolean = r.Bool("RESERVEDBOOLEAN");
  d.GiveOwnFont = r.Bool("GIVEOWNFONT");
  d.ShiftOnClick = r.Bool("SHIFTCLICK");
  d.GlowCount = r.Int("GLOW", 0);
  d.GlowMargin = r.Int("GLOWMARGIN", 0);
  d.BorderRadius = scale.ScaleInt(r.Int("BORDERRADIUS", 0));
  if (From.HasMasks) d.GlowMargin = MulDivRounded(d.GlowMargin, From.PPI, 96);
  d.States = r.Int("STATES", 3);
  d.OuterOffset = {scale.ScaleInt(r.Plain("OUTOFFSL")), scale.ScaleInt(r.Plain("OUTOFFST")),
                   scale.ScaleInt(r.Plain("OUTOFFSR")), scale.ScaleInt(r.Plain("OUTOFFSB"))};
  d.OuterOpacity = r.Int("OUTOPACITY", 200);
  d.OuterMode = r.Int("OUTERMODE", 2);
  d.OuterBlur = scale.ScaleInt(r.Int("OUTBLUR", 9));
  d.OuterRadius = scale.ScaleInt(r.Int("OUTRADIUS", 9));
  d.OuterColorL = r.Int("OUTCOLL", 0);
  d.OuterColorT = r.Int("OUTCOLT", 0);
  d.OuterColorR = r.Int("OUTCOLR", 0);
  d.OuterColorB = r.Int("OUTCOLB", 0);
  d.BorderWidth = r.Int("BORDERWIDTH", 1);
  d.ImgTL = d.ImgTR = d.ImgBL = d.ImgBR = -1;
  d.Props[0] = ReadState(r, kStateKeys[0], From.DefLightColor);
  d.Props[1] = d.States > 1 ? ReadState(r, kStateKeys[1], From.DefLightColor) : d.Props[0];
  d.UseState2 = r.Int("USESTATE2", 0) == 1;
  d.Props[2] = d.UseState2 ? ReadState(r, kStateKeys[2], From.DefLightColor) : d.Props[1];
  return d;
}

TsGeneralData Synthesized(const char* name, int32_t transparency, TColor color, TColor fontColor) {
  TsGeneralData d;
  d.ClassName = name;
  d.States = 1;
  for (TsGenState& s : d.Props) {
    s.Transparency = transparency;
    s.Color = color;
    s.FontColor = {fontColor, -1, -1, -1, -1};
  }
  return d;
}

bool HasRecord(const std::vector<TsGeneralData>& gd, const std::string& name) {
  return std::any_of(gd.begin(), gd.end(), [&](const TsGeneralData& d) { return d.ClassName == name; });
}

}  // namespace

int32_t TacScaleRule::ScaleInt(int32_t Value) const {
  if (CustomPPI > 0) return MulDivRounded(Value, CustomPPI, 96);
  if (OldMode) return Value;
  switch (ScaleIndex) {
    case 1: return Value + Value / 4;
    case 2: return Value + Value / 2;
    case 3: return 2 * Value;
    default: return Value;
  }
}

std::vector<TsGeneralData> LoadGeneralData(const TacGeneralDataSource& From) {
  std::vector<TsGeneralData> gd;
  for (const std::string& section : SkinSectionNames(From.Options)) gd.push_back(ReadSection(From.Options, section, From));
  if (From.CommonSections) {
    // A common section the skin lacks reads its values, and those of the
    // skin's sections it names as parent, from the skin merged with it.
    TMemIniFile merged(true);
    bool any = false;
    for (const std::string& section : From.CommonSections->ReadSections()) {
      if (HasRecord(gd, section)) continue;
      for (const std::string& key : From.CommonSections->ReadSection(section)) {
        const std::string value = From.CommonSections->ReadString(section, key, "");
        merged.WriteString(section, key, key == "PARENTCLASS" ? UpperCase(value) : value);
      }
      any = true;
    }
    if (any) {
      for (const std::string& section : SkinSectionNames(From.Options))
        for (const std::string& key : From.Options.ReadSection(section))
          merged.WriteString(section, key, From.Options.ReadString(section, key, ""));
      for (const std::string& section : From.CommonSections->ReadSections())
        if (!HasRecord(gd, section)) gd.push_back(ReadSection(merged, section, From));
    }
  }
  if (!HasRecord(gd, s_Transparent)) gd.push_back(Synthesized(s_Transparent, 100, 0xFFFFFF, From.LabelTextColor));
  if (!HasRecord(gd, s_MainColor)) gd.push_back(Synthesized(s_MainColor, 0, From.MainColor, From.LabelTextColor));
  return gd;
}

void AppendStandardCopies(std::vector<TsGeneralData>& gd, const std::vector<TacSectionCopy>& Copies) {
  for (const TacSectionCopy& copy : Copies) {
    TsGeneralData d;
    if (copy.CopyOf >= 0 && static_cast<size_t>(copy.CopyOf) < gd.size()) {
      d = gd[static_cast<size_t>(copy.CopyOf)];
    } else {
      d.States = -1;
      for (TsGenState& s : d.Props) {
        s.Transparency = -1;
        s.Color = -1;
        s.FontColor = {-1, -1, -1, -1, -1};
      }
    }
    d.ClassName = copy.ClassName;
    d.ParentClass = copy.ParentClass;
    gd.push_back(std::move(d));
  }
}
