// When the calendar timer's ticks (every 10 seconds) look for news and chat messages: the news on
// every third tick while the menu is shown and no news is flagged, the chat on every 90th tick
// while no message is flagged.
#pragma once

#include <cstdint>

namespace quorvex {

class NoticeTicks {
 public:
  struct Due {
    bool news = false;
    bool chat = false;
  };

  Due Tick(bool menu_shown, bool news_flagged, bool chat_flagged);

 private:
  int64_t ticks_ = 0;
};

}  // namespace quorvex
