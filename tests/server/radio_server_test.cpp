// The server's own music as players meet it: the playlist read by the game's own reader, every
// track it names served and read by a real decoder, and the radio stations' endless streams,
// which listeners tune in to at any moment.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "online/http_client.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"
#include "sound/playlist.h"

namespace quorvex {
namespace {

// What ffprobe reads of MP3 bytes: its "key=value" lines, and whatever it complained of.
struct Probe {
  std::map<std::string, std::string> values;
  std::string complaints;
  std::string Value(const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
  }
  double Number(const std::string& key) const { return std::atof(Value(key).c_str()); }
};

Probe ProbeMp3(const QByteArray& bytes) {
  Probe probe;
  QTemporaryFile file;
  if (!file.open()) return probe;
  file.write(bytes);
  file.flush();
  QProcess ffprobe;
  ffprobe.start(
      QStringLiteral("ffprobe"),
      {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
       QStringLiteral("-show_entries"),
       QStringLiteral("stream=codec_name,sample_rate,nb_read_frames:format=duration"),
       QStringLiteral("-of"), QStringLiteral("default=noprint_wrappers=1"), file.fileName()});
  if (!ffprobe.waitForFinished(30000)) {
    probe.complaints = "ffprobe did not run (the ffmpeg package)";
    return probe;
  }
  for (const QByteArray& line : ffprobe.readAllStandardOutput().split('\n')) {
    const qsizetype equals = line.indexOf('=');
    if (equals > 0)
      probe.values[line.left(equals).toStdString()] = line.mid(equals + 1).toStdString();
  }
  probe.complaints = ffprobe.readAllStandardError().toStdString();
  return probe;
}

// A listener of a station: the raw connection, what came of the head and of the body so far.
class Listener {
 public:
  Listener(quint16 port, const char* path) {
    socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket_.waitForConnected(5000)) return;
    socket_.write(QByteArray("GET ") + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
  }
  void Read(int ms) {
    socket_.waitForReadyRead(ms);
    received_ += socket_.readAll();
  }
  QByteArray Head() const { return received_.left(received_.indexOf("\r\n\r\n")); }
  QByteArray Body() const {
    const qsizetype end = received_.indexOf("\r\n\r\n");
    return end < 0 ? QByteArray() : received_.mid(end + 4);
  }

 private:
  QTcpSocket socket_;
  QByteArray received_;
};

// Reads every listener in turn for the time given.
void Listen(std::initializer_list<Listener*> listeners, int ms) {
  const QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired())
    for (Listener* listener : listeners) listener->Read(20);
}

bool StartsWithFrame(const QByteArray& body) {
  return body.size() >= 4 && uchar(body[0]) == 0xFF && (uchar(body[1]) & 0xE0) == 0xE0;
}

class RadioServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
        << "ffprobe (the ffmpeg package, see scripts/deps.sh) reads the MP3s";
    server_ = std::make_unique<Server>();
    ASSERT_TRUE(server_->Started()) << server_->Process().readAllStandardError().toStdString();
  }
  HttpReply Get(const std::string& path) {
    HttpRequest request;
    request.url = server_->Url(path.c_str());
    request.post = false;
    request.limit = ExchangeLimit::Download;
    request.max_body = 16 << 20;
    return client_.Exchange(request);
  }

  std::unique_ptr<Server> server_;
  CurlHttpClient client_;
};

TEST_F(RadioServerTest, ThePlaylistNamesTracksThatAreServedAsMp3OfAFewMinutesAtMost) {
  const HttpReply playlist = Get("/musik/_playlist.html");
  ASSERT_TRUE(playlist.ok) << playlist.error;
  const std::vector<PlaylistTrack> tracks = ParsePlaylist(playlist.body, server_->Url("/musik/"));
  // Every line is a track; enough of them for the game's MP3 strip to work.
  EXPECT_EQ(size_t(QByteArray::fromStdString(playlist.body).trimmed().count('\n') + 1),
            tracks.size());
  ASSERT_GE(tracks.size(), 6u);
  for (const PlaylistTrack& track : tracks) {
    SCOPED_TRACE(track.address);
    EXPECT_FALSE(track.artist.empty());
    EXPECT_FALSE(track.title.empty());
    EXPECT_EQ(track.artist.find('_'), std::string::npos);
    HttpRequest request;
    request.url = track.address;
    request.post = false;
    request.limit = ExchangeLimit::Download;
    request.max_body = 16 << 20;
    const HttpReply reply = client_.Exchange(request);
    ASSERT_TRUE(reply.ok) << reply.error;
    const Probe probe = ProbeMp3(QByteArray::fromStdString(reply.body));
    EXPECT_EQ(probe.complaints, "");
    EXPECT_EQ(probe.Value("codec_name"), "mp3");
    EXPECT_GE(probe.Number("duration"), 40);
    EXPECT_LE(probe.Number("duration"), 90);
  }
  // The station names are not files: anything else under "/radio/" still comes from the data
  // folder, and a station that does not exist is not there.
  EXPECT_EQ(Get("/radio/quorvex4.mp3").status, 404);
  QFile list(QDir(server_->DataDir()).filePath(QStringLiteral("radio/ZefRadio.rad")));
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("#stations");
  list.close();
  EXPECT_EQ(Get("/radio/ZefRadio.rad").body, "#stations");
}

TEST_F(RadioServerTest, ListenersTunedInAtDifferentMomentsHearTheSameStationFromAFrame) {
  Listener first(server_->Port(), "/radio/quorvex1.mp3");
  Listen({&first}, 1500);
  Listener second(server_->Port(), "/radio/quorvex1.mp3");
  Listener other(server_->Port(), "/radio/quorvex3.mp3");
  Listen({&first, &second, &other}, 3000);

  for (Listener* listener : {&first, &second, &other}) {
    EXPECT_TRUE(listener->Head().startsWith("HTTP/1.1 200")) << listener->Head().toStdString();
    EXPECT_TRUE(listener->Head().contains("Content-Type: audio/mpeg"));
    EXPECT_FALSE(listener->Head().contains("Content-Length"));
    const QByteArray body = listener->Body();
    EXPECT_TRUE(StartsWithFrame(body));
    const Probe probe = ProbeMp3(body);
    EXPECT_EQ(probe.complaints, "");
    EXPECT_EQ(probe.Value("codec_name"), "mp3");
    EXPECT_EQ(probe.Value("sample_rate"), "44100");
    // Three seconds at least: the lead at tuning in and then the pace of playing.
    EXPECT_GE(probe.Number("nb_read_frames"), 110);
  }
  // The paced stream is not sent all at once: four and a half seconds of listening bring far
  // less than a track.
  EXPECT_LT(first.Body().size(), 200 * 1024);
  // One station, one clock: the later listener comes in where the first one is by then.
  ASSERT_GE(second.Body().size(), 4096);
  EXPECT_TRUE(first.Body().contains(second.Body().left(4096)));
  EXPECT_FALSE(first.Body().contains(other.Body().left(4096)));
}

}  // namespace
}  // namespace quorvex
