// A club's account service in memory: members with their passwords, balances, profiles, game
// records and photos, answering the account requests in the service's reply layouts, the photos
// by their address. Every request is kept for the tests to look at.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "online/account_fakes.h"
#include "online/http_client.h"

namespace quorvex::testing {

class FakeAccountServer : public HttpClient {
 public:
  struct Member {
    std::string pw;
    // The login reply's fields: City Country1 Country2 Sex EMail DateR R01 R02 R03 R04 R05 R06,
    // R04 left out (it is `balance`).
    std::string city = "Oslo", country1 = "Norway", country2 = "1-029", sex = "M";
    std::string email = "me@club.no", dater = "01.02.2023";
    long long balance = 0;
    std::string record = "0 0 0 0 0 0 0 #";  // Kon Best Rating Sessions KonL Score R1 R2
    std::string profile;                     // "~"-separated, WebSite before Skype; empty: none
    std::string photo;                       // JPEG bytes; empty: none
  };

  HttpReply Exchange(const HttpRequest& request) override {
    requests.push_back(request);
    if (!online) return NoAnswer();
    if (!request.post) {
      const std::string file = request.url.substr(request.url.rfind('/') + 1);
      const std::string nick = file.substr(0, file.size() - 4);
      const auto found = members.find(nick);
      if (found == members.end() || found->second.photo.empty()) return NoAnswer();
      return Answer(found->second.photo);
    }
    const std::map<std::string, std::string> form = Form(request.body);
    auto has = [&](const char* name) { return form.count(name) > 0; };
    auto value = [&](const char* name) {
      const auto found = form.find(name);
      return found == form.end() ? std::string() : found->second;
    };
    const auto member = members.find(value("nick"));
    const bool known = member != members.end();
    const bool password_ok = known && member->second.pw == value("pw");
    if (has("label0")) {
      if (!password_ok) return Answer("no");
      const Member& m = member->second;
      return Answer("$" + m.city + " " + m.country1 + " " + m.country2 + " " + m.sex + " " +
                    m.email + " " + m.dater + " a b c " + std::to_string(m.balance) + " 0 0$");
    }
    if (has("label1")) return Answer("$" + std::to_string(member_count) + "$");
    if (has("qvrx02best") && has("nick"))
      return password_ok ? Answer("$" + member->second.record + "$") : Answer("$$");
    if (has("qvrx02kon") && has("nick")) return Answer("$ok$");
    if (has("qvrx02kon")) return Answer(top_ten);
    if (has("qvrx02rating")) return Answer("$" + std::to_string(place) + "$");
    if (has("labelzefread"))
      return known ? Answer("$" + std::to_string(member->second.balance) + "$") : Answer("no");
    if (has("labelzefsave")) {
      if (!known) return Answer("$no$");
      member->second.balance += std::stoll(value("R04"));
      return Answer("$ok$");
    }
    if (has("labelinforead"))
      return known && !member->second.profile.empty() ? Answer("$" + member->second.profile + "$")
                                                      : Answer("no");
    if (has("labelinfosave")) {
      if (!known) return Answer("$no$");
      std::string profile;
      for (const char* name :
           {"namei", "name2", "about", "telephone", "emailo", "website", "skype", "ok", "vk",
            "telegram", "facebook", "twitter", "instagramm", "youtube"})
        profile += (profile.empty() ? "" : "~") + value(name);
      member->second.profile = profile;
      return Answer("$ok$");
    }
    if (has("dater")) {
      if (known) return Answer("$is$");
      Member& m = members[value("nick")];
      m.pw = value("pw");
      m.city = value("city");
      m.country1 = value("country1");
      m.country2 = value("country2");
      m.sex = value("sex");
      m.email = value("email");
      m.dater = value("dater");
      return Answer("$ok$");
    }
    return NoAnswer();
  }

  // How many requests carried a field of this name.
  int Asked(const std::string& name) const {
    int count = 0;
    for (const HttpRequest& request : requests)
      if (request.post && Form(request.body).count(name)) ++count;
    return count;
  }

  std::map<std::string, Member> members;
  std::string top_ten;
  long long member_count = 1234;
  long long place = 5;
  bool online = true;
  std::vector<HttpRequest> requests;

 private:
  // The pairs of a body, "&&" or "&" between them, "+" and "%XX" decoded.
  static std::map<std::string, std::string> Form(const std::string& body) {
    std::map<std::string, std::string> form;
    size_t start = 0;
    while (start <= body.size()) {
      size_t end = body.find('&', start);
      if (end == std::string::npos) end = body.size();
      const std::string pair = body.substr(start, end - start);
      const size_t equals = pair.find('=');
      if (equals != std::string::npos) {
        std::string decoded;
        const std::string raw = pair.substr(equals + 1);
        for (size_t i = 0; i < raw.size(); ++i) {
          if (raw[i] == '+') {
            decoded += ' ';
          } else if (raw[i] == '%' && i + 2 < raw.size()) {
            decoded += char(std::stoi(raw.substr(i + 1, 2), nullptr, 16));
            i += 2;
          } else {
            decoded += raw[i];
          }
        }
        form[pair.substr(0, equals)] = decoded;
      }
      start = end + 1;
    }
    return form;
  }
};

}  // namespace quorvex::testing
