#include "relay_table.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <cstdio>
#include <string_view>

#include "game/deal.h"
#include "net/lan_messages.h"

namespace quorvex::server {
namespace {

// Bytes taken from a connection at a time; Qt keeps no more than this waiting for us either.
constexpr qint64 kReadChunk = 4096;
// A chat line waits behind no more than this for a seat that does not read; past it, it is
// dropped rather than held.
constexpr qint64 kChatBacklog = 4096;

// IPv4-mapped IPv6 addresses count as the IPv4 address they carry.
QHostAddress Folded(const QHostAddress& address) {
  bool ok = false;
  const quint32 v4 = address.toIPv4Address(&ok);
  return ok ? QHostAddress(v4) : address;
}

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n % 100);
  return buffer;
}

// A move as the other seat's program reads it, with the sender's digit.
std::string MoveFrame(const TourFrame& frame) {
  switch (frame.kind) {
    case TourFrameKind::Begin:
      return FrameTourMessage("hbegin", frame.seat);
    case TourFrameKind::Card:
      return FrameTourMessage("hhod" + TwoDigits(frame.number), frame.seat);
    case TourFrameKind::Collect:
      return FrameTourMessage("hslits", frame.seat);
    case TourFrameKind::Call:
      return FrameTourMessage("htrg" + TwoDigits(frame.number), frame.seat);
    case TourFrameKind::Close:
      return FrameTourMessage("hclose", frame.seat);
    default:
      return std::string();
  }
}

// A chat line without control bytes, framed with the seat it really came from.
std::string ChatFrame(const std::string& text, int seat) {
  std::string clean = "s";
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) clean += c;
  }
  return FrameTourMessage(clean, static_cast<char>('0' + seat));
}

}  // namespace

struct RelayTable::Conn {
  QTcpSocket* socket = nullptr;
  TourReader reader;
  int seat = 0;  // 0 until its "connect" is accepted
  bool closing = false;
  bool gone = false;
};

RelayTable::RelayTable(RelayHost& host, int number, const RelayTimings& timings,
                       const RelayLog& log, Random& random)
    : host_(host), number_(number), timings_(timings), log_(log), random_(random) {
  move_clock_.setSingleShot(true);
  linger_.setSingleShot(true);
  connect(&move_clock_, &QTimer::timeout, this, [this] {
    if (stage_ == Stage::Playing && clock_seat_ != 0) Forfeit(clock_seat_, Loss::Time);
  });
  connect(&linger_, &QTimer::timeout, this, [this] { CloseAll(); });
}

RelayTable::~RelayTable() {
  // The sockets would report their end to a table that is half gone.
  for (const std::unique_ptr<Conn>& conn : conns_) {
    conn->socket->disconnect(this);
    delete conn->socket;
  }
}

void RelayTable::Adopt(QTcpSocket* socket) {
  int unjoined = 0;
  for (const std::unique_ptr<Conn>& conn : conns_)
    if (conn->seat == 0 && !conn->gone) ++unjoined;
  if (unjoined >= timings_.max_unjoined) {
    socket->abort();
    socket->deleteLater();
    return;
  }
  socket->setParent(this);
  socket->setReadBufferSize(kReadChunk);
  // A move is one small frame that the other player waits for: no batching delay.
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  conns_.push_back(std::make_unique<Conn>());
  Conn* conn = conns_.back().get();
  conn->socket = socket;
  connect(socket, &QTcpSocket::readyRead, this, [this, conn] { OnReadable(conn); });
  connect(socket, &QTcpSocket::disconnected, this, [this, conn] { OnGone(conn); });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, conn] { OnGone(conn); });
  QTimer::singleShot(timings_.join_ms, socket, [this, conn] {
    if (conn->seat == 0) Close(conn);
  });
  if (socket->state() != QAbstractSocket::ConnectedState) {
    OnGone(conn);
  } else if (socket->bytesAvailable() > 0) {
    OnReadable(conn);
  }
}

void RelayTable::OnReadable(Conn* conn) {
  while (!conn->closing && !conn->gone && conn->socket->bytesAvailable() > 0) {
    const QByteArray chunk = conn->socket->read(kReadChunk);
    if (chunk.isEmpty()) return;
    const std::vector<TourFrame> frames =
        conn->reader.Feed(std::string_view(chunk.constData(), size_t(chunk.size())));
    for (const TourFrame& frame : frames) {
      Handle(conn, frame);
      if (conn->closing || conn->gone) return;
    }
    // A player's frames are 20 bytes; more left waiting can only be the start of a deck, and
    // decks come from the relay alone.
    if (conn->reader.Pending() >= kTourFrameLength) {
      if (conn->seat != 0 && stage_ == Stage::Playing) {
        Forfeit(conn->seat, Loss::Illegal);
      } else {
        Close(conn);
      }
      return;
    }
  }
}

void RelayTable::Handle(Conn* conn, const TourFrame& frame) {
  if (conn->seat == 0) {
    HandleJoin(conn, frame);
    return;
  }
  switch (stage_) {
    case Stage::Gathering:
      // Waiting for the opponent: only leaving counts.
      if (frame.kind == TourFrameKind::Leave) Close(conn);
      return;
    case Stage::Playing:
      HandleMove(conn->seat, frame);
      return;
    case Stage::Decided:
      HandleAfterMatch(conn->seat, frame);
      return;
  }
}

void RelayTable::HandleJoin(Conn* conn, const TourFrame& frame) {
  if (frame.kind != TourFrameKind::Connect) {
    Close(conn);
    return;
  }
  const int seat = frame.number;  // 1 or 2 in a "connect"
  if (frame.seat != '0' + seat || stage_ != Stage::Gathering || seat_[seat] != nullptr ||
      !AddressHolds(*conn->socket, seat)) {
    Close(conn);
    return;
  }
  conn->seat = seat;
  seat_[seat] = conn;
  host_.SeatConnected(number_, seat);
  if (seat_[1] && seat_[2]) StartMatch();
}

bool RelayTable::AddressHolds(const QTcpSocket& socket, int seat) {
  const std::optional<SeatHolder> holder = host_.Holder(number_, seat);
  if (!holder) return false;
  const QHostAddress held(holder->address);
  return !held.isNull() && Folded(socket.peerAddress()) == Folded(held);
}

void RelayTable::StartMatch() {
  TDealState deal;
  ShuffleDeck(deal, random_);
  referee_ = std::make_unique<DealReferee>(deal.Deck, deal.DeckRank);
  for (int seat = 1; seat <= 2; ++seat) {
    const std::optional<SeatHolder> holder = host_.Holder(number_, seat);
    nick_[seat] = holder ? holder->nick : QString();
  }
  stage_ = Stage::Playing;
  played_out_ = false;
  recorded_balance_ = 0;
  host_.MatchStarted(number_);
  const std::string deck = DeckMessageOf(deal.Deck, deal.DeckRank);
  Send(1, deck);
  Send(2, deck);
  RestartClock();
}

void RelayTable::RestartClock() {
  clock_seat_ = referee_->ToAct();
  move_clock_.start(timings_.move_ms + timings_.grace_ms);
}

void RelayTable::HandleMove(int seat, const TourFrame& frame) {
  switch (frame.kind) {
    case TourFrameKind::Chat: {
      const Conn* other = seat_[OtherSeat(seat)];
      if (other && other->socket->bytesToWrite() < kChatBacklog)
        Send(OtherSeat(seat), ChatFrame(frame.text, seat));
      return;
    }
    case TourFrameKind::TimeOut:
      Forfeit(seat, Loss::Time);
      return;
    case TourFrameKind::Leave:
      Forfeit(seat, Loss::Left);
      return;
    default:
      break;
  }
  const RefereeVerdict verdict = referee_->Play(seat, frame);
  if (verdict == RefereeVerdict::OutOfStep && log_)
    log_(QStringLiteral("table %1: the two seats' replays parted after a move of seat %2")
             .arg(number_)
             .arg(seat));
  if (verdict != RefereeVerdict::Accepted) {
    Forfeit(seat, Loss::Illegal);
    return;
  }
  Send(OtherSeat(seat), MoveFrame(frame));
  if (referee_->Over()) {
    FinishPlayedOut();
  } else {
    RestartClock();
  }
}

void RelayTable::HandleAfterMatch(int seat, const TourFrame& frame) {
  if (seat == 1 && frame.kind == TourFrameKind::Result) {
    // The relay's own replay is the result; the player's word is only checked against it.
    if (played_out_ &&
        (frame.balance[0] != recorded_balance_ || frame.balance[1] != -recorded_balance_) && log_)
      log_(QStringLiteral("table %1: seat 1 reported %2 and %3, the deal was scored %4")
               .arg(number_)
               .arg(frame.balance[0])
               .arg(frame.balance[1])
               .arg(recorded_balance_));
    CloseAll();
    return;
  }
  if (frame.kind == TourFrameKind::Leave) Close(seat_[seat]);
}

void RelayTable::Forfeit(int loser, Loss loss) {
  if (stage_ != Stage::Playing) return;
  MatchRecord record;
  record.forfeit_by = loser;
  Decide(record);
  Send(OtherSeat(loser), FrameTourMessage(loss == Loss::Time ? "T" : "a", kRelayDigit));
  Close(seat_[loser]);
}

void RelayTable::FinishPlayedOut() {
  played_out_ = true;
  recorded_balance_ = referee_->Balance1();
  MatchRecord record;
  record.balance1 = recorded_balance_;
  Decide(record);
  const std::string over = FrameTourMessage("e", kRelayDigit);
  Send(1, over);
  Send(2, over);
}

void RelayTable::Decide(const MatchRecord& result) {
  stage_ = Stage::Decided;
  move_clock_.stop();
  MatchRecord record = result;
  record.table = number_;
  record.nick[0] = nick_[1];
  record.nick[1] = nick_[2];
  host_.RecordMatch(record);
  linger_.start(timings_.linger_ms);
}

void RelayTable::Send(int seat, const std::string& bytes) {
  Conn* conn = seat_[seat];
  if (!conn || conn->closing || bytes.empty()) return;
  conn->socket->write(bytes.data(), qint64(bytes.size()));
  // Out now rather than on the next turn of the event loop: the other player is waiting.
  conn->socket->flush();
}

void RelayTable::Close(Conn* conn) {
  if (!conn || conn->closing) return;
  conn->closing = true;
  QTcpSocket* socket = conn->socket;
  // What was written still goes out; a peer that will not take it is cut off.
  QTimer::singleShot(timings_.close_ms, socket, [socket] { socket->abort(); });
  socket->disconnectFromHost();
}

void RelayTable::CloseAll() {
  Conn* first = seat_[1];
  Conn* second = seat_[2];
  Close(first);
  Close(second);
}

void RelayTable::OnGone(Conn* conn) {
  if (conn->gone) return;
  // The last frames before the end still count.
  if (!conn->closing) OnReadable(conn);
  if (conn->gone) return;
  conn->gone = true;
  conn->closing = true;
  conn->socket->disconnect(this);
  conn->socket->abort();
  const int seat = conn->seat;
  if (seat != 0 && seat_[seat] == conn) {
    seat_[seat] = nullptr;
    // Leaving or dropping before the end loses the match.
    if (stage_ == Stage::Playing) Forfeit(seat, Loss::Left);
    host_.FreeSeat(number_, seat);
    if (stage_ == Stage::Decided && !seat_[1] && !seat_[2]) {
      // Both seats are free: the table waits for its next pair.
      stage_ = Stage::Gathering;
      referee_.reset();
      linger_.stop();
      move_clock_.stop();
      clock_seat_ = 0;
    }
  }
  if (!sweep_queued_) {
    sweep_queued_ = true;
    QTimer::singleShot(0, this, [this] { Sweep(); });
  }
}

void RelayTable::Sweep() {
  sweep_queued_ = false;
  for (auto it = conns_.begin(); it != conns_.end();) {
    if ((*it)->gone) {
      delete (*it)->socket;
      it = conns_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace quorvex::server
