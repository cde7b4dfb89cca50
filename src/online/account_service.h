// The requests of the account service: registration, login, the game record and its rating
// place, the rating top ten, the Zefs balance and the public profile. Each call is one blocking
// exchange; a failure is returned, never thrown, and leaves the defaults the call names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "online/account_records.h"
#include "online/http_client.h"

namespace quorvex {

enum class RegisterResult {
  Created = 0,
  NickTaken = 1,
  Failed = 2,
};

struct LoginReply {
  bool ok = false;
  // The login result either way: on failure the nick and password sent with every other field
  // at its login default ("#", "00.00.0000", 0).
  TZefUser user;
};

struct TopTenReply {
  bool ok = false;
  // Entries the reply did not fill keep their defaults (empty nick).
  std::array<TZefTop10, 10> entries{};
};

struct ProfileReply {
  bool ok = false;
  TInfo14 info;  // empty unless ok
};

class AccountService {
 public:
  AccountService(HttpClient& client, std::string address)
      : client_(client), address_(std::move(address)) {}
  // The service's address as the online configuration gives it.
  void SetAddress(std::string address) { address_ = std::move(address); }

  // Registers the member as given (its DateR, reserves and balance included). The nick and
  // city must check at least 2, password and e-mail 3 (AccountFieldCheck): a member that does
  // not is not sent and fails.
  RegisterResult Register(const TZefUser& user);

  // Refused when the reply holds "no" outside its data; an integer field that does not parse
  // fails. The result carries PwC enciphered from the password.
  LoginReply LogIn(const std::string& nick, const std::string& password);

  // The number of club members; nullopt on failure.
  std::optional<int64_t> ReadMemberCount();

  // Reads the game record into `game`: Kon, Score, Sessions, Rating, PlayNow, R1 and R2 start
  // from their defaults, Best and KonL from what `game` held, and the reply's fields follow. On
  // failure `game` is left as it was.
  bool ReadGameRecord(const TZefUser& user, TZefGame& game);
  bool SaveGameRecord(const TZefUser& user, const TZefGame& game);

  // The account's place in the rating list for the given rating; -1 on failure.
  int64_t ReadRatingPlace(double rating);

  TopTenReply ReadTopTen();

  std::optional<int64_t> ReadBalance(const std::string& nick);
  // Adds `amount` (negative to take) to the named member's balance.
  bool ChangeBalance(const std::string& nick, int64_t amount);

  ProfileReply ReadProfile(const std::string& nick);
  // "$" and "~" (which cut the profile's reply) and "&" (which would cut the body) in the texts
  // travel as spaces.
  bool SaveProfile(const std::string& nick, const TInfo14& info);

 private:
  HttpClient& client_;
  std::string address_;
};

}  // namespace quorvex
