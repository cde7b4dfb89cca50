// The upload of a member's picture to the picture store by FTP (passive mode), logged in as the
// member. Blocking on the caller's thread and bounded in time, like every exchange.
#pragma once

#include <filesystem>
#include <string>

namespace quorvex {

// Stores `file` as `name` in the folder `folder_url` ("ftp://host:port/"). False with the reason
// when the store did not take the whole file.
bool FtpUpload(const std::string& folder_url, const std::string& user, const std::string& password,
               const std::filesystem::path& file, const std::string& name, std::string* error);

}  // namespace quorvex
