// A real main window wired to a real controller with a fixed shuffle, driven the way a player
// drives it: clicks on the window, its buttons and the bidding dialog.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "game/controller.h"
#include "game/opponent.h"
#include "ui/dialogs/bidding_dialog.h"
#include "settings/settings.h"
#include "ui/table/main_window.h"
#include "ui/table/table_geometry.h"

namespace quorvex::testing {

// The same shuffle for every deal.
class FixedRandom : public Random {
 public:
  void Reseed() override { state_ = 20240611u; }
  int Below(int n) override {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<uint64_t>(n));
  }

 private:
  uint64_t state_ = 20240611u;
};

class StillClock : public Clock {
 public:
  int64_t NowMs() override { return 0; }
};

// First legal card; doubles any bid, passes otherwise.
class DoublingOpponent : public PlainOpponent {
 public:
  int ChooseComputerCall(const TDealState&, const AuctionTable& table) override {
    return doubles && IsBid(table.LastCall()) ? kCallDouble : kCallPass;
  }
  bool doubles = false;
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : controller(window, opponent, random, clock, hooks) {
    window.SetController(&controller);
    window.SetPlayer(SessionPlayer{"Tester", 0, 0});
    window.SetAskHandler([this](const std::string& question) {
      questions.push_back(question);
      return answer;
    });
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  ~WindowTest() override { window.SetController(nullptr); }

  const TDealState& State() const { return controller.State(); }

  void Click(QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&window, button, Qt::NoModifier, pos);
  }

  // A pointer move delivered at once (a real pointer on a display would arrive later).
  void MovePointer(QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(window.mapToGlobal(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
  }

  void StartGame(const char* menu_shot = "menu") {
    Click(QPoint(380, 250));  // leaves the title
    ASSERT_EQ(window.CurrentScreen(), Screen::Menu);
    SaveShot(menu_shot);
    QTest::mouseClick(window.PlayButton(), Qt::LeftButton);
    ASSERT_EQ(window.CurrentScreen(), Screen::Table);
  }

  void PressMain() {
    ASSERT_TRUE(window.MainButton()->isVisible());
    ASSERT_TRUE(window.MainButton()->isEnabled());
    QTest::mouseClick(window.MainButton(), Qt::LeftButton);
  }

  // One tick of the main timer, which must be running.
  void Tick() {
    ASSERT_TRUE(window.MainTimer().isActive());
    window.OnMainTimer();
  }

  // A point inside the visible strip of lower card `index`, found from the drawn hand.
  QPoint LowerCardPoint(int index) const {
    const HandModel& hand = window.Model().hands[2];
    const int left = hand.lefts[index - 1];
    const int right = index < static_cast<int>(hand.lefts.size())
                          ? hand.lefts[index]
                          : left + window.Layout().Card().width();
    return QPoint((left + right) / 2, window.Layout().Hand(2).center().y());
  }

  // Clicks a lower card through the window's own hit testing.
  void ClickLowerCard(int index) {
    const QPoint pos = LowerCardPoint(index);
    ASSERT_EQ(window.LowerCardAt(pos), index);
    Click(pos);
  }

  int FirstPlayable() const {
    for (int i = 1; i <= kHandSlots; ++i)
      if (controller.CanPlayLowerCard(i)) return i;
    return 0;
  }

  // Until both cards lie on the table: the player clicks, the computer moves on ticks.
  void PlayTrick() {
    for (int guard = 0; guard < 4 && State().Phase != PhaseTrickDone; ++guard) {
      if (State().Phase == PhaseSeat2) {
        const TCard card = State().Hand[2][FirstPlayable()];
        ClickLowerCard(FirstPlayable());
        EXPECT_EQ(window.Model().trick[2], card);
      } else {
        Tick();
      }
    }
    ASSERT_EQ(State().Phase, PhaseTrickDone);
  }

  void PlayDrawPhase() {
    PressMain();  // "To Begin of Round"
    for (int trick = 1; trick <= 13; ++trick) {
      PlayTrick();
      PressMain();  // collects
    }
  }

  // Lets the dialog's queued notice reach the controller, and closed windows go.
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The window with the bidding dialog where it stands, saved when QUORVEX_SHOT_DIR is set.
  void SaveShot(const char* name) {
    const QByteArray dir = qgetenv("QUORVEX_SHOT_DIR");
    if (dir.isEmpty()) return;
    QPixmap shot = window.grab();
    if (TFormTorg* dialog = window.BiddingDialog()) {
      QPainter painter(&shot);
      painter.drawPixmap(dialog->pos() - window.pos(), dialog->grab());
    }
    shot.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) +
              QStringLiteral(".png"));
  }

  // The run's settings, given to the window only by tests that lay it out from them.
  Settings settings;
  MainWindow window;
  FixedRandom random;
  StillClock clock;
  DoublingOpponent opponent;
  SessionHooks hooks;
  GameController controller;
  std::vector<std::string> questions;
  bool answer = true;
};

}  // namespace quorvex::testing
