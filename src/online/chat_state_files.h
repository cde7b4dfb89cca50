// The two small files that remember what the player has seen of the chat and the news. They lie
// in the folder that holds the program's folder, shared by the maker's games installed side by
// side. "ZefChatZef.ini": the newest message seen, "1"/"0" for "Last message at the bottom",
// "1"/"0" for "Open this window when a new message". "ZefNewsZef.ini": the newest news seen.
#pragma once

#include <cstdint>
#include <filesystem>

namespace quorvex {

inline constexpr const char* kChatStateFileName = "ZefChatZef.ini";
inline constexpr const char* kNewsStateFileName = "ZefNewsZef.ini";

struct ChatState {
  int64_t seen = 1;
  bool last_at_bottom = false;
  bool open_on_new = false;

  bool operator==(const ChatState&) const = default;
};

// The chat state. A missing file is created as "1", "0", "0"; a number that cannot be read
// counts as 0 and an option as off, and such a damaged file is written again whole. A file that
// exists but cannot be opened gives the defaults and is left alone.
ChatState ReadChatState(const std::filesystem::path& folder);
// Writes the whole file or leaves the old one: false when it could not be written.
bool WriteChatState(const std::filesystem::path& folder, const ChatState& state);

// The newest news seen; 0 without a readable file (a damaged one is written again).
int64_t ReadNewsSeen(const std::filesystem::path& folder);
bool WriteNewsSeen(const std::filesystem::path& folder, int64_t seen);

}  // namespace quorvex
