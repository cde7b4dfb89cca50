// The deal record file: "QVXDEALS", a version byte, then every record as "DR", its length (four
// bytes, least significant first), its fields and a CRC-32 of those fields. A record whose length,
// checksum or contents are wrong is skipped and the reading goes on at the next "DR" whose record
// checks, so one damaged record never takes the others with it.
#include <array>

#include "records/deal_record.h"

namespace quorvex {
namespace {

constexpr std::string_view kMagic = "QVXDEALS";
constexpr uint8_t kVersion = 1;
constexpr std::string_view kMarker = "DR";
// Far above any real record (a few hundred bytes), low enough that a damaged length is noticed.
constexpr uint32_t kMaxRecordBytes = 16384;
constexpr size_t kMaxNameBytes = 255;
constexpr size_t kMaxCalls = 400;

uint32_t Crc32(std::string_view bytes) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

class Writer {
 public:
  void U8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(v >> (8 * i)));
  }
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  void I64(int64_t v) {
    const auto u = static_cast<uint64_t>(v);
    U32(static_cast<uint32_t>(u));
    U32(static_cast<uint32_t>(u >> 32));
  }
  void Text(const std::string& text) {
    const size_t n = std::min(text.size(), kMaxNameBytes);
    U8(static_cast<uint8_t>(n));
    out_.append(text, 0, n);
  }
  template <typename Bytes>
  void List(const Bytes& bytes) {
    U8(static_cast<uint8_t>(bytes.size()));
    for (uint8_t b : bytes) U8(b);
  }
  std::string& Bytes() { return out_; }

 private:
  std::string out_;
};

class Reader {
 public:
  explicit Reader(std::string_view bytes) : in_(bytes) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return pos_ == in_.size(); }

  uint8_t U8() {
    if (pos_ >= in_.size()) {
      ok_ = false;
      return 0;
    }
    return static_cast<uint8_t>(in_[pos_++]);
  }
  uint16_t U16() {
    const uint16_t lo = U8();
    return static_cast<uint16_t>(lo | (U8() << 8));
  }
  uint32_t U32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(U8()) << (8 * i);
    return v;
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  int64_t I64() {
    const uint64_t lo = U32();
    const uint64_t hi = U32();
    return static_cast<int64_t>(lo | (hi << 32));
  }
  std::string Text() {
    const size_t n = U8();
    if (in_.size() - pos_ < n) {
      ok_ = false;
      return {};
    }
    std::string text(in_.substr(pos_, n));
    pos_ += n;
    return text;
  }
  std::vector<uint8_t> List(size_t most) {
    const size_t n = U8();
    if (n > most || in_.size() - pos_ < n) {
      ok_ = false;
      return {};
    }
    std::vector<uint8_t> list(in_.begin() + static_cast<ptrdiff_t>(pos_),
                              in_.begin() + static_cast<ptrdiff_t>(pos_ + n));
    pos_ += n;
    return list;
  }

 private:
  std::string_view in_;
  size_t pos_ = 0;
  bool ok_ = true;
};

std::string RecordFields(const DealRecord& r) {
  Writer w;
  w.I64(r.time);
  w.U8(static_cast<uint8_t>(r.kind));
  w.I32(r.deal_no);
  w.Text(r.names[1]);
  w.Text(r.names[2]);
  w.U8(r.first_seat);
  w.U8(r.first_leader);
  w.U8(r.vulnerability);
  for (uint8_t n : r.deck) w.U8(n);
  for (int seat = 1; seat <= 2; ++seat)
    for (uint8_t n : r.hands[seat]) w.U8(n);
  const size_t calls = std::min(r.calls.size(), kMaxCalls);
  w.U16(static_cast<uint16_t>(calls));
  for (size_t i = 0; i < calls; ++i) {
    w.U8(r.calls[i].seat);
    w.U8(r.calls[i].code);
  }
  w.List(r.draw_play);
  w.List(r.contract_play);
  w.U8(r.contract);
  w.U8(r.doubling);
  w.U8(r.declarer);
  w.U8(r.declarer_tricks);
  w.I32(r.declarer_score);
  w.U8(r.analysis ? 1 : 0);
  if (r.analysis) {
    const DealAnalysis& a = *r.analysis;
    w.U8(static_cast<uint8_t>(std::min<size_t>(a.cards.size(), 26)));
    for (size_t i = 0; i < a.cards.size() && i < 26; ++i) {
      w.U8(a.cards[i].best);
      w.U8(a.cards[i].cost);
    }
    for (int seat = 1; seat <= 2; ++seat)
      for (int d = 1; d <= 5; ++d) w.U8(a.forecast[seat][d]);
    w.U8(a.best_tricks);
    w.I32(a.best_score);
  }
  return std::move(w.Bytes());
}

std::optional<DealRecord> ReadFields(std::string_view fields) {
  Reader in(fields);
  DealRecord r;
  r.time = in.I64();
  r.kind = static_cast<DealKind>(in.U8());
  r.deal_no = in.I32();
  r.names[1] = in.Text();
  r.names[2] = in.Text();
  r.first_seat = in.U8();
  r.first_leader = in.U8();
  r.vulnerability = in.U8();
  for (uint8_t& n : r.deck) n = in.U8();
  for (int seat = 1; seat <= 2; ++seat)
    for (uint8_t& n : r.hands[seat]) n = in.U8();
  const size_t calls = in.U16();
  if (calls > kMaxCalls) return std::nullopt;
  for (size_t i = 0; i < calls && in.Ok(); ++i) {
    DealCall call;
    call.seat = in.U8();
    call.code = in.U8();
    r.calls.push_back(call);
  }
  r.draw_play = in.List(26);
  r.contract_play = in.List(26);
  r.contract = in.U8();
  r.doubling = in.U8();
  r.declarer = in.U8();
  r.declarer_tricks = in.U8();
  r.declarer_score = in.I32();
  const uint8_t has_analysis = in.U8();
  if (has_analysis > 1) return std::nullopt;
  if (has_analysis) {
    DealAnalysis a;
    const size_t cards = in.U8();
    if (cards > 26) return std::nullopt;
    for (size_t i = 0; i < cards && in.Ok(); ++i) {
      CardReview review;
      review.best = in.U8();
      review.cost = in.U8();
      a.cards.push_back(review);
    }
    for (int seat = 1; seat <= 2; ++seat)
      for (int d = 1; d <= 5; ++d) a.forecast[seat][d] = in.U8();
    a.best_tricks = in.U8();
    a.best_score = in.I32();
    r.analysis = std::move(a);
  }
  if (!in.Ok() || !in.AtEnd() || !DealRecordConsistent(r)) return std::nullopt;
  return r;
}

uint32_t U32At(std::string_view bytes, size_t pos) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i)
    v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos + i])) << (8 * i);
  return v;
}

}  // namespace

std::string DealRecordBytes(const std::vector<DealRecord>& records) {
  Writer w;
  w.Bytes().append(kMagic);
  w.U8(kVersion);
  for (const DealRecord& r : records) {
    const std::string fields = RecordFields(r);
    w.Bytes().append(kMarker);
    w.U32(static_cast<uint32_t>(fields.size()));
    w.Bytes().append(fields);
    w.U32(Crc32(fields));
  }
  return std::move(w.Bytes());
}

DealRecordRead ParseDealRecords(std::string_view bytes) {
  DealRecordRead read;
  if (bytes.empty()) return read;
  if (bytes.size() < kMagic.size() + 1 || bytes.substr(0, kMagic.size()) != kMagic ||
      static_cast<uint8_t>(bytes[kMagic.size()]) != kVersion) {
    read.whole = false;
    return read;
  }
  size_t pos = kMagic.size() + 1;
  bool lost_bytes = false;  // bytes skipped since the last record that checked
  while (pos < bytes.size()) {
    const size_t header = kMarker.size() + 4;
    bool taken = false;
    if (bytes.size() - pos >= header && bytes.substr(pos, kMarker.size()) == kMarker) {
      const uint32_t length = U32At(bytes, pos + kMarker.size());
      if (length <= kMaxRecordBytes && bytes.size() - pos - header >= size_t{length} + 4) {
        const std::string_view fields = bytes.substr(pos + header, length);
        if (U32At(bytes, pos + header + length) == Crc32(fields)) {
          if (std::optional<DealRecord> record = ReadFields(fields)) {
            read.records.push_back(std::move(*record));
          } else {
            ++read.damaged;  // it checks, yet its deal does not hold together
          }
          if (lost_bytes) ++read.damaged;
          lost_bytes = false;
          pos += header + length + 4;
          taken = true;
        }
      }
    }
    if (!taken) {
      read.whole = false;
      lost_bytes = true;
      const size_t next = bytes.find(kMarker, pos + 1);
      if (next == std::string_view::npos) break;
      pos = next;
    }
  }
  if (lost_bytes) ++read.damaged;
  if (read.damaged > 0) read.whole = false;
  return read;
}

}  // namespace quorvex
