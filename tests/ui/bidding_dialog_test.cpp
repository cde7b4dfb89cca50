#include <gtest/gtest.h>

#include "locale/lang_text.h"
#include "ui/call_table_view.h"
#include "window_fixture.h"

namespace quorvex::testing {
namespace {

QString Qs(Tx text) {
  return QString::fromUtf8(Text(text).c_str());
}

void ExpectBids(TFormTorg* dialog, int first_enabled) {
  for (int code = 1; code <= 35; ++code)
    EXPECT_EQ(dialog->BidButton(code)->isEnabled(), first_enabled > 0 && code >= first_enabled)
        << "bid " << code;
}

// The player bids two hearts, the computer doubles, the player redoubles, the computer passes.
TEST_F(WindowTest, BiddingDialogShowsExactlyTheLegalCalls) {
  opponent.doubles = true;
  StartGame();
  PlayDrawPhase();
  Settle();
  TFormTorg* dialog = window.BiddingDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), Qs(Tx::Trade));
  EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(dialog->isModal());

  for (int guard = 0; guard < 3 && State().Phase != PhaseBidSeat2; ++guard) Tick();
  ASSERT_EQ(State().Phase, PhaseBidSeat2);
  ExpectBids(dialog, 1);
  EXPECT_TRUE(dialog->PassButton()->isEnabled());
  EXPECT_FALSE(dialog->DoubleButton()->isEnabled());
  EXPECT_FALSE(dialog->OkButton()->isEnabled());

  QTest::mouseClick(dialog->BidButton(8), Qt::LeftButton);
  ExpectBids(dialog, 0);  // the computer's turn
  EXPECT_FALSE(dialog->PassButton()->isEnabled());
  EXPECT_FALSE(dialog->DoubleButton()->isEnabled());

  Tick();  // double
  ASSERT_EQ(State().Phase, PhaseBidSeat2);
  ExpectBids(dialog, 9);
  EXPECT_TRUE(dialog->PassButton()->isEnabled());
  EXPECT_TRUE(dialog->DoubleButton()->isEnabled());
  EXPECT_EQ(dialog->DoubleButton()->text(), Qs(Tx::Redouble));
  EXPECT_FALSE(dialog->OkButton()->isEnabled());
  SaveShot("auction");

  QTest::mouseClick(dialog->DoubleButton(), Qt::LeftButton);  // redouble
  Tick();                                                     // pass ends it
  ASSERT_TRUE(controller.Auction().Closed());
  ExpectBids(dialog, 0);
  EXPECT_FALSE(dialog->PassButton()->isEnabled());
  EXPECT_FALSE(dialog->DoubleButton()->isEnabled());
  EXPECT_EQ(dialog->DoubleButton()->text(), Qs(Tx::Double));
  EXPECT_TRUE(dialog->OkButton()->isEnabled());

  // Only OK ends the auction's window.
  dialog->close();
  QTest::keyClick(dialog, Qt::Key_Escape);
  Settle();
  ASSERT_EQ(window.BiddingDialog(), dialog);
  EXPECT_TRUE(dialog->isVisible());

  QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  Settle();
  EXPECT_EQ(window.BiddingDialog(), nullptr);
  const DealPanelModel& deal = window.Model().deal;
  EXPECT_TRUE(deal.has_contract);
  EXPECT_EQ(deal.level, 2);
  EXPECT_EQ(deal.trump, kHearts);
  EXPECT_EQ(deal.doubling, 2);
  EXPECT_EQ(window.Model().plates[2].star, PlateStar::Declarer);
  EXPECT_EQ(window.Model().plates[1].star, PlateStar::Defender);
  SaveShot("contract_redoubled");
}

TEST(CallTableView, LongAuctionShowsItsLastSixLines) {
  AuctionTable table;
  CallTableView view;
  view.SetTable(table);
  EXPECT_EQ(view.FirstShownLine(), 1);
  for (int line = 1; line <= 6; ++line) table.SetCell(1, line, line);
  view.SetTable(table);
  EXPECT_EQ(view.FirstShownLine(), 1);
  table.SetCell(1, 7, 7);
  table.SetCell(2, 8, kCallPass);  // a line holding only seat 2's call counts too
  view.SetTable(table);
  EXPECT_EQ(view.FirstShownLine(), 3);
}

}  // namespace
}  // namespace quorvex::testing
