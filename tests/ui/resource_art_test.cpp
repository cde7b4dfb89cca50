// The pictures the window and its dialogs draw come from the program's resources: the button
// pieces, the end-of-game animations with their still frames and the medal, the GIF banner.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QTest>

#include "shot.h"
#include "ui/art/button_pieces.h"
#include "ui/art/plate_banner.h"
#include "ui/art/resource_library.h"
#include "ui/art/touch_effect.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/media/gif_banner.h"

namespace quorvex {
namespace {

QImage Own(const QString& name) {
  QImage picture;
  EXPECT_TRUE(LoadLibraryPicture(name, QString(), picture)) << name.toStdString();
  return picture.convertToFormat(QImage::Format_ARGB32);
}

TEST(ResourceArt, ButtonPiecesAreTheProgramsPictures) {
  for (bool nata : {false, true})
    for (int height : {29, 44, 59})
      for (char piece : {'L', 'R', '2'}) {
        const QString name = QString(nata ? QLatin1Char('Q') : QLatin1Char('R')) +
                             QString::number(height) + QLatin1Char('_') + QLatin1Char(piece);
        EXPECT_EQ(ButtonPieceArt(nata, height, piece), Own(name)) << name.toStdString();
      }
}

TEST(ResourceArt, EndOfGameAnimationsRunOrStandOnTheirStillFrame) {
  struct Case {
    int place;
    int still;  // 1-based
  } const cases[] = {{1, 25}, {4, 24}, {0, 3}};
  for (const Case& c : cases) {
    EndGameInput animated{c.place, 100, 1, false};
    TFormEndGame running(animated, Settings{});
    ASSERT_NE(running.Animation(), nullptr) << c.place;
    EXPECT_GE(running.Animation()->frameCount(), c.still) << c.place;
    EXPECT_EQ(running.Animation()->state(), QMovie::Running) << c.place;

    EndGameInput still = animated;
    still.animated = false;
    TFormEndGame standing(still, Settings{});
    ASSERT_NE(standing.Animation(), nullptr);
    EXPECT_NE(standing.Animation()->state(), QMovie::Running);
    EXPECT_EQ(standing.Animation()->currentFrameNumber(), c.still - 1) << c.place;
    EXPECT_EQ(TFormEndGame::StillFrame(standing.Result()), c.still);
  }
}

TEST(ResourceArt, TheEndOfGameOkTouchesWhenTheSettingAsks) {
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
  for (const bool effect : {true, false}) {
    EndGameInput in{1, 100, 1, false};
    in.click_effect = effect;
    TFormEndGame dialog(in, Settings{});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* ok = dialog.findChild<TZefCardsButton*>();
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    const auto* ripple = dialog.findChild<TouchEffect*>();
    EXPECT_EQ(ripple != nullptr, effect);
    // With the ripple the window stays a moment so that it is seen; without, it closes at once.
    EXPECT_EQ(dialog.isVisible(), effect);
    if (ripple) {
      EXPECT_LE((ripple->geometry().center() - ok->geometry().center()).manhattanLength(), 2);
      QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 2000);
    }
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  SetLibraryDirectory(QString());
}

TEST(ResourceArt, TheMedalIsTheProgramsPicture) {
  TFormEndGame window(EndGameInput{2, 100, 1, false}, Settings{});
  const QImage picture = window.findChild<QLabel*>(QStringLiteral("picture"))
                             ->pixmap()
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
  const QImage medal = Own(QStringLiteral("GMedal"));
  // Where the medal is opaque, the window shows it (the place number lies in its middle).
  const QPoint inside(2 + 20, 2);  // on the ribbon
  ASSERT_EQ(qAlpha(medal.pixel(inside)), 255);
  // The grey designs leave the image's empty top of 40 to the window's header.
  EXPECT_EQ(picture.pixel(QPoint(173, 370 - 40) + inside), medal.pixel(inside));
}

TEST(ResourceArt, TheGifBannerStandsOnItsPlate) {
  QWidget window;
  window.resize(400, 300);
  GifBanner banner(&window);
  const QImage shown = banner.grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage plate = Own(QStringLiteral("AdvBar3"));
  ASSERT_EQ(plate.size(), GifBanner::kSize);
  // A point of the plate far from the text.
  const QPoint edge(6, plate.height() / 2);
  EXPECT_EQ(QColor(shown.pixel(edge)).rgb(), QColor(plate.pixel(edge)).rgb());
}

TEST(ResourceArt, TheWaitBannerIsThePlateAtItsSizeWithRedText) {
  const QSize size(350, 80);
  const QImage banner = RenderPlateBanner(size, QStringLiteral("Please, wait..."), 22)
                            .convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(banner.size(), size);
  testing::SaveShot(banner, "wait_banner");
  // The plate stretched to the banner: its left edge is the plate's, scaled.
  const QImage plate =
      Own(QStringLiteral("AdvBar3")).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QPoint edge(8, size.height() / 2);
  const QColor shown(banner.pixel(edge)), stored(plate.pixel(edge));
  EXPECT_NEAR(shown.red(), stored.red(), 12);
  EXPECT_NEAR(shown.green(), stored.green(), 12);
  EXPECT_NEAR(shown.blue(), stored.blue(), 12);
  // The text is red and in the middle; without it the middle is plate only.
  const QImage bare = RenderPlateBanner(size, QString(), 22).convertToFormat(QImage::Format_ARGB32);
  int red = 0;
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      const QColor c(banner.pixel(x, y));
      if (banner.pixel(x, y) != bare.pixel(x, y) && c.red() > 200 && c.green() < 60 &&
          c.blue() < 60) {
        ++red;
        EXPECT_GT(x, 50);
        EXPECT_LT(x, 300);
      }
    }
  EXPECT_GT(red, 100);
}

}  // namespace
}  // namespace quorvex
