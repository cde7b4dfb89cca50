// A member's account picture: a GET of the avatar folder's address, the nick and ".jpg". The
// bytes are the JPEG as the server keeps it; nothing on any failure, so the slot keeps its
// picture.
#pragma once

#include <optional>
#include <string>

#include "online/http_client.h"

namespace quorvex {

std::optional<std::string> FetchAvatar(HttpClient& client, const std::string& avatar_base,
                                       const std::string& nick);

}  // namespace quorvex
