// The banner "Please, wait..." (350 x 80) over the hidden table while the end of a session
// writes its records and asks the online services: the window does not answer meanwhile, and
// this says why.
#pragma once

#include "ui/art/plate_banner.h"

namespace quorvex {

class WaitBanner : public PlateBanner {
  Q_OBJECT

 public:
  static constexpr QSize kSize{350, 80};

  explicit WaitBanner(QWidget* window);
};

}  // namespace quorvex
