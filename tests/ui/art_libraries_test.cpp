// Every resource library the build makes holds every picture the naming scheme asks of it, at
// the size the loaders expect. The test walks the scheme the loaders walk, design by design.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMovie>

#include "art/back_names.h"
#include "art/card_geometry.h"
#include "art/card_names.h"
#include "art/library_rules.h"
#include "sound/radio_stations.h"
#include "ui/art/resource_library.h"

namespace quorvex {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The picture's size as its header says, without decoding it.
QSize StoredSize(const ResourceLibrary& lib, const QString& type, const std::string& name) {
  QByteArray data = lib.Data(type, Q(name));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  return data.isEmpty() ? QSize() : reader.size();
}

QSize Size(PixelSize s) {
  return {s.width, s.height};
}

class ArtLibraries : public ::testing::Test {
 protected:
  void SetUp() override { SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR)); }
  void TearDown() override { SetLibraryDirectory(QString()); }
};

TEST_F(ArtLibraries, FacesAndSymbolsOfEveryDesign) {
  for (int design = 0; design < kFaceDesigns; ++design) {
    const ResourceLibrary lib(Q(FaceLibrary(design)));
    ASSERT_TRUE(lib.IsOpen()) << design;
    const bool wide = WideFaces(design);
    for (int size_class : {kNormalSize, 2}) {
      const QString type = design == 0 && size_class == kNormalSize ? QStringLiteral("BITMAP")
                                                                    : QStringLiteral("RCDATA");
      for (int n = 1; n <= 52; ++n) {
        const std::string name = FaceResourceName(DeckCard(n), design, size_class);
        EXPECT_EQ(StoredSize(lib, type, name), Size(StoredFaceSize(size_class, wide)))
            << name << " of design " << design;
      }
      for (int suit = 0; suit < 4; ++suit) {
        const std::string name = SuitSymbolName(suit, design, size_class);
        EXPECT_EQ(StoredSize(lib, type, name), Size(StoredSymbolSize(size_class != kNormalSize)))
            << name << " of design " << design;
      }
    }
  }
}

TEST_F(ArtLibraries, BacksOfEveryDesignAtEverySize) {
  for (int deck = 0; deck < kBackDesigns; ++deck)
    for (int size_class : {kNormalSize, 2})
      for (bool wide : {true, false}) {
        const ResourceLibrary lib(Q(BackLibrary(deck, wide, size_class)));
        ASSERT_TRUE(lib.IsOpen());
        const QString type = deck == 0 && size_class == kNormalSize ? QStringLiteral("BITMAP")
                                                                    : QStringLiteral("RCDATA");
        for (int number = 1; number <= BackCount(deck); ++number)
          for (bool rotated : {false, true}) {
            const std::string name = BackResourceName(number, deck, rotated, size_class, wide);
            EXPECT_EQ(StoredSize(lib, type, name), Size(StoredBackSize(size_class, wide, rotated)))
                << name;
          }
      }
}

TEST_F(ArtLibraries, BackgroundsAndPictures) {
  const ResourceLibrary backgrounds(QString::fromLatin1(kBackgroundLibrary));
  const ResourceLibrary own{QString()};
  for (int background = 1; background <= kBackgrounds; ++background)
    for (int colour = 0; colour < kBackgroundColours; ++colour)
      for (int window_size : {1, 2}) {
        if (background == kDefaultBackground && colour == kDefaultBackgroundColour) continue;
        const std::string name = BackgroundResourceName(background, colour, window_size);
        EXPECT_EQ(StoredSize(backgrounds, QStringLiteral("JPEG"), name),
                  window_size == 1 ? QSize(760, 500) : QSize(1520, 1000))
            << name;
      }
  EXPECT_FALSE(StoredSize(own, QStringLiteral("JPEG"), kBuiltInBackgroundName).isEmpty());

  // The special cards of DrawCard at both sizes, and the table's pictures.
  const char* const codes[] = {"Fr", "KY", "KN", "Xb", "Xr", "Xn", "Xg", "Xy", "Xv", "Xa", "Xo"};
  for (const char* code : codes)
    for (int size_class : {kNormalSize, 2}) {
      const std::string name = SpecialCardPicture(TCard{code[0], code[1]}, size_class);
      EXPECT_EQ(StoredSize(own, QStringLiteral("RCDATA"), name),
                size_class == kNormalSize ? QSize(71, 96) : QSize(146, 198))
          << name;
    }
  const char* const pictures[] = {
      "SPYellow",   "TabloSm",   "TabloBg",      "ZoneZ",         "RamkaEBSm", "RamkaEBBg",
      "RamkaERSm",  "RamkaERBg", "GKolodaSmall", "GKolodaSmallB", "GNorth",    "GSouth",
      "Hand_Right", "Circle",    "ZvezdaBSm",    "ZvezdaRSm",     "ZvezdaVSm", "GTimerY",
      "GTimerR",    "Itog",      "AdvBar3",      "CURARROW",      "CURHAND",   "CURWAIT",
      "CUREDIT",    "GTitleSm",  "GTitleBg",     "FlagOJap",      "FlagOKor"};
  for (const char* name : pictures)
    EXPECT_FALSE(StoredSize(own, QStringLiteral("RCDATA"), name).isEmpty()) << name;
  // The account's pictures.
  const std::pair<const char*, QSize> account[] = {
      {"Account48", {48, 48}},     {"StarR0", {32, 32}},      {"StarY0", {32, 32}},
      {"StarG0", {32, 32}},        {"GAcNoM", {200, 250}},    {"GAcNoF", {200, 250}},
      {"GAcName1", {24, 24}},      {"GAcName2", {24, 24}},    {"GAcAbout", {24, 24}},
      {"GAcTelephone", {24, 24}},  {"GAcEMail", {24, 24}},    {"GAcWebSite", {24, 24}},
      {"GAcSkype", {24, 24}},      {"GAcOK", {24, 24}},       {"GAcVK", {24, 24}},
      {"GAcTelegram", {24, 24}},   {"GAcFaceBook", {24, 24}}, {"GAcTwitter", {24, 24}},
      {"GAcInstagramm", {24, 24}}, {"GAcYouTube", {24, 24}}};
  for (const auto& [name, size] : account)
    EXPECT_EQ(StoredSize(own, QStringLiteral("RCDATA"), name), size) << name;
  // The chat's, the news' and the adverts' pictures.
  const std::pair<const char*, QSize> notices[] = {
      {"GNews072", {72, 72}},     {"GChat072", {72, 72}},    {"GSirenaB", {32, 32}},
      {"GSirenaR", {32, 32}},     {"GNew", {30, 14}},        {"GAdvGames", {120, 72}},
      {"GAdvSupport", {120, 72}}, {"GSupFriends", {48, 48}}, {"GSupIdeas", {48, 48}},
      {"GSupSite", {48, 48}}};
  for (const auto& [name, size] : notices)
    EXPECT_EQ(StoredSize(own, QStringLiteral("RCDATA"), name), size) << name;
  for (const char* code : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"})
    for (const char* base : {"Elite", "Net__", "FlagO"})
      EXPECT_FALSE(StoredSize(own, QStringLiteral("RCDATA"), std::string(base) + code).isEmpty())
          << base << code;
  for (const char* style : {"R", "Q"})
    for (const char* height : {"29", "44", "59"})
      for (const char* piece : {"_L", "_R", "_2"})
        EXPECT_EQ(
            StoredSize(own, QStringLiteral("RCDATA"), std::string(style) + height + piece).height(),
            std::atoi(height))
            << style << height << piece;

  const ResourceLibrary graphics(QString::fromLatin1(kGraphicsLibrary));
  EXPECT_FALSE(StoredSize(graphics, QStringLiteral("JPEG"), kPurpleMenuBackground).isEmpty());
  QByteArray touch = graphics.Data(QStringLiteral("GIF"), QString::fromLatin1(kTouchEffect));
  QBuffer buffer(&touch);
  QMovie movie(&buffer);
  EXPECT_GT(movie.frameCount(), 1);
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// The radio's library and the station list the build puts beside the game: every picture the
// window and the list name, and a list the radio reads whole.
TEST(RadioLibrary, HoldsEveryPictureItsStationsName) {
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
  const ResourceLibrary radio(QStringLiteral("ZefRadio02.dll"));
  std::vector<std::string> names = {"RRADIO_MAING", "RRADIO_MAINR", "RRADIO_VOLUME", "RRADIO_RAMKA",
                                    kDefaultStationLogo};
  for (int tens = 0; tens <= 10; ++tens)
    names.push_back((tens < 10 ? "0" : "") + std::to_string(tens));
  QFile file(QStringLiteral(QUORVEX_BIN_DIR "/ZefRadio.rad"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const std::vector<RadioStation> stations =
      ReadStationList(std::string_view(bytes.constData(), size_t(bytes.size())));
  ASSERT_GE(stations.size(), 3u);
  for (const RadioStation& station : stations) {
    EXPECT_EQ(station.address.rfind("http", 0), 0u) << station.name;
    names.push_back(station.logo);
  }
  for (const std::string& name : names)
    EXPECT_FALSE(StoredSize(radio, QStringLiteral("RCDATA"), name).isEmpty()) << name;
  SetLibraryDirectory(QString());
}

}  // namespace
}  // namespace quorvex
