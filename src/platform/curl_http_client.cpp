#include "platform/curl_http_client.h"

#include <curl/curl.h>

#include <mutex>

namespace quorvex {
namespace {

struct Sink {
  std::string body;
  const std::function<bool(std::string_view)>* pass_on = nullptr;
  size_t received = 0;
  size_t max = 0;
  bool too_big = false;
  bool refused = false;
};

size_t Collect(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const size_t n = size * count;
  if (sink->received + n > sink->max) {
    sink->too_big = true;
    return 0;  // ends the transfer with an error
  }
  sink->received += n;
  if (*sink->pass_on) {
    if ((*sink->pass_on)(std::string_view(data, n))) return n;
    sink->refused = true;
    return 0;
  }
  sink->body.append(data, n);
  return n;
}

void GlobalInit() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

CurlHttpClient::CurlHttpClient() : CurlHttpClient(Limits{}) {}

CurlHttpClient::CurlHttpClient(Limits limits) : limits_(limits) {
  GlobalInit();
  handle_ = curl_easy_init();
  CURL* curl = static_cast<CURL*>(handle_);
  if (!curl) return;
  // What every exchange shares is set once. The handle is never reset: with Debian's libcurl a
  // reset after turning the cookie engine on loses memory on every exchange. Cookies are kept
  // for the run; no redirect is followed anywhere.
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits_.connect_ms);
  curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
}

CurlHttpClient::~CurlHttpClient() {
  if (handle_) curl_easy_cleanup(static_cast<CURL*>(handle_));
}

long CurlHttpClient::LimitOf(ExchangeLimit limit) const {
  switch (limit) {
    case ExchangeLimit::ShortRead:
      return limits_.short_read_ms;
    case ExchangeLimit::Download:
      return limits_.download_ms;
    case ExchangeLimit::Normal:
      break;
  }
  return limits_.normal_ms;
}

HttpReply CurlHttpClient::Exchange(const HttpRequest& request) {
  HttpReply reply;
  CURL* curl = static_cast<CURL*>(handle_);
  if (!curl) {
    reply.error = "no HTTP handle";
    return reply;
  }
  if (busy_) busy_(true);
  Sink sink;
  sink.max = request.max_body ? request.max_body : limits_.max_body;
  sink.pass_on = &request.on_body;
  // Everything an exchange may change is set again for each one.
  curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, LimitOf(request.limit));
  // A reply that announces more than the cap is refused before any of it is read.
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sink.max));
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(curl, CURLOPT_USERAGENT,
                   request.user_agent.empty() ? nullptr : request.user_agent.c_str());
  curl_slist* headers = nullptr;
  if (request.post) {
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(request.body.size()));
    headers = curl_slist_append(headers, ("Content-Type: " + request.content_type).c_str());
  } else {
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, nullptr);
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  }
  if (!request.accept.empty())
    headers = curl_slist_append(headers, ("Accept: " + request.accept).c_str());
  // No "Expect: 100-continue" wait before a larger body.
  headers = curl_slist_append(headers, "Expect:");
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);

  const CURLcode code = curl_easy_perform(curl);
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  curl_slist_free_all(headers);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  if (code != CURLE_OK) {
    reply.error = sink.too_big || code == CURLE_FILESIZE_EXCEEDED ? "reply too large"
                  : sink.refused                                  ? "reply not stored"
                                                                  : curl_easy_strerror(code);
  } else if (reply.status < 200 || reply.status >= 300) {
    reply.error = "HTTP status " + std::to_string(reply.status);
  } else {
    reply.ok = true;
    reply.body = std::move(sink.body);
  }
  if (busy_) busy_(false);
  return reply;
}

}  // namespace quorvex
