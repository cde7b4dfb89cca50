#include "platform/curl_ftp_upload.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>
#include <mutex>

namespace quorvex {
namespace {

constexpr long kConnectMs = 5000;
constexpr long kWholeMs = 60000;

size_t ReadFromFile(char* buffer, size_t size, size_t count, void* file) {
  return std::fread(buffer, size, count, static_cast<std::FILE*>(file));
}

}  // namespace

bool FtpUpload(const std::string& folder_url, const std::string& user, const std::string& password,
               const std::filesystem::path& file, const std::string& name, std::string* error) {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  auto fail = [error](std::string why) {
    if (error) *error = std::move(why);
    return false;
  };
  std::error_code size_error;
  const auto size = std::filesystem::file_size(file, size_error);
  if (size_error) return fail("cannot read " + file.string());
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
  if (!in) return fail("cannot open " + file.string());
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) return fail("no curl handle");

  // The name is the member's nick: escaped, so that no character of it reaches another path.
  char* escaped = curl_easy_escape(curl.get(), name.c_str(), int(name.size()));
  if (!escaped) return fail("cannot escape the name");
  std::string url = folder_url;
  if (url.empty() || url.back() != '/') url += '/';
  url += escaped;
  curl_free(escaped);

  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(c, CURLOPT_USERNAME, user.c_str());
  curl_easy_setopt(c, CURLOPT_PASSWORD, password.c_str());
  curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(c, CURLOPT_READFUNCTION, &ReadFromFile);
  curl_easy_setopt(c, CURLOPT_READDATA, in.get());
  curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
  curl_easy_setopt(c, CURLOPT_FTP_USE_EPSV, 1L);  // passive mode
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, kConnectMs);
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, kWholeMs);
  const CURLcode result = curl_easy_perform(c);
  if (result != CURLE_OK) return fail(curl_easy_strerror(result));
  curl_off_t sent = 0;
  curl_easy_getinfo(c, CURLINFO_SIZE_UPLOAD_T, &sent);
  if (sent != curl_off_t(size)) return fail("the upload ended early");
  return true;
}

}  // namespace quorvex
