#include "ContactSheet.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "Sheet.h"
#include "TinyFont.h"
#include "base/StrUtils.h"
#include "graphics/AlphaOps.h"
#include "graphics/BitmapCopy.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {
constexpr TacPixel kInk = 0xFF202020u;
constexpr int32_t kGap = 8;
// A damaged skin may hold any number of sections and images of any size; the
// sheet draws this many sections, lists this many more by name, and stops
// growing at this height.
constexpr size_t kDrawnSections = 256;
constexpr size_t kListedSections = 1024;
constexpr int32_t kMaxSheetHeight = 32768;

// Something drawn on the sheet under its label.
struct Item {
  std::string Label;
  int32_t Width = 0, Height = 0;
  std::function<void(TacWorkBitmap& sheet, int32_t x, int32_t y)> Paint;
};

class Layout {
 public:
  explicit Layout(int32_t ppi) : Scale(ppi >= 144 ? 2 : 1), Ppi(ppi) {}

  int32_t Px(int32_t length) const { return MulDivRounded(length, Ppi, 96); }
  int32_t LabelHeight() const { return (kTinyCharHeight + 2) * Scale; }
  int32_t LabelWidth(const std::string& text) const {
    return static_cast<int32_t>(text.size()) * kTinyCharWidth * Scale;
  }

  void Heading(const std::string& text) {
    Items.push_back({text, LabelWidth(text), 0, nullptr});
    Breaks.push_back(Items.size() - 1);
  }
  void Add(Item item) { Items.push_back(std::move(item)); }

  // Flows the items into rows of at most Width pixels and draws them; the
  // items that would make the sheet higher than kMaxSheetHeight are left out.
  std::unique_ptr<TacWorkBitmap> Render(int32_t width) const {
    std::vector<TPoint> at;
    int32_t x = kGap, y = kGap, rowHeight = 0;
    for (size_t i = 0; i < Items.size(); ++i) {
      const Item& item = Items[i];
      const int32_t w = std::max(item.Width, LabelWidth(item.Label));
      const bool breakBefore = std::find(Breaks.begin(), Breaks.end(), i) != Breaks.end();
      int32_t top = y, height = rowHeight;
      if ((breakBefore || x + w > width - kGap) && x > kGap) {
        top = y + rowHeight + kGap;
        height = 0;
      }
      height = std::max(height, LabelHeight() + std::clamp(item.Height, 0, kMaxSheetHeight));
      if (top + height + kGap > kMaxSheetHeight) break;
      if (top != y) {
        y = top;
        x = kGap;
      }
      rowHeight = height;
      at.push_back({x, y});
      x += w + kGap * 2;
      if (breakBefore) x = width;  // a heading stands alone
    }
    auto sheet = NewWorkBitmap(width, y + rowHeight + kGap);
    PaintLightChecks(*sheet);
    for (size_t i = 0; i < at.size(); ++i) {
      DrawTinyText(*sheet, at[i].X, at[i].Y, Items[i].Label, kInk, Scale);
      if (Items[i].Paint) Items[i].Paint(*sheet, at[i].X, at[i].Y + LabelHeight());
    }
    return sheet;
  }

  int32_t Scale;

 private:
  static void PaintLightChecks(TacWorkBitmap& sheet) {
    PaintCheckerboard(sheet, sheet.BoundsRect(), 8);
    // Lighter than the gallery's checks, so that labels stay readable.
    for (int32_t y = 0; y < sheet.Height(); ++y)
      for (TacPixel* p = sheet.Row(y); p != sheet.Row(y) + sheet.Width(); ++p)
        if (*p != 0xFFFFFFFFu) *p = 0xFFE4E4E4u;
  }

  int32_t Ppi;
  std::vector<Item> Items;
  std::vector<size_t> Breaks;
};

void AddSections(Layout& layout, const TacSkinData& data) {
  const TSize sizes[] = {{layout.Px(16), layout.Px(16)}, {layout.Px(100), layout.Px(23)}, {layout.Px(200), layout.Px(80)}};
  int32_t blockWidth = 0;
  for (const TSize& s : sizes) blockWidth += s.cx + kGap;
  for (size_t i = 0; i < std::min(data.gd.size(), kDrawnSections + kListedSections); ++i) {
    const TsGeneralData& section = data.gd[i];
    if (i >= kDrawnSections) {
      layout.Add({std::to_string(i) + " " + section.ClassName + " (NOT DRAWN)", 0, 0, nullptr});
      continue;
    }
    const int32_t states = std::clamp(section.States, 1, 4);
    const auto index = static_cast<int32_t>(i);
    Item item{std::to_string(i) + " " + section.ClassName + " STATES " + std::to_string(section.States),
              states * (blockWidth + kGap), sizes[2].cy, nullptr};
    item.Paint = [&data, index, states, sizes, blockWidth](TacWorkBitmap& sheet, int32_t x, int32_t y) {
      for (int32_t state = 0; state < states; ++state) {
        int32_t left = x + state * (blockWidth + kGap);
        for (const TSize& s : sizes) {
          const TRect r = Bounds(left, y, s.cx, s.cy);
          // The sheet is its own parent: transparent parts show the checks.
          PaintSection(index, ParentBGFromBitmap(&sheet, 0, 0), &data, &sheet, {r.Left, r.Top}, r, state);
          left += s.cx + kGap;
        }
      }
    };
    layout.Add(std::move(item));
  }
  if (data.gd.size() > kDrawnSections + kListedSections)
    layout.Add({std::to_string(data.gd.size() - kDrawnSections - kListedSections) + " MORE SECTIONS", 0, 0, nullptr});
}

void AddImage(Layout& layout, TacSkinData& data, const std::string& name, int32_t index) {
  if (!data.IsValidImgIndex(index)) return;
  const TsMaskData& mask = data.ma[static_cast<size_t>(index)];
  const int32_t frames = std::max<int32_t>(1, mask.ImageCount);
  if (mask.Width <= 0 || mask.Height <= 0) return;
  Item item{name, frames * (mask.Width + 2) - 2, mask.Height, nullptr};
  item.Paint = [&data, &mask, frames](TacWorkBitmap& sheet, int32_t x, int32_t y) {
    for (int32_t f = 0; f < frames; ++f)
      DrawSkinImage(sheet, {x + f * (mask.Width + 2), y}, f, ParentBGFromBitmap(&sheet, 0, 0), mask, 1, data);
  };
  layout.Add(std::move(item));
}

void AddConstElement(Layout& layout, TacSkinData& data, const std::string& name, const TacConstElementData& e) {
  AddImage(layout, data, name, e.MaskIndex);
  AddImage(layout, data, name + " GLYPH", e.GlyphIndex);
}

void AddElements(Layout& layout, TacSkinData& data) {
  auto each = [&](const std::string& name, const auto& indexes) {
    for (size_t i = 0; i < indexes.size(); ++i) AddImage(layout, data, name + std::to_string(i), indexes[i]);
  };
  each("CHECKBOX", data.CheckBox);
  each("SMALLCHECKBOX", data.SmallCheckBox);
  each("RADIOBUTTON", data.RadioButton);
  each("TITLEGLYPH", data.TitleGlyphs);
  each("TRACKBAR V", data.TrackBar[0]);
  each("TRACKBAR H", data.TrackBar[1]);
  AddImage(layout, data, "EXBORDER", data.ExBorder);
  AddImage(layout, data, "GRIP V", data.GripVertical);
  AddImage(layout, data, "GRIP H", data.GripHorizontal);
  AddImage(layout, data, "GRIP RB", data.GripRightBottom);
  for (size_t i = 0; i < 4; ++i) {
    AddConstElement(layout, data, "SCROLL" + std::to_string(i), data.Scrolls[i]);
    AddConstElement(layout, data, "SCROLLBTN" + std::to_string(i), data.ScrollBtns[i]);
    AddConstElement(layout, data, "UPDOWN" + std::to_string(i), data.UpDownBtns[i]);
  }
  AddConstElement(layout, data, "SLIDER H", data.Sliders[0]);
  AddConstElement(layout, data, "SLIDER V", data.Sliders[1]);
  AddConstElement(layout, data, "MENUITEM", data.MenuItem);
  AddConstElement(layout, data, "COMBOBTN", data.ComboBtn);
  for (size_t t = 0; t < 4; ++t)
    for (size_t side = 0; side < 4; ++side)
      AddConstElement(layout, data, "TAB" + std::to_string(t) + std::to_string(side), data.Tabs[t][side]);
}

void AddShadow(Layout& layout, const std::string& name, const TacWorkBitmap& shadow) {
  Item item{name, shadow.Width(), shadow.Height(), nullptr};
  item.Paint = [&shadow](TacWorkBitmap& sheet, int32_t x, int32_t y) { Place(sheet, shadow, x, y); };
  layout.Add(std::move(item));
}
}  // namespace

std::unique_ptr<TacWorkBitmap> RenderContactSheet(TacSkinData& Data) {
  Layout layout(Data.PPI);
  layout.Heading("SECTIONS, STATES 0 TO 3 LEFT TO RIGHT");
  AddSections(layout, Data);
  layout.Heading("STANDARD ELEMENTS, FRAME BY FRAME");
  AddElements(layout, Data);
  layout.Heading("WINDOW SHADOWS (PREMULTIPLIED), ACTIVE AND PASSIVE");
  AddShadow(layout, "ACTIVE", Data.GetActiveShadow());
  AddShadow(layout, "PASSIVE", Data.GetPassiveShadow());
  const int32_t blocks = 4 * (layout.Px(16) + layout.Px(100) + layout.Px(200) + 4 * kGap) + 2 * kGap;
  return layout.Render(std::max(blocks, layout.Px(1024)));
}
