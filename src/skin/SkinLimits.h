#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// What the engine accepts of what a skin writes. A number beyond its range
// behaves as the nearest end of it, and the skin still loads. The ranges lie
// far above anything a real skin uses and low enough that no arithmetic the
// engine does on them (scaling to 200 %, sums of a few lengths, products with
// 255) can overflow.
struct TacValueRange {
  int32_t Min = 0;
  int32_t Max = 0;
  constexpr int32_t Limit(int32_t Value) const { return Value < Min ? Min : Value > Max ? Max : Value; }
};

inline constexpr int32_t acMaxSkinLength = 1024;                         // pixels at 96 PPI
inline constexpr TacValueRange vrLength{-acMaxSkinLength, acMaxSkinLength};  // offsets and margins
inline constexpr TacValueRange vrExtent{0, acMaxSkinLength};              // widths, heights, radii, blur
inline constexpr TacValueRange vrPercent{0, 100};
inline constexpr TacValueRange vrByte{0, 255};  // opacities, modes, counts of states and glows

// The range of a numeric key of the options file, its scale suffix ("*125",
// "*150", "*200") ignored; none for keys whose every value means something
// (colours, flags, names).
std::optional<TacValueRange> SkinKeyRange(std::string_view Key);
// Value limited to the range of Key; unchanged for keys without one.
int32_t LimitSkinValue(std::string_view Key, int32_t Value);

// Sizes a skin's data may have before it is refused as damaged.
inline constexpr size_t acMaxOptionsBytes = size_t{16} << 20;    // the options text
inline constexpr size_t acMaxSkinFileBytes = size_t{64} << 20;   // one image or font file, packed or not
inline constexpr size_t acMaxArchiveBytes = size_t{256} << 20;   // a packed skin file, and all its entries inflated
// Parents followed from a section (PARENTCLASS); real skins use two or three.
inline constexpr int32_t acMaxParentDepth = 16;
// Sections read from the options; real skins have a hundred or two. The rest are left out.
inline constexpr size_t acMaxSkinSections = 4096;
// Bytes of the images one skin data object may hold besides the master
// bitmap: element images, their scaled copies and the generated outer
// images. An image beyond it is left out, as a missing file is.
inline constexpr size_t acMaxSkinImageBytes = size_t{256} << 20;
