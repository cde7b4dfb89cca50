// An HTTP server on the loopback that answers every request badly, in one of the ways a broken
// or hostile server does, and counts what it managed to send.
#pragma once

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <ostream>
#include <random>
#include <string>
#include <thread>

namespace quorvex::testing {

enum class Hostility {
  Silent,       // reads the request, never answers
  Drip,         // a valid head, then the body one byte at a time, slowly, without end
  Garbage,      // random bytes instead of HTTP
  GarbageBody,  // "200 OK" with random bytes for a body
  Flood,        // "200 OK" announcing and sending 50 MB
  ChunkFlood,   // 50 MB in chunks, no length announced
  HeaderFlood,  // header lines without end
  CutShort,     // half the announced body, then the connection closed
};

inline const char* HostilityName(Hostility h) {
  switch (h) {
    case Hostility::Silent:
      return "Silent";
    case Hostility::Drip:
      return "Drip";
    case Hostility::Garbage:
      return "Garbage";
    case Hostility::GarbageBody:
      return "GarbageBody";
    case Hostility::Flood:
      return "Flood";
    case Hostility::ChunkFlood:
      return "ChunkFlood";
    case Hostility::HeaderFlood:
      return "HeaderFlood";
    case Hostility::CutShort:
      return "CutShort";
  }
  return "?";
}

// Names the way in test messages.
inline void PrintTo(Hostility h, std::ostream* out) {
  *out << HostilityName(h);
}

inline constexpr size_t kFloodBytes = size_t(50) << 20;

class HostileHttp {
 public:
  explicit HostileHttp(Hostility how) : how_(how) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd_, 8);
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~HostileHttp() {
    stop_ = true;
    ::shutdown(fd_, SHUT_RDWR);
    thread_.join();
    ::close(fd_);
  }
  HostileHttp(const HostileHttp&) = delete;
  HostileHttp& operator=(const HostileHttp&) = delete;

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  // Bytes handed to the connection so far, over all requests.
  size_t Sent() const { return sent_; }

 private:
  void Serve() {
    while (!stop_) {
      pollfd wait{fd_, POLLIN, 0};
      if (::poll(&wait, 1, 50) != 1) continue;
      const int client = ::accept(fd_, nullptr, nullptr);
      if (client < 0) return;
      ReadHead(client);
      Answer(client);
      ::close(client);
    }
  }

  void ReadHead(int client) {
    std::string data;
    char buffer[4096];
    while (!stop_ && data.find("\r\n\r\n") == std::string::npos) {
      pollfd wait{client, POLLIN, 0};
      if (::poll(&wait, 1, 50) != 1) continue;
      const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      data.append(buffer, size_t(n));
    }
  }

  // False once the client has gone or the server is stopping.
  bool Send(int client, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size() && !stop_) {
      pollfd wait{client, POLLOUT, 0};
      if (::poll(&wait, 1, 50) != 1) continue;
      const ssize_t n = ::send(client, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
      if (n <= 0) return false;
      done += size_t(n);
      sent_ += size_t(n);
    }
    return done == bytes.size();
  }

  void Answer(int client) {
    using namespace std::chrono_literals;
    const std::string ok = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    switch (how_) {
      case Hostility::Silent:
        while (!stop_) std::this_thread::sleep_for(10ms);
        return;
      case Hostility::Drip:
        if (!Send(client, ok + "Content-Length: 100000\r\n\r\n")) return;
        while (!stop_ && Send(client, "$")) std::this_thread::sleep_for(100ms);
        return;
      case Hostility::Garbage:
      case Hostility::GarbageBody: {
        std::mt19937 random(7);
        std::string noise(64 * 1024, '\0');
        for (char& c : noise) c = char(random());
        if (how_ == Hostility::GarbageBody)
          noise = ok + "Content-Length: " + std::to_string(noise.size()) + "\r\n\r\n" + noise;
        Send(client, noise);
        return;
      }
      case Hostility::Flood: {
        if (!Send(client, ok + "Content-Length: " + std::to_string(kFloodBytes) + "\r\n\r\n"))
          return;
        const std::string block(64 * 1024, '$');
        for (size_t done = 0; done < kFloodBytes && Send(client, block); done += block.size()) {
        }
        return;
      }
      case Hostility::ChunkFlood: {
        if (!Send(client, ok + "Transfer-Encoding: chunked\r\n\r\n")) return;
        const std::string chunk = "10000\r\n" + std::string(0x10000, '$') + "\r\n";
        for (size_t done = 0; done < kFloodBytes && Send(client, chunk); done += 0x10000) {
        }
        Send(client, "0\r\n\r\n");
        return;
      }
      case Hostility::HeaderFlood: {
        if (!Send(client, ok)) return;
        const std::string line = "X-Filler: " + std::string(100, 'x') + "\r\n";
        for (size_t done = 0; done < kFloodBytes && Send(client, line); done += line.size()) {
        }
        return;
      }
      case Hostility::CutShort:
        Send(client, ok + "Content-Length: 4000\r\n\r\n" + std::string(2000, '$'));
        return;
    }
  }

  Hostility how_;
  int fd_ = -1;
  int port_ = 0;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<size_t> sent_{0};
};

}  // namespace quorvex::testing
