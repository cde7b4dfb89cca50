#include "art/button_layout.h"

#include <algorithm>

#include "settings/window_scale.h"

namespace quorvex {

int NominalHeight(HeightSB height) {
  switch (height) {
    case HeightSB::D45:
      return 45;
    case HeightSB::D60:
      return 60;
    default:
      return 30;
  }
}

int ArtCapWidth(int art_height) {
  return art_height <= 29 ? 8 : art_height <= 44 ? 13 : 17;
}

ButtonLayout PlanButton(int height, bool nata, ColorSB scheme, bool smooth) {
  height = std::max(height, 1);
  ButtonLayout plan;
  const int nominal = height <= 30 ? 30 : height <= 45 ? 45 : 60;
  plan.art_height = nominal - 1;
  plan.cap_width =
      static_cast<int>(RoundHalfEven(int64_t{ArtCapWidth(plan.art_height)} * height, nominal));
  plan.exact = height == nominal;
  plan.smooth_caps = !plan.exact && smooth;
  plan.gradient_middle = plan.exact && !nata && scheme != ColorSB::DCards;

  // Exact heights have fixed insets; others follow the cap and the height.
  const int klass = nominal / 15 - 2;  // 0, 1, 2 for 30, 45, 60
  if (plan.exact) {
    static constexpr int kGap[3] = {25, 28, 30}, kDx[3] = {7, 9, 11}, kDy[3] = {4, 5, 6},
                         kCorner[3] = {7, 9, 11};
    plan.glyph_gap = kGap[klass];
    plan.outline_dx = kDx[klass];
    plan.outline_dy = kDy[klass];
    plan.outline_corner = kCorner[klass];
  } else {
    plan.glyph_gap = 10;
    plan.outline_dx = static_cast<int>(RoundHalfEven(int64_t{plan.cap_width} * 8, 10));
    plan.outline_dy = height <= 20 ? 3 : height <= 30 ? 4 : height <= 60 ? 5 : 6;
    // The exact heights' corners are twice the vertical inset less one; others keep the rule.
    plan.outline_corner = 2 * plan.outline_dy - 1;
  }
  return plan;
}

}  // namespace quorvex
