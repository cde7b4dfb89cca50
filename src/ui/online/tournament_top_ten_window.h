// "Tournament Top Ten": the best ten of the tournament by score, rating or games, with the
// player's own place and its medal. The lobby's "Top 10" opens it in the grey designs; the
// purple design shows the same list as a category of the world top ten.
#pragma once

#include "ui/dialogs/designed_dialog.h"
#include "ui/online/top_ten_board.h"
#include "ui/online/world_lists_context.h"

namespace quorvex {

class TourKindPanel;

class TFormTourTopTen : public DesignedDialog {
  Q_OBJECT

 public:
  // Reads and draws the ranking the context holds; the choice is kept in it for the run.
  explicit TFormTourTopTen(WorldListsContext& context, QWidget* parent = nullptr);

  TourKindPanel* KindPanel() const { return kinds_; }
  TopTenBoard* Board() const { return board_; }

 private:
  void ReadAndDraw();

  WorldListsContext& context_;
  TourKindPanel* kinds_ = nullptr;
  TopTenBoard* board_ = nullptr;
};

// The lobby's "Top 10": this window in the grey designs, the world top ten on the tournament's
// category in the purple one.
void ShowTournamentTopTen(WorldListsContext& context, QWidget* parent);

}  // namespace quorvex
