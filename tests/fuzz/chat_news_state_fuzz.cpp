// The chat and news state files: any bytes read without reading past them. A damaged file is
// written again whole, so reading it once more gives what the first reading gave.
#include "fuzz_support.h"
#include "online/chat_state_files.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& folder = fuzz::ScratchFolder::Path();
  fuzz::ScratchFolder::Clear();
  fuzz::ScratchFolder::Put(kChatStateFileName, fuzz::Bytes(data, size));
  fuzz::ScratchFolder::Put(kNewsStateFileName, fuzz::Bytes(data, size));

  const ChatState chat = ReadChatState(folder);
  FUZZ_CHECK(chat.seen >= 0);
  FUZZ_CHECK(ReadChatState(folder) == chat);
  const int64_t news = ReadNewsSeen(folder);
  FUZZ_CHECK(news >= 0);
  FUZZ_CHECK(ReadNewsSeen(folder) == news);
  return 0;
}
