// Every reader of the online services' replies: the same bytes answered to each request of the
// account, records, chat, statistics and tournament services, the news page, the playlist, the
// echo of the public address and an account picture. None may read past the reply, and each
// keeps the shape its window relies on.
#include "fuzz_support.h"
#include "online/account_service.h"
#include "online/avatar.h"
#include "online/chat_news_checks.h"
#include "online/chat_service.h"
#include "online/public_address.h"
#include "online/record_entry_write.h"
#include "online/reply_readers.h"
#include "online/tournament_service.h"
#include "online/world_records.h"
#include "online/world_stats.h"
#include "sound/playlist.h"

using namespace quorvex;

namespace {

// Answers every request with the input, as a server could.
class FuzzedServer : public HttpClient {
 public:
  explicit FuzzedServer(std::string body) : body_(std::move(body)) {}
  HttpReply Exchange(const HttpRequest&) override {
    HttpReply reply;
    reply.ok = true;
    reply.status = 200;
    reply.body = body_;
    return reply;
  }

 private:
  std::string body_;
};

void Account(FuzzedServer& server) {
  AccountService account(server, "http://127.0.0.1:8047/account.php");
  const LoginReply login = account.LogIn("Fuzz", "secret");
  FUZZ_CHECK(login.user.Nick == "Fuzz" || login.ok);
  (void)account.ReadMemberCount();
  TZefUser user;
  user.Nick = "Fuzz";
  TZefGame game;
  game.Best = 7;
  game.KonL = 3;
  const TZefGame before = game;
  if (!account.ReadGameRecord(user, game)) FUZZ_CHECK(game == before);
  (void)account.ReadRatingPlace(1.5);
  (void)account.ReadTopTen();
  (void)account.ReadBalance("Fuzz");
  const ProfileReply profile = account.ReadProfile("Fuzz");
  if (!profile.ok) FUZZ_CHECK(profile.info == TInfo14{});
  (void)account.SaveGameRecord(user, game);
}

void Records(FuzzedServer& server) {
  WorldRecords records(server, "http://127.0.0.1:8047/records.php");
  (void)records.ReadTopTen(kWindowsList);
  (void)records.ReadOwnEntries(kAndroidList, "Fuzz", "Town");
  if (const std::optional<int64_t> count = records.ReadCount(kWindowsList)) FUZZ_CHECK(*count >= 0);
  const ChatRead chat = ReadChat(server, "http://127.0.0.1:8047/records.php");
  FUZZ_CHECK(chat.messages.size() == kChatMessages);
  (void)chat.Newest();
  WorldStats stats(server, "http://127.0.0.1:8047/stats.php");
  (void)stats.ReadTotals();
  bool reported = false;
  (void)stats.ReportStart(reported);
}

void Tournament(FuzzedServer& server) {
  TournamentService tournament(server, "http://127.0.0.1:8047/tournament.php");
  (void)tournament.ReadTables();
  (void)tournament.ReadServerInfo();
  (void)tournament.RequestSeat(1, 3, SeatChange::Take, TZefClient{});
  (void)tournament.ReadSeat(2, 10);
  (void)tournament.ReadStanding("Fuzz");
  for (TourKind kind : {TourKind::Score, TourKind::Rating, TourKind::Games}) {
    (void)tournament.ReadPlace(kind, 100);
    (void)tournament.ReadTopTen(kind);
  }
}

void Pages(FuzzedServer& server, std::string_view body) {
  FUZZ_CHECK(NewsNumberInPage(body) >= 0);
  const std::vector<PlaylistTrack> tracks = ParsePlaylist(body, "http://127.0.0.1:8047/musik/");
  FUZZ_CHECK(tracks.size() <= kPlaylistLimit);
  const std::string address = FetchPublicAddress(server, "http://127.0.0.1:8047/ip.php");
  FUZZ_CHECK(address.size() <= body.size());
  (void)FetchAvatar(server, "http://127.0.0.1:8047/avatars/", "Fuzz");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view body = fuzz::Bytes(data, size);
  FuzzedServer server{std::string(body)};
  Account(server);
  Records(server);
  Tournament(server);
  Pages(server, body);
  return 0;
}
