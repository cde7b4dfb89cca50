// The deal record file: records read back as written, one damaged record costs only itself, the
// oldest deals go beyond the limit, and a damaged file is kept aside, never written over.
#include <algorithm>
#include <numeric>
#include <random>

#include "opponent/auction_table.h"
#include "records/deal_record.h"
#include "records/records_fixture.h"

namespace quorvex {
namespace {

// A deal that holds together: the first 26 cards of the shuffled deck went in the draw, the
// other 26 are the contract hands, played out alternately.
DealRecord SampleDeal(int seed, bool with_analysis = false) {
  DealRecord r;
  std::iota(r.deck.begin(), r.deck.end(), uint8_t{1});
  std::shuffle(r.deck.begin(), r.deck.end(), std::mt19937(seed));
  r.time = 1'797'000'000 + seed;
  r.kind = DealKind::Computer;
  r.deal_no = seed;
  r.names = {"", "Zefir", "Mila \"Queen\" O'Hara"};
  r.first_seat = 1 + seed % 2;
  r.first_leader = 2 - seed % 2;
  r.vulnerability = static_cast<uint8_t>(seed % 4);
  r.draw_play.assign(r.deck.begin(), r.deck.begin() + 26);
  std::copy(r.deck.begin() + 26, r.deck.begin() + 39, r.hands[1].begin());
  std::copy(r.deck.begin() + 39, r.deck.end(), r.hands[2].begin());
  r.calls = {{1, 3}, {2, 8}, {1, kCallPass}};
  r.contract = 8;
  r.declarer = 2;
  for (int i = 0; i < 13; ++i) {
    r.contract_play.push_back(r.hands[2][i]);
    r.contract_play.push_back(r.hands[1][i]);
  }
  r.declarer_tricks = 9;
  r.declarer_score = 140;
  if (with_analysis) {
    DealAnalysis a;
    for (int i = 0; i < 26; ++i) a.cards.push_back({uint8_t(13 - i / 2), uint8_t(i % 5 == 0)});
    a.forecast[1] = {0, 5, 6, 7, 8, 9};
    a.forecast[2] = {0, 8, 7, 6, 5, 4};
    a.best_tricks = 10;
    a.best_score = 170;
    r.analysis = a;
  }
  return r;
}

TEST(DealRecordBytes, RecordsReadBackAsWritten) {
  DealRecord passed_out = SampleDeal(3);
  passed_out.contract = 0;
  passed_out.declarer = 0;
  passed_out.contract_play.clear();
  passed_out.calls = {{2, kCallPass}, {1, kCallPass}};
  const std::vector<DealRecord> records = {SampleDeal(1), SampleDeal(2, true), passed_out};
  const DealRecordRead read = ParseDealRecords(DealRecordBytes(records));
  EXPECT_TRUE(read.whole);
  EXPECT_EQ(read.damaged, 0);
  EXPECT_EQ(read.records, records);
  EXPECT_TRUE(ParseDealRecords("").whole);  // no file yet is no damage
}

TEST(DealRecordBytes, ADamagedRecordCostsOnlyItself) {
  const std::vector<DealRecord> records = {SampleDeal(1), SampleDeal(2, true), SampleDeal(3)};
  const std::string bytes = DealRecordBytes(records);
  const size_t second = bytes.find("DR", bytes.find("DR") + 1);
  const size_t third = bytes.find("DR", second + 1);
  ASSERT_NE(third, std::string::npos);

  struct Case {
    const char* what;
    std::string bytes;
    std::vector<DealRecord> kept;
  };
  std::string flipped = bytes;
  flipped[second + 40] ^= 0x10;
  std::string inconsistent_but_checked = DealRecordBytes({SampleDeal(1)});
  DealRecord twice = SampleDeal(2);
  twice.deck[1] = twice.deck[0];  // a card twice in the deck
  inconsistent_but_checked += DealRecordBytes({twice}).substr(9);
  const Case cases[] = {
      {"a flipped byte", flipped, {records[0], records[2]}},
      {"cut inside the last record", bytes.substr(0, bytes.size() - 7), {records[0], records[1]}},
      {"a record's bytes missing",
       bytes.substr(0, second + 20) + bytes.substr(third),
       {records[0], records[2]}},
      {"a record that checks but does not hold together", inconsistent_but_checked, {records[0]}},
      {"garbage between records", bytes.substr(0, third) + "DRDR\xff\xff" + bytes.substr(third),
       records},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DealRecordRead read = ParseDealRecords(c.bytes);
    EXPECT_FALSE(read.whole);
    EXPECT_GE(read.damaged, 1);
    EXPECT_EQ(read.records, c.kept);
  }
  for (const std::string& other :
       {std::string("QVXDEALS\x02") + bytes.substr(9), std::string("not a deal file at all")}) {
    const DealRecordRead read = ParseDealRecords(other);
    EXPECT_FALSE(read.whole);
    EXPECT_TRUE(read.records.empty());
  }
}

using DealRecordDisk = RecordsFolder;

TEST_F(DealRecordDisk, RecordsSurviveARestartAndTheOldestGoBeyondTheLimit) {
  for (int i = 1; i <= 5; ++i) ASSERT_TRUE(AddDealRecord(dir_, SampleDeal(i), 3));
  EXPECT_EQ(DealRecordPath(dir_), dir_ / "History" / "Quorva_deals.qdr");
  DealRecordRead read = ReadDealRecords(dir_);
  EXPECT_TRUE(read.whole);
  EXPECT_EQ(read.records, (std::vector<DealRecord>{SampleDeal(3), SampleDeal(4), SampleDeal(5)}));

  // The review's figures are kept with their deal.
  ASSERT_TRUE(UpdateDealRecord(dir_, SampleDeal(4, true)));
  read = ReadDealRecords(dir_);
  ASSERT_EQ(read.records.size(), 3u);
  EXPECT_EQ(read.records[1], SampleDeal(4, true));
  EXPECT_FALSE(UpdateDealRecord(dir_, SampleDeal(9, true)));  // not there: nothing to replace

  DealRecord broken = SampleDeal(6);
  broken.contract_play[0] = broken.draw_play[0];  // a card of the draw played again
  EXPECT_FALSE(AddDealRecord(dir_, broken, 3));
  EXPECT_EQ(ReadDealRecords(dir_).records.size(), 3u);
}

TEST_F(DealRecordDisk, ADamagedFileIsKeptAsideAndItsGoodRecordsGoOn) {
  ASSERT_TRUE(AddDealRecord(dir_, SampleDeal(1), 100));
  ASSERT_TRUE(AddDealRecord(dir_, SampleDeal(2), 100));
  std::string bytes = Bytes(DealRecordPath(dir_));
  bytes[bytes.find("DR", 12) + 30] ^= 0x01;  // the second record
  Put(DealRecordPath(dir_), bytes);

  ASSERT_TRUE(AddDealRecord(dir_, SampleDeal(3), 100));
  EXPECT_EQ(ReadDealRecords(dir_).records, (std::vector<DealRecord>{SampleDeal(1), SampleDeal(3)}));
  EXPECT_EQ(Bytes(dir_ / "History" / "Quorva_deals.qdr.damaged"), bytes);
}

}  // namespace
}  // namespace quorvex
