// The table at its real size: hands, hit testing and buttons at the window sizes, the cards'
// flights between hand, table and stock, and the deal's recording as it is played.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdlib>

#include "game/card_flight.h"
#include "qt_environment.h"
#include "ui/media/gif_capture.h"
#include "window_fixture.h"

namespace quorvex::testing {
namespace {

// n cards of one deal in seat 2's hand.
TDealState HandOf(int n) {
  TDealState state;
  state.HandCount[2] = n;
  for (int i = 1; i <= n; ++i) state.Hand[2][i] = DeckCard(i);
  return state;
}

class TableSizeTest : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  TableSizeTest() {
    settings.WindowSize = GetParam();
    window.SetSettings(&settings);
  }
};

TEST_P(TableSizeTest, EveryCardIsHitOnItsVisibleStripAndTheLastOnItsFullWidth) {
  const QRect zone = window.Layout().Hand(2);
  const int w = window.Layout().Card().width();
  const int y = zone.center().y();
  for (int n : {1, 9, 13}) {
    SCOPED_TRACE(n);
    window.DrawHand(HandOf(n), 2, true);
    const std::vector<int>& lefts = window.Model().hands[2].lefts;
    ASSERT_EQ(int(lefts.size()), n);
    for (int i = 1; i <= n; ++i) {
      const int left = lefts[size_t(i) - 1];
      const int right = i < n ? lefts[size_t(i)] - 1 : left + w - 1;
      EXPECT_EQ(window.LowerCardAt(QPoint(left, y)), i);
      EXPECT_EQ(window.LowerCardAt(QPoint(right, y)), i);
    }
    EXPECT_EQ(window.LowerCardAt(QPoint(lefts.back() + w, y)), 0);
    EXPECT_EQ(window.LowerCardAt(QPoint(lefts.front() - 1, y)), 0);
    EXPECT_EQ(window.LowerCardAt(QPoint(lefts.front(), zone.top() - 1)), 0);
    if (n == 1) {
      // One card lies in the middle of its zone.
      EXPECT_LE(std::abs(lefts[0] + w / 2 - zone.center().x()), 3);
    } else if (n == 13) {
      // Thirteen cards only fit overlapping, starting at the zone's left end.
      EXPECT_EQ(lefts[0], zone.left());
      EXPECT_LT(lefts[1] - lefts[0], w);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, TableSizeTest, ::testing::Values(1, 5));

TEST_F(WindowTest, WindowSizesScaleTheClientAreaCardsAndButtons) {
  struct Case {
    int size;
    QSize client;
    QSize card;
    QRect main, end;
  };
  const Case cases[] = {
      {1, {760, 500}, {69, 94}, {550, 310, 160, 30}, {550, 340, 160, 30}},
      {3, {990, 650}, {92, 125}, {715, 403, 208, 39}, {715, 442, 208, 39}},
      {5, {1520, 1000}, {146, 198}, {1100, 620, 320, 60}, {1100, 680, 320, 60}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    settings.WindowSize = c.size;
    window.SetSettings(&settings);
    EXPECT_EQ(window.size(), c.client);
    EXPECT_EQ(window.Layout().Card(), c.card);
    EXPECT_EQ(window.MainButton()->geometry(), c.main);
    EXPECT_EQ(window.EndButton()->geometry(), c.end);
  }
  // Full screen fills the screen's free area less the window's frame.
  settings.WindowSize = 2;
  window.SetSettings(&settings);
  const QSize frame = window.frameGeometry().size() - window.geometry().size();
  EXPECT_EQ(window.size(), window.screen()->availableGeometry().size() - frame);
  EXPECT_EQ(window.Layout().Card(), QSize(146, 198));
  // A size the screen cannot hold is the normal window.
  settings.WindowSize = 9;
  window.SetSettings(&settings);
  EXPECT_EQ(window.size(), QSize(760, 500));
}

// Adds up the pauses of the flights.
class PauseCounter : public FlightSleeper {
 public:
  void SleepMs(int ms) override { total_ms += ms; }
  int total_ms = 0;
};

int Steps(QPoint from, QPoint to) {
  return std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
}

TEST_F(WindowTest, PlayedCollectedAndDrawnCardsFlyAtTheChosenPace) {
  settings.FlyingCards = true;
  settings.Speed = 1;  // 2 ms after every step
  window.SetSettings(&settings);
  PauseCounter pauses;
  window.SetFlightSleeper(&pauses);
  StartGame();
  PressMain();
  if (State().Phase == PhaseSeat1) Tick();
  pauses.total_ms = 0;

  // The player's card flies from its place in the hand to its spot on the table.
  const int index = FirstPlayable();
  const QPoint from = window.FlightCorner({FlightPlace::HandCard, 2, index, 13});
  EXPECT_EQ(from, QPoint(window.Model().hands[2].lefts[size_t(index) - 1],
                         window.Layout().Hand(2).top()));
  const QPoint to = window.FlightCorner({FlightPlace::TrickSpot, 2, 0, 0});
  EXPECT_EQ(to, window.Layout().TrickCard(2).topLeft());
  ClickLowerCard(index);
  EXPECT_EQ(pauses.total_ms, 2 * Steps(from, to));

  // Collecting flies both cards off the table and draws two cards from the stock.
  PlayTrick();
  pauses.total_ms = 0;
  PressMain();
  EXPECT_GT(pauses.total_ms, 4 * 2 * 100);
  const QPoint stock = window.FlightCorner({FlightPlace::Stock, 0, 0, 0});
  EXPECT_EQ(stock, window.Layout().Stock().topLeft() + QPoint(12, 0));
  EXPECT_EQ(window.FlightCorner({FlightPlace::OffTable, 1, 0, 0}).y(),
            -window.Layout().Card().height());
  EXPECT_EQ(window.FlightCorner({FlightPlace::OffTable, 2, 0, 0}).y(), window.height());

  // Switched off, nothing flies.
  settings.FlyingCards = false;
  PlayTrick();
  pauses.total_ms = 0;
  PressMain();
  EXPECT_EQ(pauses.total_ms, 0);
  window.SetFlightSleeper(nullptr);
}

TEST_F(WindowTest, ClickingTheMenuBannerCyclesTheCaptionColour) {
  settings.CaptionColour = 6;
  window.SetSettings(&settings);
  Click(QPoint(380, 250));  // leaves the title
  ASSERT_EQ(window.CurrentScreen(), Screen::Menu);
  const QRect banner = window.Layout().Place(TitlePainter::kTitleBannerRect);
  const QImage before = window.grab(banner).toImage();
  Click(banner.center());
  EXPECT_EQ(settings.CaptionColour, 7);
  EXPECT_NE(window.grab(banner).toImage(), before);
  Click(banner.center());
  EXPECT_EQ(settings.CaptionColour, 1);
  SaveShot("menu_banner");
}

TEST_F(WindowTest, ChatOfTwoPlayersAndTheCodeTypedOnItsSendButton) {
  StartGame();
  // Against the computer there is nobody to talk to.
  EXPECT_FALSE(window.SendButton()->isVisible());
  EXPECT_FALSE(window.Model().chat.shown);

  // As in a two-player game.
  TableView& view = window;
  view.ShowChat(true);
  EXPECT_TRUE(window.SendButton()->isVisible());
  EXPECT_TRUE(window.ChatEdit()->isVisible());
  view.AddChatLine(1, "hello");
  EXPECT_EQ(window.Model().chat.lines[0].text, "hello");
  std::vector<std::string> sent;
  window.SetChatSender([&sent](const std::string& line) { sent.push_back(line); });
  QTest::keyClicks(window.ChatEdit(), QStringLiteral("good luck, and more"));
  EXPECT_EQ(window.ChatEdit()->text(), QStringLiteral("good luck, and "));  // 15 at most
  QTest::mouseClick(window.SendButton(), Qt::LeftButton);
  EXPECT_EQ(sent, std::vector<std::string>{"good luck, and"});
  EXPECT_TRUE(window.ChatEdit()->text().isEmpty());

  // The code typed on the send button shows the upper hand, and hides it again.
  ASSERT_FALSE(window.Model().hands[1].face_up);
  QTest::keyClicks(window.SendButton(), QStringLiteral("71849"));
  EXPECT_TRUE(window.Model().hands[1].face_up);
  QTest::keyClicks(window.SendButton(), QStringLiteral("718"));
  QFocusEvent focus_in(QEvent::FocusIn);
  QCoreApplication::sendEvent(window.SendButton(), &focus_in);  // starts the collection afresh
  QTest::keyClicks(window.SendButton(), QStringLiteral("49"));
  EXPECT_TRUE(window.Model().hands[1].face_up);
  QCoreApplication::sendEvent(window.SendButton(), &focus_in);
  QTest::keyClicks(window.SendButton(), QStringLiteral("71849"));
  EXPECT_FALSE(window.Model().hands[1].face_up);
  SaveShot("chat");

  // Leaving for the menu hides the chat.
  answer = true;
  window.ExitToMenuAction()->trigger();
  EXPECT_FALSE(window.SendButton()->isVisible());
}

int GifFrames(const QString& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
  if (!gif) return -1;
  const int frames = DGifSlurp(gif) == GIF_OK ? gif->ImageCount : -1;
  DGifCloseFile(gif, &error);
  return frames;
}

TEST_F(WindowTest, ADealIsRecordedUntilThePlayerLeavesForTheMenu) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  window.SetRecordingFolder(folder.path());
  settings.SaveGamesAsGif = true;
  settings.FlyingCards = false;
  window.SetSettings(&settings);
  StartGame();
  EXPECT_TRUE(window.Recording().Running());
  window.Recording().CaptureNow();  // as the capture timer would
  PressMain();
  PlayTrick();
  window.Recording().CaptureNow();
  PressMain();
  answer = true;
  window.ExitToMenuAction()->trigger();
  ASSERT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_FALSE(window.Recording().Running());
  const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.gif")});
  ASSERT_EQ(files.size(), 1);
  EXPECT_GE(GifFrames(folder.filePath(files[0])), 2);

  // Only the normal window is recorded.
  settings.WindowSize = 5;
  window.SetSettings(&settings);
  QTest::mouseClick(window.PlayButton(), Qt::LeftButton);
  ASSERT_EQ(window.CurrentScreen(), Screen::Table);
  EXPECT_FALSE(window.Recording().Running());
}

}  // namespace
}  // namespace quorvex::testing
