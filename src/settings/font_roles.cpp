#include "settings/font_roles.h"

#include <array>

#include "settings/window_scale.h"

namespace quorvex {

namespace {
constexpr std::array<std::string_view, kFontRoles + 1> kKeys = {"", "decor", "serif", "fixed",
                                                                "conew"};
}  // namespace

std::string_view FontRoleKey(FontRole role) {
  return kKeys[static_cast<int>(role)];
}

FontRole FontRoleFromKey(std::string_view key) {
  for (int role = 1; role <= kFontRoles; ++role) {
    if (kKeys[role] == key) return static_cast<FontRole>(role);
  }
  return FontRole::Decor;
}

int ScaledFontHeight(const Settings& settings, FontRole role, int nominal_height) {
  const int scale = settings.FontScale[static_cast<int>(role)];
  return static_cast<int>(RoundHalfEven(int64_t{nominal_height} * scale, 100));
}

}  // namespace quorvex
