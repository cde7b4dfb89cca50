// What the chat, the news and their signs share for the whole run: the HTTP client, the
// settings (the passport and the records address), where the state files lie, and the run-time
// values the signs are drawn from. The main window owns one and hands it to the calls of
// chat_news.h.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "online/http_client.h"
#include "online/notice_ticks.h"

namespace quorvex {

struct Settings;

// The run-time values of the checks.
struct NoticeState {
  int64_t newest_chat = 0;  // on the server, as last learned
  int64_t seen_chat = 0;    // as the last chat check found it: newer messages are marked new
  bool chat_checked = false;
  int64_t newest_news = 0;
  bool news_waiting = false;  // the "Zef News!" sign
  bool chat_waiting = false;  // the "Zef Chat!" sign
  bool chat_window_open = false;
};

struct ChatContext {
  HttpClient& http;
  Settings& settings;
  std::filesystem::path state_folder;  // the program folder's parent
  std::string news_address;            // the news page, deciphered
  bool chat_available = true;          // false while the configuration file pauses the chat
  NoticeState notices;
  NoticeTicks ticks;
  // Plays a sound effect by name ("WOpenFo", "WToMenK"); nothing when empty.
  std::function<void(const std::string&)> play_effect;
  // The menu draws the signs again from SignsShown(); nothing when empty.
  std::function<void()> redraw_signs;
};

}  // namespace quorvex
