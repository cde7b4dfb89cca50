// An HTTP client for tests of the whole program: it keeps every request and answers as told,
// by default with a failure, as a machine without the services would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "online/http_client.h"

namespace quorvex::testing {

class OfflineHttp : public HttpClient {
 public:
  HttpReply Exchange(const HttpRequest& request) override {
    requests.push_back(request);
    if (answer) return answer(request);
    HttpReply reply;
    reply.error = "offline";
    return reply;
  }
  std::vector<HttpRequest> requests;
  std::function<HttpReply(const HttpRequest&)> answer;
};

}  // namespace quorvex::testing
