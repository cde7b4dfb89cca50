#include <gtest/gtest.h>

#include "locale/lang_text.h"
#include "shot.h"
#include "ui/art/resource_library.h"
#include "ui/art/touch_effect.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/call_table_view.h"
#include "window_fixture.h"

namespace quorvex::testing {
namespace {

QString Qs(Tx text) {
  return QString::fromUtf8(Text(text).c_str());
}

// Both button sets always agree, whichever is on show.
void ExpectBids(TFormTorg* dialog, int first_enabled) {
  for (const TFormTorg::ButtonSet* set : {&dialog->StandardSet(), &dialog->CardSet()})
    for (int code = 1; code <= 35; ++code)
      EXPECT_EQ(set->bids[code]->isEnabled(), first_enabled > 0 && code >= first_enabled)
          << "bid " << code;
}

void ExpectCallButtons(TFormTorg* dialog, bool pass, bool dbl, bool ok) {
  for (const TFormTorg::ButtonSet* set : {&dialog->StandardSet(), &dialog->CardSet()}) {
    EXPECT_EQ(set->pass->isEnabled(), pass);
    EXPECT_EQ(set->dbl->isEnabled(), dbl);
    EXPECT_EQ(set->ok->isEnabled(), ok);
  }
}

// The same auction played on the standard buttons and on the card-style ones.
class BiddingStyles : public WindowTest, public ::testing::WithParamInterface<bool> {};

// The player bids two hearts, the computer doubles, the player redoubles, the computer passes.
TEST_P(BiddingStyles, ExactlyTheLegalCallsAndEachButtonMakesItsCall) {
  const bool card_style = GetParam();
  opponent.doubles = true;
  StartGame();
  PlayDrawPhase();
  Settle();
  TFormTorg* dialog = window.BiddingDialog();
  ASSERT_NE(dialog, nullptr);
  dialog->SetCardStyle(card_style);
  EXPECT_EQ(dialog->windowTitle(), Qs(Tx::Trade));
  EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(qobject_cast<TZefCardsButton*>(dialog->BidButton(8)) != nullptr, card_style);
  EXPECT_EQ(dialog->BidButton(8)->objectName(),
            card_style ? QStringLiteral("ZefBtn08") : QStringLiteral("BitBtn08"));

  for (int guard = 0; guard < 3 && State().Phase != PhaseBidSeat2; ++guard) Tick();
  ASSERT_EQ(State().Phase, PhaseBidSeat2);
  ExpectBids(dialog, 1);
  ExpectCallButtons(dialog, true, false, false);
  SaveShot(card_style ? "auction_card_open" : "auction_standard_open");

  // With nothing to double, the double button sends nothing even if its click gets through.
  const AuctionTable before = controller.Auction().Table();
  for (const TFormTorg::ButtonSet* set : {&dialog->StandardSet(), &dialog->CardSet()})
    emit set->dbl->clicked();
  EXPECT_EQ(State().Phase, PhaseBidSeat2);
  EXPECT_EQ(controller.Auction().Table().LastCall(), before.LastCall());

  QTest::mouseClick(dialog->BidButton(8), Qt::LeftButton);
  EXPECT_EQ(controller.Auction().Table().LastCall(), 8);
  ExpectBids(dialog, 0);  // the computer's turn
  ExpectCallButtons(dialog, false, false, false);

  Tick();  // double
  ASSERT_EQ(State().Phase, PhaseBidSeat2);
  ExpectBids(dialog, 9);
  ExpectCallButtons(dialog, true, true, false);
  EXPECT_EQ(dialog->StandardSet().dbl->text(), Qs(Tx::Redouble));
  EXPECT_EQ(dialog->CardSet().dbl->text(), Qs(Tx::Redouble));
  SaveShot(card_style ? "auction_card" : "auction_standard");

  QTest::mouseClick(dialog->DoubleButton(), Qt::LeftButton);  // redouble
  EXPECT_EQ(controller.Auction().Table().LastCall(), kCallRedouble);
  Tick();  // pass ends it
  ASSERT_TRUE(controller.Auction().Closed());
  ExpectBids(dialog, 0);
  ExpectCallButtons(dialog, false, false, true);
  EXPECT_EQ(dialog->CardSet().dbl->text(), Qs(Tx::Double));
  SaveShot(card_style ? "auction_card_closed" : "auction_standard_closed");

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
}

INSTANTIATE_TEST_SUITE_P(BothSets, BiddingStyles, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "CardStyle" : "Standard";
                         });

TEST_F(WindowTest, BiddingDialogFollowsTheDialogPictureSetting) {
  for (bool picture : {false, true}) {
    Settings settings;
    settings.DialogPicture = picture;
    TFormTorg dialog(controller, nullptr, &settings);
    EXPECT_EQ(dialog.size(), QSize(410, 280));
    EXPECT_EQ(dialog.CardStyle(), picture);
    const TFormTorg::ButtonSet& shown = picture ? dialog.CardSet() : dialog.StandardSet();
    const TFormTorg::ButtonSet& hidden = picture ? dialog.StandardSet() : dialog.CardSet();
    for (int code = 1; code <= 35; ++code) {
      EXPECT_TRUE(shown.bids[code]->isVisibleTo(&dialog));
      EXPECT_FALSE(hidden.bids[code]->isVisibleTo(&dialog));
      // Levels down, denominations across, left of the table of calls.
      EXPECT_EQ(shown.bids[code]->geometry(),
                QRect((BidDenomination(code) - 1) * 60, (BidTricks(code) - 7) * 35, 60, 35));
    }
    // The card style has pass at the left of the bottom row, double beside it.
    EXPECT_EQ(shown.pass->pos(), picture ? QPoint(0, 245) : QPoint(149, 246));
    EXPECT_EQ(shown.dbl->pos(), picture ? QPoint(150, 245) : QPoint(0, 245));
    EXPECT_EQ(shown.ok->geometry(), QRect(300, 245, 110, 35));
    EXPECT_FALSE(hidden.pass->isVisibleTo(&dialog));

    const QImage look = dialog.grab().toImage();
    const QColor ground = look.pixelColor(305 + 25, 5 + 70);  // an empty cell of the table
    if (picture) {
      EXPECT_EQ(look.pixelColor(303, 120), QColor(Qt::black));  // inside the table's frame
      EXPECT_EQ(ground, QColor(200, 180, 250));
    } else {
      EXPECT_EQ(ground, dialog.palette().color(QPalette::Button));
    }
    quorvex::testing::SaveShot(look, picture ? "bidding_card_style" : "bidding_standard_style");
  }
}

// A call click plays the touch effect where the mouse let go, when the setting asks for it.
TEST_F(WindowTest, BiddingCallClickPlaysTheTouchEffect) {
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
  for (bool effect : {true, false}) {
    Settings settings;
    settings.DialogPicture = true;
    settings.ClickEffectButtons = effect;
    TFormTorg dialog(controller, &window, &settings);
    BiddingButtons buttons;
    buttons.bid[12] = true;
    dialog.Refresh(AuctionTable(), buttons);
    QPushButton* bid = dialog.BidButton(12);
    QTest::mouseClick(bid, Qt::LeftButton, Qt::NoModifier, QPoint(14, 9));
    auto* ripple = dialog.findChild<TouchEffect*>();
    ASSERT_EQ(ripple != nullptr, effect);
    if (ripple) {
      EXPECT_TRUE(ripple->isVisibleTo(&dialog));
      EXPECT_EQ(ripple->pos() + QPoint(ripple->width() / 2, ripple->height() / 2),
                bid->pos() + QPoint(14, 9));
    }
  }
  SetLibraryDirectory(QString());
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

  // Drawn: the same picture as the last six lines alone, the final pass on the bottom line.
  const QImage scrolled = view.grab().toImage();
  AuctionTable last_six;
  for (int line = 3; line <= 8; ++line)
    for (int seat = 1; seat <= 2; ++seat) last_six.SetCell(seat, line - 2, table.Cell(seat, line));
  view.SetTable(last_six);
  EXPECT_EQ(view.grab().toImage(), scrolled);
  SaveShot(scrolled, "call_table_scrolled");
}

}  // namespace
}  // namespace quorvex::testing
