// The text rules of a chat message. A message travels in the raw body of a list write and comes
// back as one field of a list entry, so it may hold only the admitted characters: the Latin and
// the Russian letters, the digits and ! ( ) , - . @ _. Every other character, the space too,
// travels as "_", and every "_" is shown as a space.
#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The longest message, in characters.
inline constexpr size_t kChatTextMax = 80;
// The game's title as the messages name it.
inline constexpr const char* kChatGameTitle = "Quorvex";

// A typed UTF-8 text as it is sent: at most kChatTextMax characters, each one outside the
// admitted set (or not a character at all) turned into "_". «Hi, all?» becomes «Hi,_all_».
std::string ChatSendText(std::string_view typed);

// The writing time of a message: the time text, "_", the date text, "_", the game's title. The
// time and date keep their ":" and "/" but any other character outside the admitted set becomes
// "_", since a blank would cut the entry's fields when the list is read back.
std::string ChatTimeText(std::string_view time, std::string_view date,
                         std::string_view title = kChatGameTitle);

// A message text or time from the list as it is shown: every "_" a space.
std::string ChatShownText(std::string_view text);

// Whether Windows-1251 bytes are a message the chat takes: not empty, at most kChatTextMax
// characters, each one admitted.
bool IsChatText(std::string_view cp1251);

}  // namespace quorvex
