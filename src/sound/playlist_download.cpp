#include "sound/playlist_download.h"

namespace quorvex {

bool LoadPlaylist(Playlist& playlist, HttpClient& http, const std::string& service_base) {
  const std::string musik = service_base + "/musik/";
  HttpRequest request;
  request.url = musik + "_playlist.html";
  request.post = false;
  request.limit = ExchangeLimit::ShortRead;
  const HttpReply reply = http.Exchange(request);
  playlist.Load(reply.ok ? ParsePlaylist(reply.body, musik) : std::vector<PlaylistTrack>());
  return playlist.Enabled();
}

}  // namespace quorvex
