// The user file "ZefUser.zef" that remembers the account's login. It lies in the folder that
// holds the program's folder, so that the maker's games installed side by side share one login.
// Lines (Windows-1251, CR LF): the header "Zef User File", the nick, the enciphered password.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr const char* kUserFileName = "ZefUser.zef";
inline constexpr const char* kUserFileHeader = "Zef User File";

struct UserFileLogin {
  std::string Nick;  // UTF-8
  std::string PwC;   // the password as EncipherPassword gives it

  bool operator==(const UserFileLogin&) const = default;
};

std::filesystem::path UserFilePath(const std::filesystem::path& folder);

// The login kept in the folder's user file; nullopt when there is none, it cannot be read, or its
// first line is not the header. Missing later lines read as empty texts.
std::optional<UserFileLogin> ReadUserFile(const std::filesystem::path& folder);

// Writes the user file whole or not at all: a failed write leaves any earlier file as it was.
// A new file is readable by its owner only, since the password in it can be deciphered.
bool WriteUserFile(const std::filesystem::path& folder, const UserFileLogin& login);

// Whether no user file is left in the folder.
bool RemoveUserFile(const std::filesystem::path& folder);

// The password's enciphered form, letters, digits, "/" and "+" only, so it fits a line of the
// file.
std::string EncipherPassword(std::string_view password);
// The password of an enciphered form; empty for a form the program cannot have written.
std::string DecipherPassword(std::string_view enciphered);

}  // namespace quorvex
