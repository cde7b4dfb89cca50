// A table nobody looks at: the relay's replay of a deal drives the game's controllers, whose
// drawing, sounds and dialogs go nowhere.
#pragma once

#include <string>

#include "game/table_view.h"

namespace quorvex::server {

class SilentTableView : public TableView {
 public:
  void ShowScreen(Screen) override {}
  void DrawHand(const TDealState&, int, bool) override {}
  void DrawNamePlate(int, const NamePlate&) override {}
  void DrawTrickPanel(int, const TrickPanel&) override {}
  void DrawDealPanel(int, const TDealState*, const std::string&) override {}
  void DrawStock(int) override {}
  void ClearTableCentre(int) override {}
  void DrawTrickCard(int, const TCard&) override {}
  void ShowResult(const DealScore&) override {}
  void ShowWaitText(const std::string&) override {}
  void SetMainButton(const ButtonState&) override {}
  void SetEndButton(const ButtonState&) override {}
  void SetMainTimer(int, bool) override {}
  void OpenBidding() override {}
  void UpdateBidding(const AuctionTable&, const BiddingButtons&) override {}
  void CloseBidding() override {}
  void PlayEffect(const std::string&) override {}
  // Nobody is there to say yes.
  bool AskYesNo(const std::string&) override { return false; }
  void SetBusy(bool) override {}
  void SetForecastMode(bool) override {}
  void ShowForecastLine(const std::string&) override {}
  void DrawForecastProgress(int) override {}
};

}  // namespace quorvex::server
