#include <gtest/gtest.h>

#include <QLineEdit>

#include "ui/art/zef_cards_button.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "locale/lang_text.h"
#include "qt_environment.h"
#include "window_fixture.h"

namespace quorvex::testing {
namespace {

QString Qs(Tx text) {
  return QString::fromUtf8(Text(text).c_str());
}

// A lower card that may not be played now (it breaks the follow-suit rule), 0 if none.
int RefusedCard(const GameController& controller) {
  for (int i = 1; i <= controller.State().HandCount[2]; ++i)
    if (!controller.CanPlayLowerCard(i)) return i;
  return 0;
}

// The window laid out from the settings at a window size.
class SizedWindowTest : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  SizedWindowTest() {
    settings.WindowSize = GetParam();
    settings.FlyingCards = false;
    settings.OwnCursor = false;
    window.SetSettings(&settings);
  }
  // Screenshot names carry the window size.
  void Shot(const char* name) {
    SaveShot((std::string(name) + "_" + std::to_string(GetParam())).c_str());
  }
};

TEST_P(SizedWindowTest, PlaysAWholeDealWithTheMouseAndStartsTheNext) {
  Shot("title");
  StartGame(GetParam() == 1 ? "menu_1" : "menu_5");
  const TableModel& m = window.Model();
  ASSERT_EQ(m.hands[1].cards.size(), 13u);
  ASSERT_EQ(m.hands[2].cards.size(), 13u);
  EXPECT_FALSE(m.hands[1].face_up);
  EXPECT_TRUE(m.hands[2].face_up);
  EXPECT_EQ(m.stock, 26);
  EXPECT_EQ(m.deal.deal_count, 1);
  EXPECT_FALSE(m.deal.has_contract);
  EXPECT_EQ(m.panels[2].score, 0);
  EXPECT_FALSE(m.panels[2].tricks.has_value());  // erased until the contract play
  EXPECT_EQ(m.plates[State().FirstSeat].star, PlateStar::FirstPlayer);
  EXPECT_EQ(window.MainButton()->text(), Qs(Tx::ToBeginOfRound));
  EXPECT_FALSE(window.EndButton()->isEnabled());
  EXPECT_FALSE(window.MainTimer().isActive());

  PressMain();
  EXPECT_EQ(window.MainButton()->text(), QStringLiteral("OK"));
  EXPECT_FALSE(window.MainButton()->isEnabled());
  EXPECT_TRUE(window.MainTimer().isActive());
  EXPECT_EQ(window.MainTimer().interval(), GameController::kSessionTimerMs);

  // The draw phase. Once, when following, a card of the wrong suit is refused.
  bool refused = false;
  for (int trick = 1; trick <= 13; ++trick) {
    if (State().Phase == PhaseSeat1) Tick();
    const int wrong = State().TrickSlot == 2 ? RefusedCard(controller) : 0;
    if (!refused && State().Phase == PhaseSeat2 && wrong > 0) {
      MovePointer(LowerCardPoint(wrong));
      EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
      MovePointer(LowerCardPoint(FirstPlayable()));
      EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
      TakeLog();
      ClickLowerCard(wrong);
      EXPECT_TRUE(TakeLog().contains(QStringLiteral("effect WWrongs")));
      EXPECT_EQ(State().Phase, PhaseSeat2);
      EXPECT_EQ(State().HandCount[2], 13);
      EXPECT_TRUE(m.trick[2].Empty());
      refused = true;
    }
    PlayTrick();
    EXPECT_FALSE(m.trick[1].Empty());
    EXPECT_FALSE(m.trick[2].Empty());
    if (trick == 6) Shot("draw_phase");
    PressMain();  // collects, both draw
    EXPECT_TRUE(m.trick[1].Empty() && m.trick[2].Empty());
    EXPECT_EQ(m.stock, 26 - 2 * trick);
    EXPECT_EQ(m.hands[2].cards.size(), 13u);
  }
  EXPECT_TRUE(refused) << "the fixed deal never let the player revoke";

  // The auction: the computer passes, the player bids one club, the computer passes again.
  Settle();
  TFormTorg* dialog = window.BiddingDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  Shot("auction");
  for (int guard = 0; guard < 6 && !controller.Auction().Closed(); ++guard) {
    if (State().Phase != PhaseBidSeat2) {
      Tick();
      continue;
    }
    QTest::mouseClick(dialog->BidButton(1), Qt::LeftButton);
    for (int code = 1; code <= 35; ++code) EXPECT_FALSE(dialog->BidButton(code)->isEnabled());
    EXPECT_FALSE(dialog->PassButton()->isEnabled());
  }
  ASSERT_TRUE(controller.Auction().Closed());
  EXPECT_TRUE(dialog->OkButton()->isEnabled());
  QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  Settle();
  EXPECT_EQ(window.BiddingDialog(), nullptr);
  EXPECT_TRUE(m.deal.has_contract);
  EXPECT_EQ(m.deal.level, 1);
  EXPECT_EQ(m.deal.trump, kClubs);

  // The contract play, with the tricks counted on the panels.
  for (int trick = 1; trick <= 13; ++trick) {
    PlayTrick();
    EXPECT_EQ(m.panels[1].tricks, State().Tricks[1]);
    EXPECT_EQ(m.panels[2].tricks, State().Tricks[2]);
    if (trick == 7) Shot("contract_play");
    PressMain();
  }

  // The result: the panel in the table centre, the points on the receiver's panel.
  ASSERT_TRUE(m.result.has_value());
  EXPECT_EQ(State().Phase, PhaseDealOver);
  EXPECT_GT(m.result->points, 0);
  const int receiver = m.result->receiver;
  EXPECT_EQ(m.panels[receiver].second, m.result->points);
  EXPECT_EQ(m.panels[3 - receiver].second, 0);
  EXPECT_EQ(m.panels[receiver].score, State().MatchScore[receiver]);
  EXPECT_TRUE(m.hands[1].face_up);  // the cards are shown after the deal
  EXPECT_EQ(m.hands[1].cards.size(), 13u);
  EXPECT_EQ(window.MainButton()->text(), Qs(Tx::NextGame));
  EXPECT_TRUE(window.EndButton()->isEnabled());
  Shot("result");

  PressMain();  // "Next game"
  EXPECT_EQ(State().DealNo, 2);
  EXPECT_EQ(m.deal.deal_count, 2);
  EXPECT_FALSE(m.deal.has_contract);
  EXPECT_FALSE(m.result.has_value());
  EXPECT_EQ(m.stock, 26);
  EXPECT_FALSE(m.hands[1].face_up);
  EXPECT_EQ(window.MainButton()->text(), Qs(Tx::ToBeginOfRound));
  EXPECT_TRUE(window.MainButton()->isEnabled());
  Shot("next_deal");
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, SizedWindowTest, ::testing::Values(1, 5));

TEST_F(WindowTest, PopupMenuLeavesForTheMenuOnlyWhenConfirmed) {
  StartGame();
  // Over the cards and the table centre the right button is kept for the cards.
  for (QPoint over : {window.Layout().Centre().center(), window.Layout().Hand(2).center(),
                      window.Layout().Hand(1).center()}) {
    Click(over, Qt::RightButton);
    EXPECT_FALSE(window.PopupMenu()->isVisible());
  }
  Click(QPoint(30, 250), Qt::RightButton);
  EXPECT_TRUE(window.PopupMenu()->isVisible());
  EXPECT_TRUE(window.ExitToMenuAction()->isEnabled());
  EXPECT_TRUE(window.GeneralScoreAction()->isEnabled());
  window.PopupMenu()->hide();

  answer = false;
  window.ExitToMenuAction()->trigger();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].rfind(Text(Tx::LeaveToMenuQuestion), 0), 0u);
  EXPECT_EQ(window.CurrentScreen(), Screen::Table);

  answer = true;
  window.ExitToMenuAction()->trigger();
  EXPECT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_FALSE(window.MainButton()->isVisible());
  EXPECT_TRUE(window.PlayButton()->isVisible());
  EXPECT_TRUE(window.MainTimer().isActive());
  EXPECT_EQ(window.MainTimer().interval(), GameController::kMenuTimerMs);
  EXPECT_FALSE(window.ExitToMenuAction()->isEnabled());
}

TEST_F(WindowTest, NewButtonsReachEveryCardStyleButtonOfTheWindow) {
  Settings settings;
  settings.NewButtons = true;
  window.SetSettings(&settings);
  auto* main = static_cast<TZefCardsButton*>(window.MainButton());
  auto* send = static_cast<TZefCardsButton*>(window.SendButton());
  auto* options = static_cast<TZefCardsButton*>(window.OptionsButton());
  for (TZefCardsButton* button : {main, send, options}) EXPECT_TRUE(button->Nata());
  settings.NewButtons = false;
  window.ApplyDisplaySettings();
  for (TZefCardsButton* button : {main, send, options}) EXPECT_FALSE(button->Nata());
  window.SetSettings(nullptr);
}

TEST_F(WindowTest, TextFieldsShowTheGamesOwnTextCursor) {
  Settings settings;
  window.SetSettings(&settings);
  QLineEdit later;  // a field of a dialog opened afterwards
  later.show();
  EXPECT_EQ(later.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(window.ChatEdit()->cursor().shape(), Qt::BitmapCursor);
  settings.OwnCursor = false;
  window.ApplyDisplaySettings();
  EXPECT_EQ(later.cursor().shape(), Qt::IBeamCursor);
  window.SetSettings(nullptr);
}

TEST_F(WindowTest, ClosingDuringASessionAsksFirst) {
  StartGame();
  answer = false;
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].rfind(Text(Tx::LeaveGameQuestion), 0), 0u);
  answer = true;
  EXPECT_TRUE(window.close());
}

TEST_F(WindowTest, ForecastModeAndSearchProgress) {
  StartGame();
  TableView& view = window;
  window.MainButton()->setFocus();
  QTest::keyClick(window.MainButton(), Qt::Key_F10);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Quorvex Прогноз"));
  view.ShowForecastLine(" Прогноз: Взяток PC=[к=7]");
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Quorvex Прогноз: Взяток PC=[к=7]"));
  QTest::keyClick(window.MainButton(), Qt::Key_F10);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvex"));
  view.ShowForecastLine(" Прогноз: Взяток PC=[к=8]");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvex"));

  view.SetBusy(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  view.DrawForecastProgress(40);
  const QImage bar = window.grab(window.Layout().ProgressBar()).toImage();
  EXPECT_EQ(bar.pixelColor(3, 2), QColor(255, 200, 200));  // the done part, 36 of 90 wide
  EXPECT_EQ(bar.pixelColor(86, 2), QColor(255, 255, 200));
  view.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_LT(window.Model().progress, 0);
}

}  // namespace
}  // namespace quorvex::testing
