// The HTTP client and the services that use it, facing a server that answers slowly, with
// garbage, with 50 MB, or not to the end: every exchange fails within its limit, holds no more
// than its cap, and no caller takes the failure for an answer or spoils a file it had.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "online/service_request.h"
#include "online/world_records.h"
#include "platform/curl_http_client.h"
#include "sound/radio_files.h"
#include "sound/radio_stations.h"
#include "support/hostile_http.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::HostileHttp;
using testing::Hostility;

constexpr Hostility kAllHostilities[] = {
    Hostility::Silent, Hostility::Drip,       Hostility::Garbage,     Hostility::GarbageBody,
    Hostility::Flood,  Hostility::ChunkFlood, Hostility::HeaderFlood, Hostility::CutShort};

CurlHttpClient::Limits QuickLimits() {
  CurlHttpClient::Limits quick;
  quick.connect_ms = 1000;
  quick.short_read_ms = 1000;
  quick.normal_ms = 1500;
  quick.download_ms = 2000;
  return quick;
}

class HostileServer : public ::testing::TestWithParam<Hostility> {};

TEST_P(HostileServer, TheExchangeFailsInTimeAndHoldsLittle) {
  HostileHttp server(GetParam());
  CurlHttpClient client(QuickLimits());
  for (ExchangeLimit limit : {ExchangeLimit::ShortRead, ExchangeLimit::Normal}) {
    HttpRequest request;
    request.url = server.Base() + "/news.html";
    request.post = limit == ExchangeLimit::Normal;
    request.limit = limit;
    const auto start = std::chrono::steady_clock::now();
    const HttpReply reply = client.Exchange(request);
    const auto took = std::chrono::steady_clock::now() - start;
    if (GetParam() == Hostility::GarbageBody) {
      // Well-formed HTTP: the bytes are the readers' to judge, below.
      EXPECT_TRUE(reply.ok);
      continue;
    }
    EXPECT_FALSE(reply.ok);
    EXPECT_TRUE(reply.body.empty());
    EXPECT_FALSE(reply.error.empty());
    EXPECT_LT(took, std::chrono::milliseconds(client.LimitOf(limit) + 2000)) << reply.error;
  }
  // A flood is cut off at the client's cap, not read to its end.
  EXPECT_LT(server.Sent(), testing::kFloodBytes / 2);
}

TEST_P(HostileServer, TheServicesReportTheFailure) {
  HostileHttp server(GetParam());
  CurlHttpClient client(QuickLimits());
  WorldRecords records(client, server.Base() + "/records.php");
  const RecordList top = records.ReadTopTen(kWindowsList);
  EXPECT_FALSE(top.ok);
  for (const TZefRecord& entry : top.entries) EXPECT_TRUE(entry.Empty());
  EXPECT_FALSE(records.ReadCount(kWindowsList).has_value());
}

TEST_P(HostileServer, AStationListThatWorksIsKept) {
  const fs::path dir =
      fs::temp_directory_path() / ("quorvex_hostile_" + std::string(HostilityName(GetParam())) +
                                   "_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const RadioFiles files{dir, dir, ""};
  const std::string list = StationListBytes(
      "LAT#QVX0001#Quorvex One#Latvia#http://127.0.0.1:8047/radio/quorvex1.mp3#RRADIO_LOGO_Q1\n");
  std::ofstream(files.ServerList(), std::ios::binary) << list;

  HostileHttp server(GetParam());
  CurlHttpClient client(QuickLimits());
  const RadioFiles from_server{dir, dir, server.Base()};
  EXPECT_FALSE(DownloadStationList(client, from_server));
  std::ifstream in(files.ServerList(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), list);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Every, HostileServer, ::testing::ValuesIn(kAllHostilities),
                         [](const ::testing::TestParamInfo<Hostility>& info) {
                           return std::string(HostilityName(info.param));
                         });

}  // namespace
}  // namespace quorvex
