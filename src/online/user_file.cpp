#include "online/user_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <system_error>

#include "online/string_cipher.h"
#include "online/wire_text.h"
#include "settings/safe_file_write.h"

namespace quorvex {

namespace {

constexpr uint32_t kPasswordKey = 40927;
// A user file is three short lines; anything much longer is not one.
constexpr std::streamsize kMaxUserFile = 4096;

std::string NextLine(std::string_view& text) {
  const size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::string(line);
}

}  // namespace

std::filesystem::path UserFilePath(const std::filesystem::path& folder) {
  return folder / kUserFileName;
}

std::optional<UserFileLogin> ReadUserFile(const std::filesystem::path& folder) {
  std::ifstream in(UserFilePath(folder), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<size_t>(kMaxUserFile), '\0');
  in.read(bytes.data(), kMaxUserFile);
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(in.gcount()));

  std::string_view text = bytes;
  if (NextLine(text) != kUserFileHeader) return std::nullopt;
  UserFileLogin login;
  login.Nick = TextFromWire(NextLine(text));
  login.PwC = NextLine(text);
  return login;
}

bool WriteUserFile(const std::filesystem::path& folder, const UserFileLogin& login) {
  const std::filesystem::path file = UserFilePath(folder);
  // A new file is made private first; the replacement keeps the permissions it finds.
  bool created = false;
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd >= 0) {
    created = true;
    ::close(fd);
  }
  // A line break in the nick would shift the password a line down.
  std::string nick = WireText(login.Nick);
  for (char& c : nick)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string bytes =
      std::string(kUserFileHeader) + "\r\n" + nick + "\r\n" + login.PwC + "\r\n";
  if (ReplaceFileContents(file, bytes)) return true;
  if (created) ::unlink(file.c_str());
  return false;
}

bool RemoveUserFile(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::remove(UserFilePath(folder), error);
  return !std::filesystem::exists(UserFilePath(folder), error) && !error;
}

std::string EncipherPassword(std::string_view password) {
  return Encipher(password, kPasswordKey);
}

std::string DecipherPassword(std::string_view enciphered) {
  return Decipher(enciphered, kPasswordKey).value_or(std::string());
}

}  // namespace quorvex
