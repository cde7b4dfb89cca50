// Writes the seed corpora of the fuzz targets from the program's own writers: its files as it
// writes them, its messages as they travel, the requests it sends and the replies the server
// gives. Run once by hand (fuzz_seeds <corpus folder>) when a format changes; the corpora are
// kept with the sources.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "../support/played_deals.h"
#include "../support/peer_fakes.h"
#include "net/lan_messages.h"
#include "net/tour_frames.h"
#include "online/account_service.h"
#include "online/chat_service.h"
#include "online/chat_state_files.h"
#include "online/record_entry_write.h"
#include "online/service_addresses.h"
#include "online/string_cipher.h"
#include "online/tournament_service.h"
#include "online/user_file.h"
#include "online/world_records.h"
#include "online/world_stats.h"
#include "records/club_file.h"
#include "records/deal_record.h"
#include "records/history_file.h"
#include "records/pbn_export.h"
#include "settings/settings_file.h"
#include "sound/radio.h"
#include "sound/radio_stations.h"

using namespace quorvex;
namespace fs = std::filesystem;

namespace {

fs::path corpus;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
  fs::create_directories(corpus / target);
  std::ofstream(corpus / target / name, std::ios::binary) << bytes;
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void Files(const fs::path& scratch, const fs::path& source) {
  Settings settings;
  Seed("settings_file", "defaults", SettingsFileText(settings));
  settings.Language = 1;
  settings.GifAnimation = false;
  Seed("settings_file", "russian_gif", SettingsFileText(settings));
  Seed("settings_file", "short", SettingsFileText(settings).substr(0, 300));

  ClubFile club = FreshClubFile();
  Seed("club_file", "fresh", ClubFileText(club));
  club.line17 = "1idd";
  Seed("club_file", "russian_quiet", ClubFileText(club));
  std::string bad = ClubFileText(club);
  bad[5] ^= 1;
  Seed("club_file", "bad_checksum", bad);

  const HisStr records[] = {
      {"Anna", 12, 340, 1.25, 0}, {"Anna/Bob", 4, -60, 0.5, 3}, {"Anna", 30, 1200, 2.75, 1}};
  const HistoryWrite write = WriteHistory(scratch, records, HistoryStamp{21, 7, "10.12.2026"});
  if (!write.write.ok) std::abort();
  Seed("history_file", "three_sessions", FileBytes(HistoryFilePath(scratch, 1)));

  // Two deals: one played out with its review, one passed out.
  DealRecord deal;
  for (int i = 0; i < 52; ++i) deal.deck[i] = static_cast<uint8_t>((i * 7) % 52 + 1);
  deal.time = 1797000000;
  deal.deal_no = 4;
  deal.names = {"", "Anna", "Bob"};
  deal.first_seat = deal.first_leader = 1;
  deal.vulnerability = 2;
  deal.draw_play.assign(deal.deck.begin(), deal.deck.begin() + 26);
  for (int i = 0; i < 13; ++i) {
    deal.hands[1][i] = deal.deck[26 + i];
    deal.hands[2][i] = deal.deck[39 + i];
    deal.contract_play.push_back(deal.hands[2][i]);
    deal.contract_play.push_back(deal.hands[1][i]);
  }
  deal.calls = {{1, 1}, {2, 25}, {1, 36}, {2, 38}};
  deal.contract = 25;
  deal.doubling = 1;
  deal.declarer = 2;
  deal.declarer_tricks = 11;
  deal.declarer_score = 850;
  DealAnalysis review;
  review.cards.assign(26, CardReview{6, 1});
  review.forecast[1] = {0, 4, 5, 6, 7, 8};
  review.forecast[2] = {0, 9, 8, 7, 6, 5};
  review.best_tricks = 12;
  review.best_score = 1210;
  deal.analysis = review;
  DealRecord passed = deal;
  passed.time += 600;
  passed.calls = {{1, 38}, {2, 38}};
  passed.contract = passed.doubling = passed.declarer = passed.declarer_tricks = 0;
  passed.declarer_score = 0;
  passed.contract_play.clear();
  passed.analysis.reset();
  Seed("deal_records", "two_deals", DealRecordBytes({deal, passed}));
  Seed("deal_records", "empty", DealRecordBytes({}));

  std::vector<DealRecord> deals;
  for (unsigned seed = 1; seed <= 3; ++seed) {
    test::DealPlan plan;
    plan.seed = seed;
    plan.first_seat = static_cast<uint8_t>(seed % 2 + 1);
    plan.calls = seed == 3 ? std::vector<uint8_t>{38, 38} : std::vector<uint8_t>{5, 36, 38};
    plan.cards_played = seed == 2 ? 9 : 26;
    deals.push_back(test::PlayedDeal(plan));
  }
  Seed("pbn_games", "played", PbnText(deals, {"Quorvex", "Home"}));

  WriteUserFile(scratch, {"Anna", EncipherPassword("secret1")});
  Seed("user_file", "login", FileBytes(UserFilePath(scratch)));
  Seed("user_file", "header_only", std::string(kUserFileHeader) + "\r\n");

  WriteChatState(scratch, {1234, true, false});
  Seed("chat_news_state", "chat", FileBytes(scratch / kChatStateFileName));
  WriteNewsSeen(scratch, 12);
  Seed("chat_news_state", "news", FileBytes(scratch / kNewsStateFileName));

  const RadioSettings radio = DefaultRadioSettings("http://127.0.0.1:8047");
  Seed("radio_state", "defaults", RadioIniBytes(radio, radio));
  RadioSettings tuned = radio;
  tuned.on = true;
  tuned.volume = 70;
  tuned.filter = 5;
  tuned.station.name = "Радио";
  Seed("radio_state", "tuned", RadioIniBytes(tuned, radio));

  const std::string stations = FileBytes(source / "assets/radio/stations.txt");
  Seed("station_list", "installed", StationListBytes(stations));
  Seed("station_list", "no_mark", StationListBytes(stations).substr(2));

  Seed("advert_catalogue", "server", FileBytes(source / "server/templates/adverts.txt"));
}

void Configuration() {
  auto value = [](ServiceAddress which, const std::string& path) {
    return Encipher("http://127.0.0.1:8047" + path, AddressKey(which));
  };
  Seed("configuration", "server",
       "WTGamesPatt=" + value(ServiceAddress::TopTen, "/records.php") +
           "#\r\nStatPath=" + value(ServiceAddress::Stats, "/stats.php") +
           "#\r\nAccPath=" + value(ServiceAddress::Account, "/account.php") + "#\r\n");
  Seed("configuration", "paused", "WTGamesPause#CTGamesPause#StatPath=garbage#");
}

void Messages() {
  using testing::OrderedDeck;
  Seed("lan_messages", "handshake", std::string(1, '\x05') + HandshakeMessage("Anna"));
  Seed("lan_messages", "reply_deck_begin",
       std::string(1, '\x20') + ConnectReplyMessage("Bob") + OrderedDeck() + BeginMessage());
  Seed("lan_messages", "play",
       std::string(1, '\x03') + CallMessage(12, LanRole::Server) + CardMessage(7, LanRole::Client) +
           CollectMessage() + CloseMessage(LanRole::Server));
  Seed("lan_messages", "chat", std::string(1, '\x3f') + ChatMessage("Hello there"));
  Seed("lan_messages", "other_game",
       std::string(1, '\x07') + "zef1234connect1Someone             ");

  Seed("tour_frames", "connect_deck",
       std::string(1, '\x13') + FrameTourMessage("connect1", '1') + OrderedDeck() +
           FrameTourMessage("hbegin", '0'));
  Seed("tour_frames", "play",
       std::string(1, '\x05') + FrameTourMessage("htrg12", '1') + FrameTourMessage("hhod07", '2') +
           FrameTourMessage("hslits", '1') + FrameTourMessage("s Good luck", '2'));
  Seed("tour_frames", "end",
       std::string(1, '\x50') + FrameTourMessage(TourResultMessage(-340), '1') +
           FrameTourMessage("e", '0') + FrameTourMessage("a", '0') + FrameTourMessage("T", '0') +
           FrameTourMessage("TOut", '2') + FrameTourMessage("disA", '1') +
           FrameTourMessage("hclose", '2'));
}

void Replies() {
  const std::map<std::string, std::string> replies = {
      {"refusal", "no#"},
      {"status", "$ ok#"},
      {"number", "$17$"},
      {"login", "$Reno USA 3-001 W nobody@x.org 05.06.2023 a b c 120 0 -3$"},
      {"game_record", "$20 900 -19.64 3 0 0 7 r$"},
      {"profile", "$Anna~Ivanova~About me~~x~y~z~1~2~3~4~5~6~7$"},
      {"entries",
       "$1 0 320 Ann 1-026 Riga W 1.0 12:00 Hello*$2 0 200 Bob 3-034 Boston M 1.0 "
       "12:01 Hi_there*"},
      {"tournament_entries", "$1 Ann Riga 1-026 W 320*$2 Bob Boston 3-034 M 200*"},
      {"tables",
       "$1 10.0.0.1 9011 Y 0 X Ann 120 3 1516 Latvia Riga W 5.6.7.8 X 0 0 0 X X M X*"
       "$2 10.0.0.1 9011 Y 0 X Bob -40 7 1480 USA Boston M 1.2.3.4 Zoe 200 9 1530 Peru Lima W "
       "9.9.9.9*$"},
      {"server_info", "$Y Welcome_to_the_tournament!$"},
      {"stats", "$10 5 2 Anna 1 2 3 4 5 6 7 8 9 10 11 12 0 #*"},
      {"news", "<html><body><!-- ZefNews00012 --></body></html>"},
      {"playlist", "Quorvex~morning_deal.mp3\r\nQuorvex~quiet_trump.mp3\r\nnot a track\r\n"},
      {"address", " 127.0.0.1\r\n"},
      {"picture", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10)},
  };
  for (const auto& [name, body] : replies) Seed("service_replies", name, body);
}

// The requests the program's own services send, captured as they go out.
class Capture : public HttpClient {
 public:
  HttpReply Exchange(const HttpRequest& request) override {
    char service = '2';
    if (request.url.find("records") != std::string::npos) service = '0';
    if (request.url.find("stats") != std::string::npos) service = '1';
    if (request.url.find("tournament") != std::string::npos) service = '3';
    lines += service + request.body + "\n";
    HttpReply reply;
    reply.ok = true;
    reply.body = "$ ok#";
    return reply;
  }
  std::string lines;
};

void Requests() {
  const std::string base = "http://127.0.0.1:8047/";
  auto seed = [](const std::string& name, Capture& capture) {
    Seed("server_services", name, capture.lines);
    std::string first = capture.lines.substr(1, capture.lines.find('\n') - 1);
    Seed("server_form", name, first);
    capture.lines.clear();
  };
  Capture capture;
  AccountService account(capture, base + "account.php");
  TZefUser user;
  user.Nick = "Anna";
  user.Pw = "secret1";
  user.City = "Riga";
  user.EMail = "anna@example.org";
  account.Register(user);
  account.LogIn("Anna", "secret1");
  TZefGame game;
  account.ReadGameRecord(user, game);
  account.SaveGameRecord(user, TZefGame{});
  seed("account", capture);
  account.LogIn("Anna", "secret1");
  account.ReadBalance("Anna");
  account.ChangeBalance("Bob", 5);
  account.ReadProfile("Anna");
  account.SaveProfile("Anna", TInfo14{});
  account.ReadRatingPlace(1.5);
  account.ReadTopTen();
  seed("account_session", capture);

  WorldRecords records(capture, base + "records.php");
  records.ReadTopTen(kWindowsList);
  records.ReadOwnEntries(kWindowsList, "Anna", "Riga");
  records.ReadCount(kWindowsList);
  WriteRecordEntry(capture, base + "records.php", {kWindowsList, "Anna", "Riga", "1-026", 320});
  seed("records", capture);
  SendChatMessage(capture, base + "records.php", {"Anna", "Riga", "1-026", 'W'}, "Hello",
                  "12:00_10.12.2026");
  seed("chat", capture);

  WorldStats stats(capture, base + "stats.php");
  bool reported = false;
  stats.ReportStart(reported);
  stats.ReportSession(SessionCounters{});
  stats.SendLike("Anna");
  stats.ReadTotals();
  seed("stats", capture);

  TournamentService tournament(capture, base + "tournament.php");
  account.LogIn("Anna", "secret1");
  tournament.ReadTables();
  tournament.ReadServerInfo();
  TZefClient holder;
  holder.Nick = "Anna";
  tournament.RequestSeat(1, 3, SeatChange::Take, holder);
  tournament.ReadSeat(1, 3);
  tournament.ReadStanding("Anna");
  tournament.ReadPlace(TourKind::Rating, 1500);
  tournament.ReadTopTen(TourKind::Score);
  seed("tournament", capture);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: fuzz_seeds <corpus folder> <source folder>\n";
    return 2;
  }
  corpus = argv[1];
  const fs::path scratch = fs::temp_directory_path() / "quorvex-fuzz-seeds";
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  Files(scratch, argv[2]);
  Configuration();
  Messages();
  Replies();
  Requests();
  fs::remove_all(scratch);
  return 0;
}
