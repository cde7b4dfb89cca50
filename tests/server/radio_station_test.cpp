// The frames of an MP3 file, and a station driven by a clock of the test's own over loopback
// connections: where a listener comes in, the join of two tracks, and a listener that takes
// nothing, which must neither make the server hold more nor keep it in the past.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <set>
#include <utility>

#include "music_shelf.h"
#include "radio_station.h"

namespace quorvex::server {
namespace {

// An MPEG-1 layer III frame at 128 kbit/s and 44.1 kHz, stereo: 417 bytes, 1152 samples.
QByteArray Frame(char fill, const QByteArray& mark = {}) {
  QByteArray frame(417, fill);
  frame[0] = char(0xFF);
  frame[1] = char(0xFB);
  frame[2] = char(0x90);
  frame[3] = char(0x00);
  if (!mark.isEmpty()) frame.replace(36, mark.size(), mark);
  return frame;
}

TEST(Mp3TrackTest, OnlyTheAudioFramesAreKeptOfATaggedAndDamagedFile) {
  // A tag whose body holds a sync pattern, the encoder's information frame, frames with stray
  // bytes among them, a frame cut off and the closing tag.
  QByteArray id3("ID3\x03\x00\x00\x00\x00\x00\x14", 10);
  id3 += QByteArray("\xFF\xFB\x90\x00", 4) + QByteArray(16, 'x');
  const QByteArray file = id3 + Frame('i', "Info") + Frame('a') + Frame('b') + "junk\xFF" +
                          Frame('c') + Frame('d') + Frame('e').left(100) + "TAG" +
                          QByteArray(125, ' ');
  const std::optional<Mp3Track> track = ReadMp3Track(file);
  ASSERT_TRUE(track);
  ASSERT_EQ(track->frames.size(), 4u);
  QByteArray fills;
  for (const Mp3Track::Frame& frame : track->frames) {
    EXPECT_EQ(frame.size, 417);
    fills += file[frame.offset + 4];
  }
  EXPECT_EQ(fills, "abcd");
  EXPECT_EQ(track->frames[3].start_us, 3 * 1152 * 1000000LL / 44100);
  EXPECT_EQ(track->duration_us, 4 * 1152 * 1000000LL / 44100);
  EXPECT_EQ(track->sample_rate, 44100);
  EXPECT_EQ(track->channels, 2);

  EXPECT_FALSE(ReadMp3Track(QByteArray("not a sound at all")));
  EXPECT_FALSE(ReadMp3Track(Frame('a').left(300)));
}

class RadioStationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shelf_ = LoadMusicShelf(QStringLiteral(QUORVEX_BIN_DIR "/server-musik"));
    ASSERT_GE(shelf_.size(), 2u);
    rotation_ = StationRotations(shelf_, 1).front();
    station_ = std::make_unique<RadioStation>(QStringLiteral("test"), rotation_,
                                              [this] { return now_us_; });
    ASSERT_TRUE(listening_.listen(QHostAddress::LocalHost));
  }

  // A connection whose server side the station writes to; the test reads the client side.
  struct Pair {
    std::unique_ptr<QTcpSocket> client = std::make_unique<QTcpSocket>();
    QTcpSocket* server = nullptr;
  };
  Pair Connect() {
    Pair pair;
    pair.client->connectToHost(QHostAddress::LocalHost, listening_.serverPort());
    EXPECT_TRUE(pair.client->waitForConnected(5000));
    EXPECT_TRUE(listening_.waitForNewConnection(5000));
    pair.server = listening_.nextPendingConnection();
    return pair;
  }
  // Lets the connection carry what the station wrote, and reads it.
  QByteArray Drain(Pair& pair) {
    QByteArray got = pair.client->readAll();
    for (;;) {
      if (pair.server->bytesToWrite() > 0) pair.server->waitForBytesWritten(100);
      if (pair.client->waitForReadyRead(100)) {
        got += pair.client->readAll();
        continue;
      }
      if (pair.server->bytesToWrite() == 0) return got;
    }
  }
  QByteArray Frames(size_t track, size_t from, size_t to) const {
    const Mp3Track& t = *rotation_[track];
    QByteArray bytes;
    for (size_t f = from; f < to; ++f) bytes += t.data.mid(t.frames[f].offset, t.frames[f].size);
    return bytes;
  }
  qint64 Cycle() const {
    qint64 cycle = 0;
    for (const auto& track : rotation_) cycle += track->duration_us;
    return cycle;
  }

  std::vector<ShelfTrack> shelf_;
  std::vector<std::shared_ptr<const Mp3Track>> rotation_;
  qint64 now_us_ = 0;
  std::unique_ptr<RadioStation> station_;
  QTcpServer listening_;
};

TEST_F(RadioStationTest, StationsPlayEveryTrackInOrdersOfTheirOwnNeverInStep) {
  const std::vector<Rotation> rotations = StationRotations(shelf_, 3);
  ASSERT_EQ(rotations.size(), 3u);
  std::set<std::pair<const Mp3Track*, qint64>> starts;
  for (const Rotation& rotation : rotations) {
    std::set<const Mp3Track*> tracks;
    qint64 start = 0;
    for (const auto& track : rotation) {
      tracks.insert(track.get());
      // On one clock, a track beginning at the same moment of the round on two stations would
      // have them play the same thing at once.
      EXPECT_TRUE(starts.insert({track.get(), start}).second);
      start += track->duration_us;
    }
    EXPECT_EQ(tracks.size(), shelf_.size());
  }
  EXPECT_NE(rotations[0], rotations[1]);
  EXPECT_NE(rotations[1], rotations[2]);
  // The same on every start of the server.
  EXPECT_EQ(StationRotations(shelf_, 3), rotations);
}

TEST_F(RadioStationTest, ATrackRunsIntoTheNextFromTheFrameTheClockIsIn) {
  // Half a second before the first track ends, some rounds after the station began.
  const Mp3Track& first = *rotation_[0];
  now_us_ = 7 * Cycle() + first.duration_us - 500000;
  size_t frame = 0;
  while (first.frames[frame + 1].start_us <= first.duration_us - 500000) ++frame;
  Pair pair = Connect();
  station_->Tune(pair.server);
  const QByteArray got = Drain(pair);
  const QByteArray tail = Frames(0, frame, first.frames.size());
  EXPECT_TRUE(got.startsWith(tail));
  // The rest of the lead comes from the next track, from its first frame on: no tags, no
  // encoder's frame between them.
  EXPECT_TRUE(got.mid(tail.size()).startsWith(Frames(1, 0, 20)));
  const qint64 lead_us = rotation_[1]->frames[(got.size() - tail.size()) / 417].start_us + 500000;
  EXPECT_NEAR(double(lead_us), double(RadioStation::kLeadUs), 100000.0);
}

TEST_F(RadioStationTest, AListenerThatTakesNothingIsHeldToASmallQueueAndThenSkipsToTheClock) {
  Pair slow = Connect();
  station_->Tune(slow.server);
  // Ten minutes of the station's time without the connection carrying a byte.
  for (int tick = 0; tick < 6000; ++tick) {
    now_us_ += 100000;
    station_->Tick();
    ASSERT_LE(slow.server->bytesToWrite(), RadioStation::kMaxQueued + 2000) << tick;
  }
  EXPECT_EQ(station_->Listeners(), 1);
  // Once it takes again it hears what a listener tuned in now hears.
  Drain(slow);
  station_->Tick();
  Pair fresh = Connect();
  station_->Tune(fresh.server);
  const QByteArray now_heard = Drain(fresh);
  const QByteArray slow_heard = Drain(slow);
  ASSERT_GE(now_heard.size(), 4096);
  EXPECT_TRUE(slow_heard.contains(now_heard.left(4096)));
  // A listener that went away is dropped at the next tick.
  fresh.client->abort();
  slow.client->abort();
  for (int i = 0; i < 20 && station_->Listeners() > 0; ++i) {
    QCoreApplication::processEvents();
    slow.server->waitForReadyRead(20);
    fresh.server->waitForReadyRead(20);
    now_us_ += 100000;
    station_->Tick();
  }
  EXPECT_EQ(station_->Listeners(), 0);
}

TEST_F(RadioStationTest, AClockSetBackDoesNotLeaveAListenerWaitingForIt) {
  now_us_ = 1000 * Cycle() + 123456789;
  Pair pair = Connect();
  station_->Tune(pair.server);
  Drain(pair);
  now_us_ -= 3600 * 1000000LL;
  station_->Tick();
  const QByteArray after = Drain(pair);
  Pair fresh = Connect();
  station_->Tune(fresh.server);
  EXPECT_TRUE(after.startsWith(Drain(fresh).left(4096)));
}

}  // namespace
}  // namespace quorvex::server
