#include "online/notice_ticks.h"

namespace quorvex {

NoticeTicks::Due NoticeTicks::Tick(bool menu_shown, bool news_flagged, bool chat_flagged) {
  ++ticks_;
  Due due;
  due.news = ticks_ % 3 == 0 && menu_shown && !news_flagged;
  due.chat = ticks_ % 90 == 0 && !chat_flagged;
  return due;
}

}  // namespace quorvex
