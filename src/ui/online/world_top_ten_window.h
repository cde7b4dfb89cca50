// "World Top Ten": the lists of the records service. In the grey designs three icons choose the
// Windows, Android or account list; in the purple design seven medallions choose a category,
// which adds the account rating and the local club lists. Ten seconds after each drawing a
// button offers to read again. The tournament's category has a small panel choosing its ranking.
#pragma once

#include <array>

#include "ui/dialogs/designed_dialog.h"
#include "ui/online/top_ten_board.h"
#include "ui/online/world_lists_context.h"

class QPushButton;
class QTimer;

namespace quorvex {

class ListChoiceButton;
class TourKindPanel;

class TFormWorldTopTen : public DesignedDialog {
  Q_OBJECT

 public:
  static constexpr int kCategories = 7;
  static constexpr int kRefreshDelayMs = 10000;

  // Reads and draws the list or category the context holds (the purple design opens on 3
  // unless 2, 3 or 4 was chosen, or on the tournament when `on_tournament`).
  explicit TFormWorldTopTen(WorldListsContext& context, QWidget* parent = nullptr,
                            bool on_tournament = false);

  bool Purple() const { return Design() == DialogDesign::Purple; }
  // The grey designs' icons 0..2 (Windows, Android, account); the purple design's categories
  // 0..6.
  ListChoiceButton* ChoiceButton(int index) const;
  int Choices() const { return Purple() ? kCategories : 3; }
  // Chooses icon or category `index` as a click does.
  void Choose(int index);

  TopTenBoard* Board() const { return board_; }
  // The tournament's "Score" / "Rating" / "Games", shown with its category.
  TourKindPanel* KindPanel() const { return kinds_; }
  QPushButton* RefreshButton() const { return refresh_; }
  QTimer* RefreshTimer() const { return refresh_timer_; }

 private:
  void ReadAndDraw();
  BoardContent ReadList(int list);
  BoardContent ReadAccountRating();
  BoardContent ReadClubList(bool network);
  BoardContent ReadTournament();

  WorldListsContext& context_;
  std::array<ListChoiceButton*, kCategories> choices_{};
  TopTenBoard* board_ = nullptr;
  TourKindPanel* kinds_ = nullptr;
  QPushButton* refresh_ = nullptr;
  QTimer* refresh_timer_ = nullptr;
};

// Opens the window; while the online configuration pauses the world top ten, only says so.
// `on_tournament` opens the purple design on the tournament's category.
void ShowWorldTopTen(WorldListsContext& context, QWidget* parent, bool on_tournament = false);

}  // namespace quorvex
