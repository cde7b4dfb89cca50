// A resource library fetched from a server that stalls, floods, sends garbage or stops
// mid-reply: the download fails, the library already there stays as it was, nothing is left
// beside it, and a flood never sits in memory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "platform/curl_http_client.h"
#include "support/hostile_http.h"
#include "ui/dialogs/resource_download.h"

namespace quorvex {
namespace {

using testing::HostileHttp;
using testing::Hostility;

// The process's peak memory in kB since the last reset; 0 where the system does not tell.
long PeakKb(bool reset) {
  if (reset) std::ofstream("/proc/self/clear_refs") << "5";
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word)
    if (word == "VmHWM:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
  return 0;
}

class HostileDownload : public ::testing::TestWithParam<Hostility> {};

TEST_P(HostileDownload, FailsAndKeepsTheLibraryThatWasThere) {
  QTemporaryDir folder;
  const QString target = QDir(folder.path()).filePath(QStringLiteral("ZefCGraph1.dll"));
  {
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the library that works");
  }
  HostileHttp server(GetParam());
  CurlHttpClient::Limits quick;
  quick.connect_ms = 1000;
  quick.download_ms = 2000;
  CurlHttpClient client(quick);
  const long before = PeakKb(true);
  EXPECT_FALSE(
      DownloadResource(client, server.Base(), QStringLiteral("ZefCGraph1.dll"), folder.path()));
  if (before > 0) {
    EXPECT_LT(PeakKb(false) - before, 20 * 1024) << "kB more at the peak";
  }
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "the library that works");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
            QStringList{QStringLiteral("ZefCGraph1.dll")});
}

INSTANTIATE_TEST_SUITE_P(Every, HostileDownload,
                         ::testing::Values(Hostility::Silent, Hostility::Drip, Hostility::Garbage,
                                           Hostility::GarbageBody, Hostility::Flood,
                                           Hostility::ChunkFlood, Hostility::CutShort),
                         [](const ::testing::TestParamInfo<Hostility>& info) {
                           return std::string(testing::HostilityName(info.param));
                         });

}  // namespace
}  // namespace quorvex
