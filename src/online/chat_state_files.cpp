#include "online/chat_state_files.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/safe_file_write.h"

namespace quorvex {

namespace {

// The files are a few short lines; anything longer is read only this far.
constexpr std::streamsize kMaxStateFile = 1024;

enum class FileRead { Missing, Unopenable, Read };

FileRead ReadLines(const std::filesystem::path& file, std::vector<std::string>& lines) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return FileRead::Missing;
  if (error || !std::filesystem::is_regular_file(status)) return FileRead::Unopenable;
  std::ifstream in(file, std::ios::binary);
  if (!in) return FileRead::Unopenable;
  std::string bytes(static_cast<size_t>(kMaxStateFile), '\0');
  in.read(bytes.data(), kMaxStateFile);
  if (in.bad()) return FileRead::Unopenable;
  bytes.resize(static_cast<size_t>(in.gcount()));
  std::string_view text = bytes;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
  }
  return FileRead::Read;
}

// A seen number: decimal digits, blanks around them allowed.
std::optional<int64_t> Number(std::string_view line) {
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (line.empty() || error != std::errc() || end != line.data() + line.size() || value < 0)
    return std::nullopt;
  return value;
}

std::optional<bool> Option(std::string_view line) {
  if (line == "1") return true;
  if (line == "0") return false;
  return std::nullopt;
}

std::string Line(int64_t value) {
  return std::to_string(value) + "\r\n";
}

}  // namespace

ChatState ReadChatState(const std::filesystem::path& folder) {
  std::vector<std::string> lines;
  switch (ReadLines(folder / kChatStateFileName, lines)) {
    case FileRead::Unopenable:
      return {};
    case FileRead::Missing: {
      const ChatState fresh;
      WriteChatState(folder, fresh);
      return fresh;
    }
    case FileRead::Read:
      break;
  }
  lines.resize(3);
  const std::optional<int64_t> seen = Number(lines[0]);
  const std::optional<bool> bottom = Option(lines[1]);
  const std::optional<bool> open = Option(lines[2]);
  ChatState state{seen.value_or(0), bottom.value_or(false), open.value_or(false)};
  if (!seen || !bottom || !open) WriteChatState(folder, state);
  return state;
}

bool WriteChatState(const std::filesystem::path& folder, const ChatState& state) {
  return ReplaceFileContents(
      folder / kChatStateFileName,
      Line(state.seen) + Line(state.last_at_bottom ? 1 : 0) + Line(state.open_on_new ? 1 : 0));
}

int64_t ReadNewsSeen(const std::filesystem::path& folder) {
  std::vector<std::string> lines;
  if (ReadLines(folder / kNewsStateFileName, lines) != FileRead::Read) return 0;
  const std::optional<int64_t> seen = lines.empty() ? std::nullopt : Number(lines[0]);
  if (!seen) WriteNewsSeen(folder, 0);
  return seen.value_or(0);
}

bool WriteNewsSeen(const std::filesystem::path& folder, int64_t seen) {
  return ReplaceFileContents(folder / kNewsStateFileName, Line(seen));
}

}  // namespace quorvex
