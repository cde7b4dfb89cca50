// The review of a recorded deal: the table replayed card by card, the list of the auction and
// of every card with what the exact search says of it (the tricks the side to move could still
// take, and what the card played cost), the forecast of every denomination at the auction. The
// search runs on a worker thread with a progress bar; closing the window stops it.
#pragma once

#include <QImage>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "game/deal_replay.h"
#include "records/deal_record.h"
#include "ui/art/card_painter.h"
#include "ui/dialogs/designed_dialog.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace quorvex {

class ReviewTable;

// Runs the search over a deal; progress(done, total) returns false to stop it, and then the
// analyser returns nothing.
using DealAnalyser = std::function<std::optional<DealAnalysis>(
    const DealRecord&, const std::function<bool(int, int)>& progress)>;

class TFReview : public DesignedDialog {
  Q_OBJECT

 public:
  TFReview(DealRecord record, const Settings& settings, DealAnalyser analyser,
           QWidget* parent = nullptr);
  ~TFReview() override;

  // The analysis is done: the record with it, to be kept.
  void SetAnalysed(std::function<void(const DealRecord&)> analysed) {
    analysed_ = std::move(analysed);
  }
  // "Play this deal again" (the window closes first) and "Save as PBN…".
  // Each button is enabled only while its action is set.
  void SetPlayAgain(std::function<void(const DealRecord&)> play);
  void SetSavePbn(std::function<void(const DealRecord&)> save);

  const DealRecord& Record() const { return record_; }
  // 0 is the auction; n the table after the contract's n-th card.
  int Step() const { return step_; }
  void GoTo(int step);
  int LastStep() const { return replay_.Cards(); }

  QListWidget* Steps() const { return steps_; }
  QProgressBar* Progress() const { return progress_; }
  QPushButton* PlayAgainButton() const { return play_again_button_; }
  QPushButton* SavePbnButton() const { return save_button_; }
  QPushButton* StepButton(int which) const { return step_buttons_[which]; }
  // The middle of the table at the auction, as drawn.
  QStringList MiddleText() const;
  // The window as it looks, for the tests' pictures.
  QImage Snapshot();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartAnalysis();
  void AnalysisDone(std::optional<DealAnalysis> analysis);
  void FillSteps();
  QString SeatName(int seat) const;

  DealRecord record_;
  DealReplay replay_;
  DealAnalyser analyser_;
  CardPainter cards_;
  int step_ = 0;
  ReviewTable* table_ = nullptr;
  QListWidget* steps_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* step_buttons_[4] = {};
  QPushButton* play_again_button_ = nullptr;
  QPushButton* save_button_ = nullptr;
  std::function<void(const DealRecord&)> analysed_, play_again_, save_pbn_;
  std::atomic<bool> stop_{false};
  std::thread worker_;
};

// A call as the review writes it: "4♠", "3WT", "Double", "Pass".
QString ReviewCallText(int code);
// A card as the review writes it: "A♠", "10♥".
QString ReviewCardText(const TCard& card);

}  // namespace quorvex
