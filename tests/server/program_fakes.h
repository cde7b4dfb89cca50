// What a test needs to run the whole program against the test's server: its built-in service
// addresses sent there, and silent sound outputs.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "online/http_client.h"
#include "online/service_addresses.h"
#include "platform/curl_http_client.h"
#include "records/club_file.h"
#include "ui/media/audio_output.h"

namespace quorvex {

// The program's built-in addresses name the build's server; this sends them to the test's.
class Redirect : public HttpClient {
 public:
  explicit Redirect(std::string base) : base_(std::move(base)) {}
  HttpReply Exchange(const HttpRequest& request) override {
    HttpRequest moved = request;
    std::string built_in = BuiltInStoredAddress(ServiceAddress::ConfigFile).plain;
    built_in.erase(built_in.rfind('/'));
    if (moved.url.rfind(built_in, 0) == 0) moved.url = base_ + moved.url.substr(built_in.size());
    urls.push_back(moved.url);
    return curl_.Exchange(moved);
  }
  std::vector<std::string> urls;

 private:
  std::string base_;
  CurlHttpClient curl_;
};

// The program's folder "quorvex" inside `root` with both club files fresh (the login and the
// chat's files are kept beside it, in `root`); empty when the files could not be written.
inline std::filesystem::path ProgramFolder(const QString& root) {
  const std::filesystem::path dir = std::filesystem::path(root.toStdString()) / "quorvex";
  std::filesystem::create_directories(dir);
  if (!WriteClubFile(ClubFilePath(dir, false), FreshClubFile()).ok ||
      !WriteClubFile(ClubFilePath(dir, true), FreshClubFile()).ok)
    return {};
  return dir;
}

class SilentClips : public ClipOutput {
 public:
  void PlayClip(const QByteArray&, bool) override {}
};

class SilentSong : public SongOutput {
 public:
  bool OpenSong(const QString&, const QByteArray&) override { return true; }
  void StartSong() override {}
  void StopSong() override {}
  bool SongEnded() const override { return false; }
  bool SongFailed() const override { return false; }
};

}  // namespace quorvex
