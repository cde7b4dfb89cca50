// The radio and the MP3 strip as a player sees them: the radio's picture library, the "Radio"
// window's countries, stations, lamp and volume, the menu's radio picture and the MP3 strip's
// click zones, each with a picture to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "locale/lang_text.h"
#include "sound/fake_stream_player.h"
#include "sound/radio_stations.h"
#include "support/offline_http.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/radio_window.h"
#include "ui/media/playlist_player.h"
#include "ui/media/radio_layout.h"
#include "ui/media/radio_set.h"
#include "ui/menu/mp3_strip.h"
#include "ui/menu/radio_picture.h"
#include "ui/shot.h"

namespace quorvex::testing {
namespace {

const char* const kList =
    "# two of ours, two of Japan\n"
    "LAT#QVX0001#Quorvex Radio One#Latvia#http://127.0.0.1:8047/radio/quorvex1.mp3#"
    "RRADIO_LOGO_QUORVEX1\n"
    "LAT#QVX0002#Quorvex Radio Two#Latvia#http://127.0.0.1:8047/radio/quorvex2.mp3#"
    "RRADIO_LOGO_QUORVEX2\n"
    "JAP#JPN0001#Tokyo Jazz#Japan#http://127.0.0.1/tokyo#RRADIO_LOGO_NONE\n"
    "JAP#JPN0002#Osaka FM#Japan#http://127.0.0.1/osaka#\n";

class RadioWindowTest : public ::testing::Test {
 protected:
  RadioWindowTest() {
    SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
    QDir().mkpath(dir_.filePath(QStringLiteral("program")));
    QFile list(dir_.filePath(QStringLiteral("program/ZefRadio.rad")));
    list.open(QIODevice::WriteOnly);
    const std::string bytes = StationListBytes(kList);
    list.write(bytes.data(), qint64(bytes.size()));
  }
  ~RadioWindowTest() override { SetLibraryDirectory(QString()); }

  RadioFiles Files() const {
    return {dir_.filePath(QStringLiteral("program")).toStdString(), dir_.path().toStdString(),
            "http://127.0.0.1:8047"};
  }

  QTemporaryDir dir_;
  OfflineHttp http_;
};

QImage Sheet(const std::vector<QImage>& pictures, int columns) {
  int w = 0, h = 0;
  for (const QImage& p : pictures) w = std::max(w, p.width()), h = std::max(h, p.height());
  const int rows = int((pictures.size() + size_t(columns) - 1) / size_t(columns));
  QImage sheet((w + 4) * columns, (h + 4) * rows, QImage::Format_ARGB32);
  sheet.fill(QColor(200, 200, 200));
  QPainter p(&sheet);
  for (size_t i = 0; i < pictures.size(); ++i)
    p.drawImage(int(i % size_t(columns)) * (w + 4), int(i / size_t(columns)) * (h + 4),
                pictures[i]);
  return sheet;
}

TEST_F(RadioWindowTest, TheLibraryHoldsEveryPictureAndALogoForEveryInstalledStation) {
  const ResourceLibrary lib(QStringLiteral("ZefRadio02.dll"));
  ASSERT_TRUE(lib.IsOpen());
  QStringList names = {QStringLiteral("RRADIO_MAING"),       QStringLiteral("RRADIO_MAINR"),
                       QStringLiteral("RRADIO_VOLUME"),      QStringLiteral("RRADIO_RAMKA"),
                       QStringLiteral("RRADIO_MENU_ON"),     QStringLiteral("RRADIO_MENU_OFF"),
                       QStringLiteral("RRADIO_LOGO_RADIOUN")};
  for (int tens = 0; tens <= 10; ++tens)
    names.append(QStringLiteral("%1").arg(tens, 2, 10, QLatin1Char('0')));
  QFile installed(QStringLiteral(QUORVEX_BIN_DIR "/ZefRadio.rad"));
  ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
  const std::vector<RadioStation> stations = ReadStationList(installed.readAll().toStdString());
  ASSERT_GE(stations.size(), 3u);
  EXPECT_EQ(stations[0].address, "http://127.0.0.1:8047/radio/quorvex1.mp3");
  for (const RadioStation& station : stations) names.append(QString::fromStdString(station.logo));
  std::vector<QImage> pictures;
  for (const QString& name : names) {
    pictures.push_back(lib.Picture(QStringLiteral("RCDATA"), name));
    EXPECT_FALSE(pictures.back().isNull()) << name.toStdString();
  }
  EXPECT_EQ(pictures[0].size(), radio_layout::kWindow);
  SaveShot(Sheet(pictures, 6), "radio_pictures");
}

TEST_F(RadioWindowTest, TheWindowFiltersTunesSwitchesAndStepsTheVolume) {
  auto owned = std::make_unique<FakePlayer>();
  FakePlayer& player = *owned;
  RadioSet radio(http_, Files(), std::move(owned));
  radio.Load(false);
  ASSERT_TRUE(radio.Available());
  TFRadio window(radio);
  window.show();
  ASSERT_EQ(window.Countries()->count(), kRadioFilters);
  EXPECT_FALSE(window.Countries()->item(6)->icon().isNull());  // Latvia's flag
  EXPECT_EQ(window.StationList()->count(), 4);
  EXPECT_EQ(window.StationList()->currentItem()->text(), QStringLiteral("Quorvex Radio One"));

  // The lamp switches the radio on: the station plays at its volume.
  QTest::mouseClick(&window, Qt::LeftButton, {}, radio_layout::kSwitch.center());
  EXPECT_TRUE(radio.On());
  EXPECT_TRUE(player.playing);
  EXPECT_EQ(player.opened.back(), "http://127.0.0.1:8047/radio/quorvex1.mp3");
  for (int i = 0; i < 3; ++i)
    QTest::mouseClick(&window, Qt::LeftButton, {}, radio_layout::kVolumeUp.center());
  QTest::mouseClick(&window, Qt::LeftButton, {}, radio_layout::kVolumeDown.center());
  EXPECT_EQ(radio.State().Settings().volume, 50);
  EXPECT_EQ(player.volume, 50);

  // Japan: only its stations, and the first is tuned; a station without its own logo shows
  // the general one.
  window.Countries()->setCurrentRow(27);
  ASSERT_EQ(window.StationList()->count(), 2);
  EXPECT_EQ(radio.State().Settings().station.name, "Tokyo Jazz");
  EXPECT_EQ(player.opened.back(), "http://127.0.0.1/tokyo");
  window.StationList()->setCurrentRow(1);
  EXPECT_EQ(player.opened.back(), "http://127.0.0.1/osaka");
  EXPECT_EQ(radio.State().Settings().station.logo, kDefaultStationLogo);
  EXPECT_EQ(radio.Hint(), QStringLiteral("Radio: Osaka FM"));
  SaveShot(window.Snapshot(), "radio_window_on");

  // Off again; the state file keeps the station, the volume and the filter.
  QTest::mouseClick(&window, Qt::LeftButton, {}, radio_layout::kSwitch.center());
  EXPECT_FALSE(player.playing);
  SaveShot(window.Snapshot(), "radio_window_off");
  ASSERT_TRUE(radio.Save());
  RadioSet again(http_, Files(), std::make_unique<FakePlayer>());
  again.Load(false);
  EXPECT_EQ(again.State().Settings().station.name, "Osaka FM");
  EXPECT_EQ(again.State().Settings().volume, 50);
  EXPECT_EQ(again.State().Settings().filter, 27);
}

TEST_F(RadioWindowTest, TheMenuRadioTogglesAndNamesItsStation) {
  auto owned = std::make_unique<FakePlayer>();
  FakePlayer& player = *owned;
  RadioSet radio(http_, Files(), std::move(owned));
  radio.Load(false);
  RadioPicture picture(radio);
  picture.resize(RadioPicture::DesignSize() * 2);
  EXPECT_EQ(picture.toolTip(), QStringLiteral("Radio: Quorvex Radio One"));
  const QImage off = picture.grab().toImage();
  QTest::mouseClick(&picture, Qt::LeftButton);
  EXPECT_TRUE(player.playing);
  const QImage on = picture.grab().toImage();
  EXPECT_NE(on, off);
  SaveShot(Sheet({off, on}, 2), "radio_menu_picture");
  QTest::mouseClick(&picture, Qt::LeftButton);
  EXPECT_FALSE(player.playing);

  // Without the picture library the radio cannot be switched on.
  SetLibraryDirectory(dir_.path());
  RadioSet missing(http_, Files(), std::make_unique<FakePlayer>());
  missing.Load(false);
  EXPECT_FALSE(missing.Available());
  RadioPicture faint(missing);
  QTest::mouseClick(&faint, Qt::LeftButton);
  EXPECT_FALSE(missing.On());
}

class FirstRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int n) override { return next++ % n; }
  int next = 0;
};

TEST_F(RadioWindowTest, TheMp3StripsZonesPlaySkipAndSetTheVolume) {
  auto owned = std::make_unique<FakePlayer>();
  FakePlayer& player = *owned;
  FirstRandom random;
  PlaylistPlayer playlist(random, std::move(owned));
  Mp3Strip strip(playlist);
  // Scaled as on a larger window: the zones follow the design units.
  strip.resize(Mp3Strip::DesignSize() * 3 / 2);
  auto click = [&strip](QPoint design) {
    QTest::mouseClick(&strip, Qt::LeftButton, {}, design * 3 / 2);
  };
  http_.answer = [](const HttpRequest&) {
    HttpReply reply;
    reply.ok = true;
    reply.body = "A~One.mp3\nB~Two.mp3\nC~Three.mp3\nD~Four.mp3\n";
    return reply;
  };
  EXPECT_FALSE(playlist.Load(http_, "http://127.0.0.1:8047"));
  const QImage disabled = strip.grab().toImage();
  click(Mp3Strip::PlayPart().center());
  EXPECT_TRUE(player.opened.empty());  // four tracks: the strip does nothing

  http_.answer = [](const HttpRequest&) {
    HttpReply reply;
    reply.ok = true;
    reply.body = "A~One.mp3\nB~Two.mp3\nC~Three.mp3\nD~Four.mp3\nThe_Band~Last_One.mp3\n";
    return reply;
  };
  ASSERT_TRUE(playlist.Load(http_, "http://127.0.0.1:8047"));
  click(Mp3Strip::PlayPart().center());
  EXPECT_TRUE(player.playing);
  const QImage playing = strip.grab().toImage();
  click(Mp3Strip::NextPart().center());
  EXPECT_EQ(player.opened.size(), 2u);
  EXPECT_NE(player.opened[0], player.opened[1]);
  EXPECT_EQ(playlist.Hint(), QString::fromStdString(playlist.State().Current()->artist + "  :  " +
                                                    playlist.State().Current()->title));
  // The volume picture: its right louder, its left softer, its middle nothing.
  const QRect volume = Mp3Strip::VolumePart();
  struct Zone {
    int x;
    int volume;
  };
  for (const Zone z : {Zone{40, 55}, Zone{36, 60}, Zone{30, 60}, Zone{25, 55}, Zone{2, 50}}) {
    click(QPoint(volume.left() + z.x, volume.center().y()));
    EXPECT_EQ(playlist.State().Volume(), z.volume) << z.x;
  }
  EXPECT_EQ(player.volume, 50);
  click(Mp3Strip::PlayPart().center());
  EXPECT_FALSE(player.playing);
  SaveShot(Sheet({disabled, playing, strip.grab().toImage()}, 1), "mp3_strip");
}

}  // namespace
}  // namespace quorvex::testing
