#include "records/deal_record.h"

#include <algorithm>
#include <bitset>
#include <fstream>
#include <system_error>

#include "records/history_file.h"
#include "records/keep_aside.h"
#include "settings/safe_file_write.h"

namespace quorvex {

TCard DealRecordCard(uint8_t deck_number) {
  return DeckCard(deck_number);
}

uint8_t DeckNumberOf(const TCard& card) {
  const uint8_t rank = RankValue(card);
  const int suit = SuitIndex(card.suit);
  if (rank < 1 || rank > 13 || suit < 0) return 0;
  return static_cast<uint8_t>((rank - 1) * 4 + suit + 1);
}

namespace {

bool IsDeckNumber(uint8_t n) {
  return n >= 1 && n <= 52;
}

bool IsSeat(uint8_t seat) {
  return seat == 1 || seat == 2;
}

// Far above the largest limit's file (about 300 bytes a deal).
constexpr std::uintmax_t kMaxDealFileBytes = 256u << 20;

struct FileRead {
  bool present = false;
  bool readable = true;
  DealRecordRead read;
};

FileRead ReadFile(const std::filesystem::path& file) {
  FileRead result;
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) return result;
  result.present = true;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  std::ifstream in(file, std::ios::binary);
  if (error || size > kMaxDealFileBytes || !in) {
    result.readable = false;
    result.read.whole = false;
    return result;
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    result.readable = false;
    result.read.whole = false;
    return result;
  }
  bytes.resize(static_cast<size_t>(in.gcount()));
  result.read = ParseDealRecords(bytes);
  return result;
}

// Writes the records over the file; a file that did not read whole is first kept aside, so
// nothing that could still be read from it is written over.
bool Store(const std::filesystem::path& file, const FileRead& before,
           const std::vector<DealRecord>& records) {
  if (before.present && !before.read.whole && !KeepDamagedFileAside(file)) return false;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  return ReplaceFileContents(file, DealRecordBytes(records));
}

}  // namespace

bool DealRecordConsistent(const DealRecord& r) {
  std::bitset<53> in_deck;
  for (uint8_t n : r.deck) {
    if (!IsDeckNumber(n) || in_deck[n]) return false;
    in_deck[n] = true;
  }
  if (!IsSeat(r.first_seat) || !IsSeat(r.first_leader) || r.vulnerability > 3) return false;
  if (static_cast<uint8_t>(r.kind) > static_cast<uint8_t>(DealKind::Tournament)) return false;
  std::bitset<53> in_hands;
  for (int seat = 1; seat <= 2; ++seat) {
    for (uint8_t n : r.hands[seat]) {
      if (!IsDeckNumber(n) || in_hands[n]) return false;
      in_hands[n] = true;
    }
  }
  for (const DealCall& call : r.calls) {
    if (!IsSeat(call.seat) || call.code < 1 || call.code > 38) return false;
  }
  if (r.draw_play.size() > 26 || r.contract_play.size() > 26) return false;
  std::bitset<53> played;
  for (uint8_t n : r.draw_play) {
    if (!IsDeckNumber(n) || played[n]) return false;
    played[n] = true;
  }
  for (uint8_t n : r.contract_play) {
    if (!IsDeckNumber(n) || !in_hands[n] || played[n]) return false;
    played[n] = true;
  }
  if (r.contract > 35 || r.doubling > 2 || r.declarer_tricks > 13) return false;
  if (r.contract != 0 && !IsSeat(r.declarer)) return false;
  if (r.contract == 0 && !r.contract_play.empty()) return false;
  if (r.analysis && r.analysis->cards.size() > r.contract_play.size()) return false;
  return true;
}

std::filesystem::path DealRecordPath(const std::filesystem::path& program_dir) {
  return HistoryFolder(program_dir) / kDealRecordFileName;
}

DealRecordRead ReadDealRecords(const std::filesystem::path& program_dir) {
  return ReadFile(DealRecordPath(program_dir)).read;
}

bool AddDealRecord(const std::filesystem::path& program_dir, const DealRecord& record, int limit) {
  if (!DealRecordConsistent(record)) return false;
  const std::filesystem::path file = DealRecordPath(program_dir);
  const FileRead before = ReadFile(file);
  std::vector<DealRecord> records = before.read.records;
  records.push_back(record);
  const size_t keep = static_cast<size_t>(std::clamp(limit, 1, kDealRecordLimitMax));
  if (records.size() > keep)
    records.erase(records.begin(), records.end() - static_cast<ptrdiff_t>(keep));
  return Store(file, before, records);
}

bool UpdateDealRecord(const std::filesystem::path& program_dir, const DealRecord& record) {
  if (!DealRecordConsistent(record)) return false;
  const std::filesystem::path file = DealRecordPath(program_dir);
  const FileRead before = ReadFile(file);
  std::vector<DealRecord> records = before.read.records;
  for (DealRecord& r : records) {
    if (r.time == record.time && r.deal_no == record.deal_no) {
      r = record;
      return Store(file, before, records);
    }
  }
  return false;
}

}  // namespace quorvex
