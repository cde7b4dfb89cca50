#include "ui/media/gif_banner.h"

#include "locale/lang_text.h"

namespace quorvex {

GifBanner::GifBanner(QWidget* window)
    : PlateBanner(
          window, kSize, [] { return QString::fromStdString(Text(Tx::CreatingGif)); }, 16) {}

}  // namespace quorvex
