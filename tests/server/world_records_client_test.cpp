// The game's world-list requests against the real server: results written under passports are
// ranked, counted and found again by their nick and city, texts in Windows-1251 included.
#include <gtest/gtest.h>

#include <memory>

#include "online/world_records.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

RecordEntry Result(const std::string& nick, const std::string& city, int64_t score) {
  RecordEntry entry;
  entry.list = kWindowsList;
  entry.nick = nick;
  entry.city = city;
  entry.country = "1-003";
  entry.score = score;
  entry.sex = 'W';
  return entry;
}

TEST(WorldRecordsClient, WrittenRankedCountedAndFoundAgain) {
  if (OnPostgres()) EmptyPostgres();
  Server server;
  ASSERT_TRUE(server.Started()) << server.Process().readAllStandardError().toStdString();
  CurlHttpClient http;
  WorldRecords records(http, server.Url("/records.php"));

  const RecordList empty = records.ReadTopTen(kWindowsList);
  EXPECT_TRUE(empty.ok);
  EXPECT_TRUE(empty.entries[0].Empty());
  EXPECT_EQ(records.ReadCount(kWindowsList), 0);

  EXPECT_EQ(records.Write(Result("Anna", "Riga", 1250)), 1);
  EXPECT_EQ(records.Write(Result("Old Bob", "Москва", 2000)), 1);
  EXPECT_EQ(records.Write(Result("Anna", "Riga", 300)), 3);
  EXPECT_EQ(records.Write(Result("Zoe", "Lima", 100)), 4);

  const RecordList top = records.ReadTopTen(kWindowsList);
  ASSERT_TRUE(top.ok);
  EXPECT_EQ(top.entries[0].Place, 1);
  EXPECT_EQ(top.entries[0].Nick, "Old_Bob");
  EXPECT_EQ(top.entries[0].City, "Москва");
  EXPECT_EQ(top.entries[1].Nick, "Anna");
  EXPECT_EQ(top.entries[1].Score, 1250);
  EXPECT_EQ(top.entries[1].Country, "1-003");
  EXPECT_EQ(top.entries[1].R07, "W");
  EXPECT_EQ(top.entries[1].R08, "5.7f");
  EXPECT_EQ(top.entries[3].Place, 4);
  EXPECT_TRUE(top.entries[4].Empty());
  EXPECT_EQ(records.ReadCount(kWindowsList), 4);
  EXPECT_EQ(records.ReadCount(kAndroidList), 0);

  // Own entries carry their places in the whole list, best first.
  const RecordList anna = records.ReadOwnEntries(kWindowsList, "Anna", "Riga");
  ASSERT_TRUE(anna.ok);
  EXPECT_EQ(anna.entries[0].Place, 2);
  EXPECT_EQ(anna.entries[1].Place, 3);
  EXPECT_EQ(anna.entries[1].Score, 300);
  EXPECT_TRUE(anna.entries[2].Empty());
  // The nick with a blank and the Cyrillic city are asked as they were written.
  const RecordList bob = records.ReadOwnEntries(kWindowsList, "Old Bob", "Москва");
  ASSERT_TRUE(bob.ok);
  EXPECT_EQ(bob.entries[0].Score, 2000);
  EXPECT_TRUE(records.ReadOwnEntries(kAndroidList, "Anna", "Riga").entries[0].Empty());
}

}  // namespace
}  // namespace quorvex
