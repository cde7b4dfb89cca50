#include "art/button_colours.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "settings/window_scale.h"

namespace quorvex {

namespace {

uint8_t Rounded(int64_t num, int64_t den) {
  return static_cast<uint8_t>(RoundHalfEven(num, den));
}

// n values from a to b, evenly spaced and rounded.
std::vector<int> Ramp(int a, int b, int n) {
  std::vector<int> values(n);
  for (int i = 0; i < n; ++i)
    values[i] = n == 1 ? a : a + static_cast<int>(RoundHalfEven(int64_t{b - a} * i, n - 1));
  return values;
}

// Border, dark line, pale highlight fading into red, reds brightening to the bottom, border.
std::vector<Rgb> MakeGradient(uint32_t dark_line, int pale_rows, const std::vector<int>& reds) {
  constexpr Rgb kPaleTop = FromBgr(0x5B5B87), kPaleBottom = FromBgr(0x242498);
  std::vector<Rgb> rows;
  rows.push_back(FromBgr(0x000080));
  rows.push_back(FromBgr(dark_line));
  const std::vector<int> r = Ramp(kPaleTop.r, kPaleBottom.r, pale_rows);
  const std::vector<int> g = Ramp(kPaleTop.g, kPaleBottom.g, pale_rows);
  const std::vector<int> b = Ramp(kPaleTop.b, kPaleBottom.b, pale_rows);
  for (int i = 0; i < pale_rows; ++i)
    rows.push_back(
        {static_cast<uint8_t>(r[i]), static_cast<uint8_t>(g[i]), static_cast<uint8_t>(b[i])});
  for (int red : reds) rows.push_back({static_cast<uint8_t>(red), 0, 0});
  rows.push_back(FromBgr(0x000080));
  return rows;
}

const std::array<std::vector<Rgb>, 3>& Gradients() {
  static const std::array<std::vector<Rgb>, 3> tables = {
      MakeGradient(0x000011, 13,
                   {0x88, 0x90, 0x99, 0xA1, 0xAA, 0xB2, 0xBB, 0xC3, 0xCC, 0xD4, 0xDD, 0xE5, 0xEE}),
      MakeGradient(0x00000B, 21, Ramp(0x88, 0xF4, 20)),
      MakeGradient(0x000009, 28, Ramp(0x84, 0xF6, 28)),
  };
  return tables;
}

}  // namespace

Rgb SchemePixel(Rgb p, ColorSB scheme, bool nata) {
  switch (scheme) {
    case ColorSB::DRed:
      return p;
    case ColorSB::DGreen:
      return {p.g, p.r, p.b};
    case ColorSB::DBlue:
      return {p.b, p.r, p.r};
    case ColorSB::DNavy:
      return {p.b, p.g, p.r};
    case ColorSB::DYellow:
      return {p.r, p.r, p.b};
    case ColorSB::DViolet:
      return {p.r, p.g, p.r};
    case ColorSB::DOrang:
      if (p.g < p.r && p.b < p.r) {
        const uint8_t b = Rounded(7 * p.b, 10);
        const uint8_t g = static_cast<uint8_t>(b + Rounded(4 * std::abs(p.r - b), 10));
        return {p.r, g, b};
      }
      return p;
    case ColorSB::DCards:
      if (!nata) return {Rounded(7 * p.r, 10), 0, p.r};
      if (!NearPureRed(p)) return p;
      return {Rounded(6 * p.r, 10), Rounded(7 * p.g, 10), p.r};
  }
  return p;
}

Rgb Lighten(Rgb c, int k) {
  k = std::clamp(k, 0, 100);
  const auto up = [k](uint8_t v) { return Rounded(int64_t{v} * 100 + (255 - v) * k, 100); };
  return {up(c.r), up(c.g), up(c.b)};
}

bool NearPureRed(Rgb c) {
  const int dr = c.r - 255;
  return dr * dr + c.g * c.g + c.b * c.b < 180 * 180;
}

Rgb ButtonPixel(Rgb art, ColorSB scheme, int klight, bool nata) {
  const Rgb coloured = SchemePixel(art, scheme, nata);
  if (klight <= 0 || (nata && !NearPureRed(art))) return coloured;
  return Lighten(coloured, klight);
}

std::span<const Rgb> ButtonGradient(int art_height) {
  for (const std::vector<Rgb>& table : Gradients())
    if (static_cast<int>(table.size()) == art_height) return table;
  return {};
}

Rgb FocusOutlineColour(ColorSB scheme, bool nata) {
  static constexpr uint32_t kClassic[kColorSchemes] = {0xC8C8FF, 0xFFC8C8, 0xC8FFC8, 0xC8FFC8,
                                                       0xC8C8FF, 0xC8FFFF, 0x4080FF, 0x32AFC8};
  static constexpr uint32_t kNew[kColorSchemes] = {0x00FFFF, 0xFF0000, 0xFF0000, 0x00FF00,
                                                   0x0000FF, 0xFFFFFF, 0xFFFFFF, 0xFFB4DC};
  const int i = std::clamp(static_cast<int>(scheme), 0, kColorSchemes - 1);
  return FromBgr(nata ? kNew[i] : kClassic[i]);
}

}  // namespace quorvex
