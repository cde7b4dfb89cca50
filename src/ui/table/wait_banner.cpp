#include "ui/table/wait_banner.h"

#include "locale/lang_text.h"

namespace quorvex {

WaitBanner::WaitBanner(QWidget* window)
    : PlateBanner(
          window, kSize, [] { return QString::fromStdString(Text(Tx::PleaseWait)); }, 22) {}

}  // namespace quorvex
