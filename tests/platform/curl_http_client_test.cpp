// The libcurl client against a small HTTP endpoint on the loopback that records the bytes it
// receives and answers as told: what goes on the wire, time limits, failures.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "online/service_request.h"
#include "platform/curl_http_client.h"

namespace quorvex {
namespace {

class Endpoint {
 public:
  // `answer` is the whole HTTP response, sent `delay_ms` after the request came in; empty answers
  // never (the client must give up).
  explicit Endpoint(std::string answer, int delay_ms = 0)
      : answer_(std::move(answer)), delay_ms_(delay_ms) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd_, 4);
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~Endpoint() {
    stop_ = true;
    ::shutdown(fd_, SHUT_RDWR);
    ::close(fd_);
    thread_.join();
  }
  std::string Url(const std::string& path = "/x.php") const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  // The request as received: head and body.
  std::string Received() {
    for (int i = 0; i < 200 && !done_; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return received_;
  }
  std::string Body() {
    const std::string all = Received();
    const size_t at = all.find("\r\n\r\n");
    return at == std::string::npos ? std::string() : all.substr(at + 4);
  }

 private:
  void Serve() {
    const int client = ::accept(fd_, nullptr, nullptr);
    if (client < 0) return;
    std::string data;
    char buffer[4096];
    size_t expected = std::string::npos;
    while (!stop_) {
      const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      data.append(buffer, size_t(n));
      const size_t head = data.find("\r\n\r\n");
      if (head != std::string::npos && expected == std::string::npos) {
        const size_t cl = data.find("Content-Length: ");
        expected = head + 4 + (cl == std::string::npos ? 0 : std::stoul(data.substr(cl + 16)));
      }
      if (expected != std::string::npos && data.size() >= expected) break;
    }
    received_ = data;
    done_ = true;
    for (int waited = 0; waited < delay_ms_ && !stop_; waited += 10)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!answer_.empty()) {
      ::send(client, answer_.data(), answer_.size(), 0);
    } else {
      while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(client);
  }

  int fd_ = -1;
  int port_ = 0;
  std::string answer_;
  int delay_ms_ = 0;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> done_{false};
  std::string received_;
};

std::string Answer(const std::string& status, const std::string& body) {
  return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

TEST(CurlHttpClient, TheBytesOnTheWire) {
  {
    Endpoint endpoint(Answer("200 OK", "ok$12$"));
    CurlHttpClient client;
    const HttpReply reply = PostFields(client, endpoint.Url(), {"nick=A", "pw=B", "label0=0"});
    EXPECT_TRUE(reply.ok) << reply.error;
    EXPECT_EQ(reply.body, "ok$12$");
    const std::string request = endpoint.Received();
    EXPECT_EQ(request.rfind("POST /x.php HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("User-Agent: ZefSpecAccess\r\n"), std::string::npos);
    EXPECT_NE(request.find("Content-Type: application/x-www-form-urlencoded\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("Accept: text/html, */*\r\n"), std::string::npos);
    EXPECT_EQ(endpoint.Body(), "nick=A&&pw=B&&label0=0");
  }
  {
    // A body in Windows-1251 goes as it is: a Cyrillic nick, the "#" and "*" unencoded.
    Endpoint endpoint(Answer("200 OK", "$3$"));
    CurlHttpClient client;
    const std::string body =
        "gid=47&nick=\xC0\xED\xED\xE0&city=Riga&country=1-003&score=1250&"
        "R7=W&R8=5.7f&R9=#&R10=#*";
    EXPECT_TRUE(PostBody(client, endpoint.Url(), body).ok);
    EXPECT_EQ(endpoint.Body(), body);
  }
}

TEST(CurlHttpClient, CookiesLastForTheRun) {
  CurlHttpClient client;
  {
    Endpoint login(
        "HTTP/1.1 200 OK\r\nSet-Cookie: session=abc; Path=/\r\nContent-Length: 6\r\n"
        "Connection: close\r\n\r\n$Riga$");
    EXPECT_TRUE(PostFields(client, login.Url("/account.php"), {"nick=A", "pw=B"}).ok);
  }
  Endpoint next(Answer("200 OK", "$5$"));
  EXPECT_TRUE(PostFields(client, next.Url("/account.php"), {"nick=A"}).ok);
  EXPECT_NE(next.Received().find("Cookie: session=abc\r\n"), std::string::npos);
}

TEST(CurlHttpClient, FailuresAreBoundedAndReported) {
  CurlHttpClient::Limits quick;
  quick.short_read_ms = 300;
  quick.normal_ms = 300;
  {
    // A server that never answers: the exchange ends at its limit.
    Endpoint silent{std::string()};
    CurlHttpClient client(quick);
    const auto start = std::chrono::steady_clock::now();
    const HttpReply reply = PostFields(client, silent.Url(), {"gid=47"}, ExchangeLimit::ShortRead);
    EXPECT_FALSE(reply.ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  }
  {
    // A resource download has its own, longer limit: a slow answer fails a service request but
    // completes a download.
    quick.download_ms = 5000;
    Endpoint slow(Answer("200 OK", "library"), 700);
    CurlHttpClient client(quick);
    HttpRequest request;
    request.url = slow.Url("/download/ZefBackG03.dll");
    request.post = false;
    request.limit = ExchangeLimit::Download;
    const HttpReply reply = client.Exchange(request);
    EXPECT_TRUE(reply.ok) << reply.error;
    EXPECT_EQ(reply.body, "library");
    Endpoint slow_service(Answer("200 OK", "$ ok#"), 700);
    EXPECT_FALSE(PostBody(client, slow_service.Url(), "gid=47&stat1=1&stat2=0").ok);
  }
  {
    Endpoint missing(Answer("404 Not Found", "no"));
    CurlHttpClient client(quick);
    const HttpReply reply = GetAddress(client, missing.Url("/config.txt"));
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(reply.status, 404);
  }
  {
    // Nobody listens on a port that was just freed.
    int port = 0;
    {
      Endpoint gone(Answer("200 OK", ""));
      port = std::stoi(gone.Url().substr(17, 5));
    }
    CurlHttpClient client(quick);
    // The window's wait cursor is on for the exchange and off again after a failure too.
    std::string busy;
    client.SetBusyHook([&busy](bool on) { busy += on ? '+' : '-'; });
    const HttpReply reply =
        GetAddress(client, "http://127.0.0.1:" + std::to_string(port) + "/ip.php");
    EXPECT_FALSE(reply.ok);
    EXPECT_FALSE(reply.error.empty());
    EXPECT_EQ(busy, "+-");
  }
  {
    // A reply larger than the cap is refused, not collected without end.
    CurlHttpClient::Limits capped = quick;
    capped.max_body = 1000;
    Endpoint flood(Answer("200 OK", std::string(5000, 'x')));
    CurlHttpClient client(capped);
    const HttpReply reply = GetAddress(client, flood.Url("/news.html"));
    EXPECT_FALSE(reply.ok);
    EXPECT_TRUE(reply.body.empty());
  }
}

}  // namespace
}  // namespace quorvex
