// The calendar cards of the main menu: the library's pictures, the cycling of the right card
// and its hints, the midnight rebuild, the cards without the library, and how they look.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "locale/calendar_pictures.h"
#include "locale/lang_text.h"
#include "ui/art/resource_library.h"
#include "ui/menu/calendar_cards.h"
#include "ui/shot.h"

namespace quorvex::testing {
namespace {

class CalendarCardsTest : public ::testing::Test {
 protected:
  CalendarCardsTest() { SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR)); }
  ~CalendarCardsTest() override {
    SetLibraryDirectory(QString());
    SetCurrentLanguage(0);
  }
};

QSize StoredSize(const ResourceLibrary& lib, const std::string& name) {
  QByteArray data = lib.Data(QStringLiteral("RCDATA"), QString::fromStdString(name));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  return data.isEmpty() ? QSize() : reader.size();
}

TEST_F(CalendarCardsTest, TheLibraryHoldsEveryPictureAtItsSize) {
  const ResourceLibrary lib(QString::fromLatin1(kCalendarLibrary));
  ASSERT_TRUE(lib.IsOpen());
  const std::vector<std::string> names = CalendarPictureNames();
  // The base, 12 signs, 12 animals and the 29 named holiday pictures with our own 4.
  EXPECT_EQ(names.size(), 1u + 12 + 12 + 29 + 4);
  QImage sheet(8 * 62, int((names.size() + 7) / 8) * 102, QImage::Format_ARGB32);
  sheet.fill(QColor(200, 200, 200));
  QPainter p(&sheet);
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    const QSize expected = name == kCalendarBase ? QSize(60, 100)
                           : name.size() == 4    ? QSize(kZodiacPictureSize, kZodiacPictureSize)
                                                 : QSize(54, 60);
    EXPECT_EQ(StoredSize(lib, name), expected) << name;
    p.drawImage(int(i % 8) * 62, int(i / 8) * 102,
                lib.Picture(QStringLiteral("RCDATA"), QString::fromStdString(name)));
  }
  p.end();
  SaveShot(sheet, "calendar_pictures");
}

TEST_F(CalendarCardsTest, RightCardCyclesWithItsHint) {
  CalendarCards cards;
  cards.SetLanguage(0);
  cards.SetDate(QDate(2024, 9, 21));
  ASSERT_TRUE(cards.Available());
  ASSERT_EQ(cards.CardCount(), 4);
  QSignalSpy ticks(&cards, &CalendarCards::ticked);
  const QString expected[] = {
      QStringLiteral("Year Of The Dragon"),
      QStringLiteral("The day of the victory of Russian regiments in the battle of Kulikovo "
                     "(644-th anniversary, Russian Festival)"),
      QStringLiteral("Nativity Of The Virgin (The Orthodox holiday)"),
      QStringLiteral("Year Of The Dragon"),
      QStringLiteral("The day of the victory of Russian regiments in the battle of Kulikovo "
                     "(644-th anniversary, Russian Festival)")};
  for (int tick = 0; tick < 5; ++tick) {
    EXPECT_EQ(cards.Hint(0), QStringLiteral("Virgo"));
    EXPECT_EQ(cards.Hint(1), expected[tick]) << tick;
    cards.Tick();
  }
  ASSERT_EQ(ticks.count(), 5);
  EXPECT_EQ(ticks.at(2).at(0).toInt(), 3);

  // A day without holidays keeps the eastern year on the right.
  cards.SetDate(QDate(2024, 9, 23));
  cards.Tick();
  EXPECT_EQ(cards.RightCard(), 2);
  EXPECT_EQ(cards.Hint(0), QStringLiteral("Virgo"));  // Libra begins on the 24th

  // A language change words the same card anew.
  cards.SetDate(QDate(2025, 5, 9));
  cards.Tick();
  cards.SetLanguage(1);
  EXPECT_EQ(cards.RightCard(), 3);
  EXPECT_EQ(cards.Hint(1),
            QStringLiteral("День Победы в Великой Отечественной войне (80-я годовщина, "
                           "Российский праздник)"));
}

TEST_F(CalendarCardsTest, RebuiltOnlyJustAfterMidnight) {
  CalendarCards cards;
  QDateTime now(QDate(2024, 9, 21), QTime(23, 59, 55));
  cards.SetClock([&now] { return now; });
  cards.SetDate(QDate(2024, 9, 21));
  cards.Tick();
  EXPECT_EQ(cards.RightCard(), 3);
  now = QDateTime(QDate(2024, 9, 22), QTime(0, 0, 5));
  cards.Tick();
  EXPECT_EQ(cards.Date(), QDate(2024, 9, 22));
  EXPECT_EQ(cards.RightCard(), 2);
  // A later tick of the same day only cycles.
  cards.SetDate(QDate(2024, 9, 21));
  now = QDateTime(QDate(2024, 9, 22), QTime(0, 0, 40));
  cards.Tick();
  EXPECT_EQ(cards.Date(), QDate(2024, 9, 21));
}

// The day number is red on a Sunday only.
TEST_F(CalendarCardsTest, SundayInRed) {
  auto red_pixels = [](const QImage& card) {
    int red = 0;
    for (int y = 22; y < 42; ++y)
      for (int x = 0; x < card.width(); ++x) {
        const QColor c = card.pixelColor(x, y);
        red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
      }
    return red;
  };
  CalendarCards cards;
  cards.SetDate(QDate(2024, 9, 22));
  EXPECT_GT(red_pixels(cards.CardImage(1)), 10);
  cards.SetDate(QDate(2024, 9, 23));
  EXPECT_EQ(red_pixels(cards.CardImage(1)), 0);
}

TEST_F(CalendarCardsTest, WithoutTheLibraryNothingShowsButTheTimerTicks) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("program")));
  SetLibraryDirectory(dir.path() + QStringLiteral("/program"));
  CalendarCards cards;
  cards.SetDate(QDate(2024, 9, 21));
  EXPECT_FALSE(cards.Available());
  EXPECT_TRUE(cards.Hint(0).isEmpty());
  EXPECT_TRUE(cards.Hint(1).isEmpty());
  EXPECT_TRUE(cards.CardImage(1).isNull());
  EXPECT_TRUE(cards.testAttribute(Qt::WA_TransparentForMouseEvents));
  QSignalSpy ticks(&cards, &CalendarCards::ticked);
  cards.Tick();
  cards.Tick();
  EXPECT_EQ(ticks.count(), 2);

  // The library downloaded into the parent folder brings the cards back.
  ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEX_BIN_DIR "/") + kCalendarLibrary,
                          dir.path() + QLatin1Char('/') + kCalendarLibrary));
  cards.SetDate(QDate(2024, 9, 21));
  EXPECT_TRUE(cards.Available());
  EXPECT_FALSE(cards.testAttribute(Qt::WA_TransparentForMouseEvents));
}

// Both cards in three languages on days with holidays, each right card shown in turn.
TEST_F(CalendarCardsTest, Screenshots) {
  struct Shot {
    int language;
    QDate date;
    const char* name;
  };
  const Shot shots[] = {{0, QDate(2024, 9, 21), "calendar_en"},
                        {1, QDate(2025, 5, 9), "calendar_ru"},
                        {8, QDate(2024, 12, 25), "calendar_ja"}};
  for (const Shot& shot : shots) {
    SetCurrentLanguage(shot.language);
    CalendarCards cards;
    cards.SetLanguage(shot.language);
    cards.SetDate(shot.date);
    cards.resize(cards.sizeHint() * 2);
    ASSERT_TRUE(cards.Available());
    const int frames = cards.CardCount() - 1;
    QImage sheet(frames * (cards.width() + 8), cards.height() + 24, QImage::Format_RGB32);
    sheet.fill(QColor(30, 100, 60));
    QPainter p(&sheet);
    for (int f = 0; f < frames; ++f) {
      p.drawPixmap(f * (cards.width() + 8), 0, cards.grab());
      p.setPen(Qt::white);
      p.drawText(QRect(f * (cards.width() + 8), cards.height(), cards.width(), 24),
                 Qt::AlignLeft | Qt::TextWordWrap, cards.Hint(1));
      cards.Tick();
    }
    p.end();
    SaveShot(sheet, shot.name);
  }
}

}  // namespace
}  // namespace quorvex::testing
