#include "game/session_end.h"

#include "sound/effects.h"

namespace quorvex {

void RunSessionEnd(SessionEndSteps& steps, const SessionEndInput& input) {
  const bool tournament = IsTournamentRole(input.role);
  const bool lan = input.role == TableRole::LanServer || input.role == TableRole::LanClient;
  const bool as_account = input.account == AccountState::RatingGame;
  const bool club_game = !tournament && !as_account;
  const bool cycle_complete = input.deal_no % 20 == 0;

  // The online exchanges may take a while: the player sees why the window waits.
  steps.ShowWaitBanner(true);
  // The account's own rule: only a rated match is updated.
  const bool rated_cycle_complete = steps.FinishRatedMatch(input.balance) && as_account;
  double rating = 0;
  int32_t result = input.balance;
  int deals = input.deals;
  if (tournament) {
    deals = 1;
    steps.TournamentStanding(result, rating);
  } else {
    rating = steps.NewRating(input.balance, as_account);
  }
  steps.ShowWaitBanner(false);

  steps.WriteHistory(result, deals, rating);
  steps.ReportSession(input);

  const std::string_view effect = SessionEndEffect(input.deal_no, input.balance);
  if (!effect.empty()) steps.PlayEffect(effect);

  if (club_game) steps.UpdateClubFile(input.balance, rating);
  if (lan || tournament) steps.CloseConnection();
  if (club_game && cycle_complete) {
    steps.ShowEndOfGame();
    if (!lan) steps.OfferResultWrite();
  }
  if (as_account && !tournament && !lan && rated_cycle_complete) steps.WriteAccountCycle();
}

}  // namespace quorvex
