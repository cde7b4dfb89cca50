// A service that answers the account's requests in turn from a list, and account hooks that
// note what the windows were asked to do and answer the questions as told, without waiting.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "online/account_hooks.h"
#include "online/http_client.h"

namespace quorvex::testing {

inline HttpReply Answer(std::string body) {
  HttpReply reply;
  reply.ok = true;
  reply.status = 200;
  reply.body = std::move(body);
  return reply;
}

inline HttpReply NoAnswer() {
  HttpReply reply;
  reply.error = "unreachable";
  return reply;
}

class QueuedClient : public HttpClient {
 public:
  HttpReply Exchange(const HttpRequest& request) override {
    requests.push_back(request);
    if (replies.empty()) return NoAnswer();
    HttpReply reply = replies.front();
    replies.pop_front();
    return reply;
  }
  std::vector<std::string> Bodies() const {
    std::vector<std::string> bodies;
    for (const HttpRequest& r : requests) bodies.push_back(r.body);
    return bodies;
  }
  std::deque<HttpReply> replies;
  std::vector<HttpRequest> requests;
};

class NotedHooks : public AccountHooks {
 public:
  void ShowAccountWindowForRatedStart() override {
    notes.push_back("window");
    if (window) window();
  }
  void PlayErrorSound() override { notes.push_back("sound"); }
  void Wait(int milliseconds) override { notes.push_back("wait " + std::to_string(milliseconds)); }
  void ShowMessage(const std::string& text) override { notes.push_back("message " + text); }
  bool AskYesNo(const std::string& question) override {
    notes.push_back("ask " + question);
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void RedrawLampAndMenu() override { notes.push_back("redraw"); }

  std::vector<std::string> notes;
  std::deque<bool> answers;      // the player's answers in turn; no once they run out
  std::function<void()> window;  // what the player does in the account window
};

}  // namespace quorvex::testing
