#include "online/rated_match.h"

#include <algorithm>
#include <string>

#include "locale/lang_text.h"

namespace quorvex {

double ProvisionalRating(int64_t kon, double rating) {
  const double before = static_cast<double>(kon);
  const double after = static_cast<double>(kon + kMatchDeals);
  return (before * (rating - before / kRatingDivisor) - kProvisionalLoss) / after +
         after / kRatingDivisor;
}

double FinalRating(int64_t kon, double rating, int64_t match_score) {
  const double e = static_cast<double>(kon);
  const double f = e / kRatingDivisor;
  return f + (kProvisionalLoss + e * (rating - f) + static_cast<double>(match_score)) / e;
}

bool StartRatedMatch(AccountService& service, AccountSession& session, AccountHooks& hooks) {
  const AccountState state_before = session.state;
  const std::string nick_before = session.user.Nick;
  hooks.ShowAccountWindowForRatedStart();
  if (session.state != state_before || session.user.Nick != nick_before) hooks.RedrawLampAndMenu();
  if (session.state != AccountState::RatingGame) return false;

  TZefGame read = session.game;
  // A negative count is no record this program wrote; the deduction would divide by nothing.
  if (service.ReadGameRecord(session.user, read) && read.Kon >= 0) {
    session.game = read;
    TZefGame provisional = read;
    provisional.Kon = read.Kon + kMatchDeals;
    provisional.Rating = ProvisionalRating(read.Kon, read.Rating);
    provisional.KonL = 0;
    provisional.Score = 0;
    constexpr int kPausesMs[] = {2000, 3000};
    for (int attempt = 0;; ++attempt) {
      if (service.SaveGameRecord(session.user, provisional)) {
        session.rated_match_running = true;
        return true;
      }
      hooks.PlayErrorSound();
      if (attempt == 2) break;
      hooks.Wait(kPausesMs[attempt]);
    }
  }
  hooks.ShowMessage(Text(Tx::CouldNotConnect));
  session.state = AccountState::NotLoggedIn;
  hooks.RedrawLampAndMenu();
  return false;
}

RatedMatchEnd FinishRatedMatch(AccountService& service, AccountSession& session,
                               AccountHooks& hooks, int64_t match_score, int64_t cycle_score) {
  RatedMatchEnd end;
  session.rated_match_running = false;
  if (session.state != AccountState::RatingGame) return end;
  for (;;) {
    // The server's KonL was cleared by the provisional save; the count before the match is the
    // one in memory.
    const int64_t kept_konl = session.game.KonL;
    TZefGame read = session.game;
    // The record read holds the provisional entry, so it counts at least one deal; a record
    // without any would divide by nothing.
    if (service.ReadGameRecord(session.user, read) && read.Kon > 0) {
      TZefGame updated = read;
      updated.Rating = FinalRating(read.Kon, read.Rating, match_score);
      const bool completes = kept_konl + kMatchDeals >= kCycleDeals;
      if (completes) {
        updated.Best = std::max(updated.Best, cycle_score);
        updated.Sessions += 1;
        updated.KonL = 0;
        updated.Score = 0;
      } else {
        updated.KonL = kept_konl + kMatchDeals;
        updated.Score = cycle_score;
      }
      if (service.SaveGameRecord(session.user, updated)) {
        session.game = updated;
        end.saved = true;
        end.cycle_completed = completes;
        break;
      }
      session.game = read;
      session.game.KonL = kept_konl;
    }
    if (!hooks.AskYesNo(Text(Tx::CouldNotConnect) + "\n\r" + Text(Tx::Repeat))) break;
  }
  session.state = AccountState::LoggedIn;
  return end;
}

}  // namespace quorvex
