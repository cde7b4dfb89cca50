// The online playlist fetched from the services' "/musik/_playlist.html" at start.
#pragma once

#include <string>

#include "online/http_client.h"
#include "sound/playlist.h"

namespace quorvex {

// Loads the playlist with the tracks of the fetched list; a failed fetch leaves it empty, and so
// the strip disabled. Returns whether the strip can play.
bool LoadPlaylist(Playlist& playlist, HttpClient& http, const std::string& service_base);

}  // namespace quorvex
