// Whether something new waits in the chat or on the news page, against what the state files say
// the player has seen. A failed check counts as nothing new.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "online/chat_state_files.h"
#include "online/http_client.h"

namespace quorvex {

// The news page names its newest news by the five characters after "ZefNews" ("ZefNews00012");
// 0 without the marker or when they are not a number.
int64_t NewsNumberInPage(std::string_view page);

struct NewsCheck {
  int64_t seen = 0;
  int64_t newest = 0;
  bool Waiting() const { return seen < newest; }
};

// Reads the seen number from the news state file in `folder` and the newest from the page.
NewsCheck CheckNews(HttpClient& client, const std::string& news_address,
                    const std::filesystem::path& folder);

struct ChatCheck {
  ChatState state;  // as the file holds it (created when it was missing)
  int64_t newest = 0;
  bool Waiting() const { return state.seen < newest; }
};

// Reads the chat state file in `folder` and the newest message number from the chat list.
ChatCheck CheckChat(HttpClient& client, const std::string& records_address,
                    const std::filesystem::path& folder);

}  // namespace quorvex
