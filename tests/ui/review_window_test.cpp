// The deal review window: it steps through the deal, runs the search on a worker thread with a
// progress bar, marks the cards that cost tricks, keeps the analysis, and stops the search when
// it is closed.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <atomic>

#include "opponent/auction_table.h"
#include "support/played_deals.h"
#include "ui/dialogs/review_window.h"
#include "ui/shot.h"

namespace quorvex {
namespace {

// Seat 2 ("Bob") declares four spades after seat 1's pass; every card is played.
DealRecord FourSpades(unsigned seed) {
  return test::PlayedDeal(test::DealPlan{seed, 1, 0, {kCallPass, 19, kCallPass}});
}

// An analysis with the third card costing a trick; each of its 26 steps reports progress.
DealAnalyser CountingAnalyser(std::atomic<int>* steps_seen) {
  return
      [steps_seen](const DealRecord& record,
                   const std::function<bool(int, int)>& progress) -> std::optional<DealAnalysis> {
        DealAnalysis a;
        for (size_t i = 0; i < record.contract_play.size(); ++i) {
          if (!progress(int(i), 26)) return std::nullopt;
          ++*steps_seen;
          a.cards.push_back({uint8_t(7 - i / 4), uint8_t(i == 2 ? 1 : 0)});
        }
        a.forecast[1] = {0, 3, 4, 5, 6, 5};
        a.forecast[2] = {0, 8, 7, 9, 10, 8};
        a.best_tricks = 10;
        a.best_score = 420;
        return a;
      };
}

TEST(ReviewWindow, StepsThroughTheDealAndMarksTheCostlyCards) {
  Settings settings;
  std::atomic<int> steps_seen{0};
  std::optional<DealRecord> kept;
  TFReview window(FourSpades(7), settings, CountingAnalyser(&steps_seen));
  window.SetAnalysed([&](const DealRecord& r) { kept = r; });
  window.show();

  // The search runs in the background and the window shows its progress meanwhile.
  QTRY_VERIFY_WITH_TIMEOUT(kept.has_value(), 10000);
  EXPECT_EQ(steps_seen.load(), 26);
  EXPECT_FALSE(window.Progress()->isVisible());
  ASSERT_TRUE(kept->analysis.has_value());
  EXPECT_EQ(kept->analysis->cards[2].cost, 1);

  ASSERT_EQ(window.Steps()->count(), 27);  // the auction and 26 cards
  EXPECT_EQ(window.Steps()->item(3)->background().color(), QColor(250, 206, 200));
  EXPECT_NE(window.Steps()->item(4)->background().color(), QColor(250, 206, 200));
  EXPECT_TRUE(window.Steps()->item(3)->text().contains(QStringLiteral("costs 1")));

  // At the auction: the calls, the contract and its result, the forecast and the best play.
  EXPECT_EQ(window.Step(), 0);
  const QString middle = window.MiddleText().join(QLatin1Char('\n'));
  EXPECT_TRUE(middle.contains(QStringLiteral("4\u2660 (Bob)"))) << middle.toStdString();
  EXPECT_TRUE(middle.contains(QStringLiteral("Bob:  \u2663 8   \u2666 7   \u2665 9   \u2660 10")))
      << middle.toStdString();
  EXPECT_TRUE(middle.contains(QStringLiteral("10 tricks, +420")));
  EXPECT_FALSE(window.StepButton(1)->isEnabled());
  testing::SaveShot(window.Snapshot(), "review_auction");

  QTest::mouseClick(window.StepButton(2), Qt::LeftButton);
  EXPECT_EQ(window.Step(), 1);
  window.Steps()->setCurrentRow(5);
  EXPECT_EQ(window.Step(), 5);
  testing::SaveShot(window.Snapshot(), "review_trick");
  QTest::keyClick(&window, Qt::Key_End);
  EXPECT_EQ(window.Step(), 26);
  EXPECT_FALSE(window.StepButton(2)->isEnabled());
  QTest::mouseClick(window.StepButton(0), Qt::LeftButton);
  EXPECT_EQ(window.Step(), 0);
}

TEST(ReviewWindow, AKeptAnalysisIsShownAtOnceAndClosingStopsARunningSearch) {
  Settings settings;
  DealRecord analysed = FourSpades(8);
  analysed.analysis = DealAnalysis{};
  analysed.analysis->cards.assign(26, CardReview{5, 0});
  bool asked = false;
  {
    TFReview window(analysed, settings,
                    [&](const DealRecord&, const std::function<bool(int, int)>&) {
                      asked = true;
                      return std::optional<DealAnalysis>();
                    });
    EXPECT_TRUE(window.Progress()->isHidden());
  }
  EXPECT_FALSE(asked);

  // A search that goes on until told to stop: the window's end stops it.
  std::atomic<bool> stopped{false};
  auto* window = new TFReview(FourSpades(9), settings,
                              [&](const DealRecord&, const std::function<bool(int, int)>& go_on) {
                                while (go_on(1, 26)) QThread::msleep(2);
                                stopped = true;
                                return std::optional<DealAnalysis>();
                              });
  window->show();
  QTest::qWait(50);
  delete window;
  EXPECT_TRUE(stopped.load());
}

}  // namespace
}  // namespace quorvex
