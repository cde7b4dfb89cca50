// The four font roles and the heights of their fonts.
#pragma once

#include <string_view>

#include "settings/settings.h"

namespace quorvex {

enum class FontRole { Decor = 1, Serif = 2, Fixed = 3, Conew = 4 };

// The key other parts ask for a font by: "decor", "serif", "fixed", "conew".
std::string_view FontRoleKey(FontRole role);
// The role of a key; Decor for an unknown key.
FontRole FontRoleFromKey(std::string_view key);

// A nominal height scaled by the role's percentage, rounded to nearest with ties to even.
int ScaledFontHeight(const Settings& settings, FontRole role, int nominal_height);

}  // namespace quorvex
