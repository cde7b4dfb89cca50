// The 175 x 40 banner "Creating a GIF..." shown in the middle of the window while a recording
// is written, since writing holds the window for a moment.
#pragma once

#include "ui/art/plate_banner.h"

namespace quorvex {

class GifBanner : public PlateBanner {
  Q_OBJECT

 public:
  static constexpr QSize kSize{175, 40};

  explicit GifBanner(QWidget* window);
};

}  // namespace quorvex
