#include "game/controller.h"

#include <cstdio>

#include "game/deal.h"
#include "game/deal_capture.h"
#include "game/trick.h"
#include "locale/lang_text.h"
#include "net/lan_messages.h"
#include "net/tour_frames.h"
#include "sound/effects.h"

namespace quorvex {

namespace {
std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n % 100);
  return buffer;
}

}  // namespace

GameController::GameController(TableView& view, Opponent& opponent, Random& random, Clock& clock,
                               SessionHooks& hooks)
    : view_(view),
      opponent_(opponent),
      random_(random),
      clock_(clock),
      hooks_(hooks),
      auction_(state_, view) {}

void GameController::SetPeerLink(PeerLink* link) {
  link_ = link;
  auction_.SetRole(role_, link_);
}

bool GameController::ClosesTricks() const {
  return role_ == TableRole::SinglePlayer || role_ == TableRole::LanServer ||
         role_ == TableRole::TourSeat1;
}

void GameController::StartSession(TableRole role, const SessionPlayer& player,
                                  const std::string& opponent_name) {
  role_ = role;
  auction_.SetRole(role_, link_);
  names_[2] = TrimRight(player.name);
  names_[1] = role_ == TableRole::SinglePlayer ? "PC" : TrimRight(opponent_name);
  state_.DealNo = player.deals;
  initial_score_ = player.score;
  in_session_ = true;
  StartDeal(false);
}

void GameController::StartDeal(bool continue_session) {
  // 1. The table with a full stock and an empty centre.
  view_.ChooseDealBack();
  view_.ShowScreen(Screen::Table);
  view_.ClearTableCentre(0);
  view_.DrawStock(26);
  ending_allowed_ = false;
  lan_pause_until_ = -1;

  // 2. A new session starts from the player's record.
  if (!continue_session) {
    state_.MatchScore = {0, 0, 0};
    session_deals_ = 0;
    reveal_upper_ = false;
    client_first_deck_ = role_ == TableRole::LanClient;
    relay_over_ = false;
    // Two people at the table talk through the chat line; its history starts empty.
    const bool two_players = role_ != TableRole::SinglePlayer;
    view_.ShowChat(two_players);
    if (two_players) view_.ClearChat();
  }

  // 3. The LAN client counted its first deal when the session started, not when the deck came.
  const bool first_client_deck =
      role_ == TableRole::LanClient && continue_session && client_first_deck_;
  if (first_client_deck) client_first_deck_ = false;
  if (!first_client_deck) {
    ++session_deals_;
    ++state_.DealNo;
  }

  // 6. Whoever holds the authority shuffles; the others were dealt from the deck they received.
  if (role_ == TableRole::SinglePlayer || role_ == TableRole::LanServer) {
    ShuffleDeck(state_, random_);
    DealCards(state_, role_);
    if (role_ == TableRole::LanServer && link_)
      link_->SendMessage(DeckMessageOf(state_.Deck, state_.DeckRank));
    deck_ready_ = true;
  }

  // 7. The deal's numbers and an empty trick, pile and auction.
  SetVulnerabilityAndFirstSeat(state_, role_);
  state_.Phase = state_.Leader = state_.DrawFirst = state_.FirstSeat;
  state_.TrickSlot = 1;
  state_.TrickNo = 1;
  state_.LedSuit = kNoSuit;
  state_.Trick.fill(kEmptyCard);
  state_.TrickRank.fill(kEmptyRank);
  state_.Tricks = {0, 0, 0};
  state_.PlayedNext = 1;
  state_.Played.fill(kEmptyCard);
  state_.StockNext = 27;
  state_.ContractCode = state_.TricksNeeded = state_.Doubling = state_.Declarer = 0;
  state_.HandsSaved = 0;
  auction_.Reset();
  opponent_.NewDeal();

  // 8. Contract frame, score panels and plates.
  RedrawDealPanel();
  for (int seat = 1; seat <= 2; ++seat) {
    TrickPanel panel;
    panel.score = state_.MatchScore[seat];
    panel.second = kPanelErase;
    panel.tricks = kPanelErase;
    panel.vulnerable = state_.SeatVulnerable(role_, seat);
    view_.DrawTrickPanel(seat, panel);
  }
  RedrawPlates();

  // 9. The LAN client waits for the server's deck.
  if (role_ == TableRole::LanClient && !deck_ready_) {
    table_active_ = false;
    view_.ShowWaitText(Text(Tx::ExpectationOfServer));
    return;
  }
  deck_ready_ = false;

  // 10. Ready for the main action button.
  table_active_ = true;
  RedrawHands();
  const bool follower = role_ == TableRole::LanClient || role_ == TableRole::TourSeat2;
  SetMain(Text(Tx::ToBeginOfRound), !follower);
  SetEnd(false);
  view_.DrawStock(state_.StockLeft());
  view_.PlayEffect("WTasoKo");
  state_.PlayState = 1;
  timer_running_ = false;
  view_.SetMainTimer(kSessionTimerMs, false);
  view_.BeginDealRecording();
  // A tournament game's clocks run from the deal on: seat 1 has the first move, its start.
  if (IsTournamentRole(role_)) {
    turn_key_ = 0;
    view_.SetClockTimer(true);
    UpdateMoveClock();
  }
}

void GameController::SetDeckReceived() {
  deck_ready_ = true;
}

void GameController::OnMainButton() {
  if (!table_active_ || !main_button_.enabled) return;
  if (state_.PlayState == 1) {
    state_.PlayState = 2;
    SetMain("OK", false);
    timer_running_ = true;
    view_.SetMainTimer(kSessionTimerMs, true);
    if ((role_ == TableRole::LanServer || role_ == TableRole::TourSeat1) && link_)
      link_->SendMessage("hbegin");
    UpdateMoveClock();
    return;
  }
  if (state_.Phase == PhaseTrickDone) {
    if ((role_ == TableRole::LanServer || role_ == TableRole::TourSeat1) && link_)
      link_->SendMessage("hslits");
    CollectTrick();
    UpdateMoveClock();
    return;
  }
  if (state_.Phase == PhaseDealOver && !IsTournamentRole(role_)) {
    timer_running_ = false;
    view_.SetMainTimer(kSessionTimerMs, false);
    StartDeal(true);
  }
}

void GameController::OnEndButton() {
  if (!in_session_ || !ending_allowed_) return;
  if (role_ == TableRole::TourSeat1 && link_) link_->SendMessage(TourResultMessage(Balance()));
  StopClocks();
  const int32_t balance = Balance();
  const int deals = session_deals_;
  // The table goes first; the menu comes back only once the session's records, reports and
  // closing windows are done.
  HideTable();
  view_.ShowScreen(Screen::Closing);
  view_.SetMainTimer(kMenuTimerMs, false);
  hooks_.EndSession(balance, deals);
  ShowMenu();
}

bool GameController::CanPlayLowerCard(int index) const {
  if (!table_active_ || state_.Phase != PhaseSeat2 || state_.PlayState != 2) return false;
  if (index < 1 || index > kHandSlots || state_.Hand[2][index].Empty()) return false;
  return !(state_.TrickSlot == 2 && MustFollowSuit(state_, index));
}

bool GameController::OnLowerHandClick(int index) {
  if (!table_active_ || state_.Phase != PhaseSeat2 || state_.PlayState != 2) return false;
  if (index < 1 || index > kHandSlots || state_.Hand[2][index].Empty()) return false;
  if (state_.TrickSlot == 2 && MustFollowSuit(state_, index)) {
    view_.PlayEffect("WWrongs");
    return false;
  }
  PlayCard(2, index, true);
  if (state_.Phase == PhaseTrickDone && ClosesTricks()) SetMain("OK", true);
  UpdateMoveClock();
  return true;
}

void GameController::PlayCard(int seat, int index, bool announce) {
  // A move naming an empty slot (only a broken peer sends one) is dropped.
  if (seat < 1 || seat > 2 || index < 1 || index > kHandSlots || state_.Hand[seat][index].Empty())
    return;
  if (state_.TrickSlot < 1 || state_.TrickSlot > 2) return;
  if (announce && IsNetworkRole(role_) && link_) {
    std::string message = "hhod" + TwoDigits(index);
    if (!IsTournamentRole(role_)) message += role_ == TableRole::LanClient ? '2' : '1';
    link_->SendMessage(message);
  }
  const TCard card = state_.Hand[seat][index];
  state_.Trick[state_.TrickSlot] = card;
  state_.TrickRank[state_.TrickSlot] = state_.HandRank[seat][index];
  if (state_.TrickSlot == 1) state_.LedSuit = card.suit;
  --state_.HandCount[seat];
  state_.Hand[seat][index] = kEmptyCard;
  state_.HandRank[seat][index] = kEmptyRank;
  RedrawHand(seat);
  // The computer's hand is face down: its card leaves from the middle of the hand.
  const FlightEnd from = seat == 2
                             ? FlightEnd{FlightPlace::HandCard, 2, index, state_.HandCount[2] + 1}
                             : FlightEnd{FlightPlace::HandMiddle, 1, 0, 0};
  view_.FlyCard(from, FlightEnd{FlightPlace::TrickSpot, seat, 0, 0}, card);
  view_.DrawTrickCard(seat, card);
  view_.PlayEffect("WHodsDo");
  state_.Phase = static_cast<uint8_t>(OtherSeat(seat));
  ++state_.TrickSlot;
  if (state_.TrickSlot == 3) {
    ResolveTrick();
    state_.Phase = PhaseTrickDone;
  }
  RedrawPlates();
}

void GameController::ResolveTrick() {
  const int slot = TrickWinnerSlot(state_.Trick[1], state_.TrickRank[1], state_.Trick[2],
                                   state_.TrickRank[2], state_.Trump);
  const int winner = slot == 1 ? state_.Leader : OtherSeat(state_.Leader);
  state_.Leader = static_cast<uint8_t>(winner);
  if (state_.ContractPlay()) {
    ++state_.Tricks[winner];
    DrawPanelsForPlay();
  }
}

void GameController::CollectTrick() {
  if (state_.Phase != PhaseTrickDone) return;
  // Both cards fly off the table to the winner's side.
  const int winner = state_.Leader;
  const int won = TrickWinnerSlot(state_.Trick[1], state_.TrickRank[1], state_.Trick[2],
                                  state_.TrickRank[2], state_.Trump);
  // The winner's own card leaves first, then the other.
  for (int slot : {won, 3 - won}) {
    const int seat = slot == won ? winner : OtherSeat(winner);
    view_.ClearTableCentre(seat);
    view_.FlyCard(FlightEnd{FlightPlace::TrickSpot, seat, 0, 0},
                  FlightEnd{FlightPlace::OffTable, winner, 0, 0}, state_.Trick[slot]);
  }
  view_.ClearTableCentre(0);
  state_.Phase = state_.Leader;
  for (int pos = 1; pos <= 2; ++pos) {
    if (state_.PlayedNext <= 52) state_.Played[state_.PlayedNext++] = state_.Trick[pos];
  }
  state_.Trick.fill(kEmptyCard);
  state_.TrickRank.fill(kEmptyRank);
  state_.LedSuit = kNoSuit;
  ++state_.TrickNo;
  state_.TrickSlot = 1;

  if (state_.StockNext <= 52) {
    // The leader of the trick just collected draws first, whoever won it.
    const int order[2] = {state_.DrawFirst, OtherSeat(state_.DrawFirst)};
    for (int seat : order) {
      if (state_.StockNext > 52) break;
      state_.Hand[seat][kHandSlots] = state_.Deck[state_.StockNext];
      state_.HandRank[seat][kHandSlots] = state_.DeckRank[state_.StockNext];
      ++state_.HandCount[seat];
      ++state_.StockNext;
      // The stock shows one card less before the drawn card flies face down to its hand.
      view_.DrawStock(state_.StockLeft());
      view_.FlyCard(FlightEnd{FlightPlace::Stock, 0, 0, 0},
                    FlightEnd{FlightPlace::HandMiddle, seat, 0, 0}, kEmptyCard);
      RedrawHand(seat);
    }
    view_.DrawStock(state_.StockLeft());
    state_.DrawFirst = state_.Leader;
  }
  RedrawPlates();

  if (state_.StockNext > 52 && state_.HandsSaved == 0) StartAuction();
  SetMain(main_button_.caption, false);
  if (state_.HandCount[1] == 0 && state_.HandCount[2] == 0) FinishDeal();
}

void GameController::StartAuction() {
  for (int seat = 1; seat <= 2; ++seat) {
    state_.Hand[seat + 2] = state_.Hand[seat];
    state_.HandRank[seat + 2] = state_.HandRank[seat];
    state_.HandCount[seat + 2] = 13;
  }
  state_.HandsSaved = 1;
  view_.PlayEffect("WKoloNo");
  state_.Phase = static_cast<uint8_t>(10 + state_.FirstSeat);
  RedrawPlates();
  view_.OpenBidding();
  auction_.RefreshAuction(false);
}

void GameController::OnBiddingOpened() {
  if (state_.Phase == PhaseBidSeat1 || state_.Phase == PhaseBidSeat2)
    auction_.RefreshAuction(false);
}

void GameController::OnLocalCall(int code) {
  if (!table_active_ || auction_.Closed() || state_.Phase != PhaseBidSeat2) return;
  const int highest = auction_.Table().HighestBid();
  const bool legal = (IsBid(code) && code > highest) || code == kCallPass ||
                     (code == kCallDouble && auction_.DoubleOffer() == 1) ||
                     (code == kCallRedouble && auction_.DoubleOffer() == 2);
  if (!legal) return;
  HandleAuctionOutcome(auction_.RecordLocalCall(code));
  RedrawPlates();
  UpdateMoveClock();
}

void GameController::OnBiddingOk() {
  if (!auction_.Closed() || auction_.MayClose() || !ClosesTricks()) return;
  const AuctionOutcome outcome = auction_.CloseAuction();
  if (outcome == AuctionOutcome::PassedOut) {
    SetMain(Text(Tx::NextGame), false);
    ApplyCycleRules();
    RecordDeal(0);
  }
  RedrawPlates();
  UpdateMoveClock();
}

void GameController::HandleAuctionOutcome(AuctionOutcome outcome) {
  if (outcome == AuctionOutcome::Contract) {
    RedrawDealPanel();
    if (state_.Trump != kNoSuit) RedrawHands();
    DrawPanelsForPlay();
  } else if (outcome == AuctionOutcome::PassedOut) {
    RedrawHands();
  }
}

void GameController::FinishDeal() {
  const DealScore score = ScoreDeal(state_, role_);
  state_.Phase = PhaseDealOver;
  view_.ShowResult(score);
  for (int seat = 1; seat <= 2; ++seat) {
    TrickPanel panel;
    panel.score = state_.MatchScore[seat];
    panel.tricks = state_.Tricks[seat];
    panel.second = seat == score.receiver ? score.points : 0;
    panel.vulnerable = state_.SeatVulnerable(role_, seat);
    view_.DrawTrickPanel(seat, panel);
  }
  view_.PlayEffect(score.favours_seat2 ? "WKoGutX" : "WKoBadX");
  if (options_.show_cards_at_end && state_.HandsSaved) {
    for (int seat = 1; seat <= 2; ++seat) {
      state_.Hand[seat] = state_.Hand[seat + 2];
      state_.HandRank[seat] = state_.HandRank[seat + 2];
      state_.HandCount[seat] = 13;
    }
    RedrawHands();
  }
  SetMain(Text(Tx::NextGame), false);
  ApplyCycleRules();
  RedrawPlates();
  view_.EndDealRecording();
  RecordDeal(score.receiver == state_.Declarer ? score.points : -score.points);
}

void GameController::RecordDeal(int32_t declarer_score) {
  hooks_.DealRecorded(
      CaptureDeal(state_, auction_.Table(), role_, names_[1], names_[2], declarer_score));
}

void GameController::ApplyCycleRules() {
  if (role_ == TableRole::SinglePlayer) {
    if (options_.rated_account_play) {
      const bool cycle_end = state_.DealNo % 4 == 0;
      SetMain(main_button_.caption, !cycle_end);
      SetEnd(cycle_end);
    } else {
      SetMain(main_button_.caption, state_.DealNo % 20 != 0);
      SetEnd(true);
    }
  } else if (IsTournamentRole(role_)) {
    // A tournament game is one deal; seat 2's end button waits for the server's end message.
    SetMain(main_button_.caption, false);
    SetEnd(role_ == TableRole::TourSeat1);
  } else if (state_.DealNo % 4 == 0) {
    SetMain(main_button_.caption, false);
    SetEnd(true);
  } else {
    // The server gives both players a moment with the result before its next deal; the client
    // waits for the next deck.
    SetMain(main_button_.caption, false);
    SetEnd(false);
    if (role_ == TableRole::LanServer) lan_pause_until_ = clock_.NowMs() + kLanPauseMs;
  }
}

void GameController::OnTimerTick() {
  if (!table_active_) return;
  if (lan_pause_until_ >= 0 && clock_.NowMs() >= lan_pause_until_) {
    lan_pause_until_ = -1;
    SetMain(main_button_.caption, true);
    SetEnd(false);
  }
  if (role_ != TableRole::SinglePlayer || state_.PlayState != 2) return;
  if (state_.Phase == PhaseSeat1) {
    ComputerCard();
  } else if (state_.Phase == PhaseBidSeat1 && !auction_.Closed()) {
    ComputerCall();
  }
}

void GameController::OnPeerBegin() {
  if (!table_active_) return;
  state_.PlayState = 2;
  SetMain("Ok", false);
  UpdateMoveClock();
}

void GameController::OnPeerCard(int index) {
  if (!table_active_ || state_.Phase != PhaseSeat1) return;
  state_.PlayState = 2;
  PlayCard(1, index, false);
  if (state_.Phase == PhaseTrickDone && ClosesTricks()) SetMain("OK", true);
  UpdateMoveClock();
}

void GameController::OnPeerCollect() {
  if (!table_active_ || ClosesTricks()) return;
  CollectTrick();
  UpdateMoveClock();
}

void GameController::OnPeerCall(int code) {
  if (!table_active_ || state_.Phase != PhaseBidSeat1 || auction_.Closed()) return;
  if (!(IsBid(code) || code == kCallDouble || code == kCallRedouble || code == kCallPass)) return;
  auction_.PlaceUpperCall(code);
  state_.Phase = PhaseBidSeat2;
  HandleAuctionOutcome(auction_.RefreshAuction(false));
  RedrawPlates();
  UpdateMoveClock();
}

void GameController::OnPeerClose() {
  if (ClosesTricks() || !auction_.Closed() || auction_.MayClose()) return;
  view_.CloseBidding();
  const uint8_t leader = static_cast<uint8_t>(OtherSeat(state_.FirstSeat));
  if (state_.ContractCode == 0) {
    state_.Phase = PhaseDealOver;
    SetMain(Text(Tx::NextGame), false);
    ApplyCycleRules();
    RecordDeal(0);
  } else if (!state_.ContractPlayBegun()) {
    state_.Phase = state_.Leader = state_.DrawFirst = leader;
  }
  RedrawPlates();
  UpdateMoveClock();
}

void GameController::RenameLocalPlayer(const std::string& name) {
  names_[2] = TrimRight(name);
  if (in_session_) RedrawPlates();
}

bool GameController::OnPeerLost() {
  if (!in_session_) return false;
  view_.SetChatEnabled(false);
  if (ending_allowed_) return false;
  if (!IsTournamentRole(role_)) hooks_.SavePlayerRecord();
  LeaveToMenu();
  return true;
}

int GameController::SeatToAct() const {
  if (!table_active_) return 0;
  const int closer = ClosesTricks() ? 2 : 1;  // who starts the play, collects and closes bidding
  if (state_.PlayState == 1) return state_.Phase == PhaseDealOver ? 0 : closer;
  switch (state_.Phase) {
    case PhaseSeat1:
    case PhaseSeat2:
      return state_.Phase;
    case PhaseTrickDone:
      return closer;
    case PhaseBidSeat1:
    case PhaseBidSeat2:
      return auction_.Closed() ? closer : state_.Phase - 10;
    default:
      return 0;
  }
}

void GameController::UpdateMoveClock() {
  if (!IsTournamentRole(role_) || relay_over_) return;
  const int seat = SeatToAct();
  if (seat == 0) {
    StopClocks();
    return;
  }
  const AuctionTable& calls = auction_.Table();
  const uint64_t key = uint64_t(seat) | uint64_t(state_.Phase) << 4 |
                       uint64_t(state_.TrickNo) << 12 | uint64_t(state_.TrickSlot) << 20 |
                       uint64_t(state_.PlayState) << 24 | uint64_t(auction_.Closed()) << 28 |
                       uint64_t(calls.NextLine(1) + calls.NextLine(2)) << 32;
  if (key == turn_key_) return;
  turn_key_ = key;
  clocks_[seat] = kMoveSeconds;
  clocks_[OtherSeat(seat)] = -1;
  view_.DrawMoveClock(seat, clocks_[seat]);
  view_.DrawMoveClock(OtherSeat(seat), -1);
}

void GameController::StopClocks() {
  turn_key_ = 0;
  view_.SetClockTimer(false);
  for (int seat = 1; seat <= 2; ++seat) {
    if (clocks_[seat] < 0) continue;
    clocks_[seat] = -1;
    view_.DrawMoveClock(seat, -1);
  }
}

void GameController::OnClockTick() {
  if (!IsTournamentRole(role_) || relay_over_ || !in_session_) return;
  for (int seat = 1; seat <= 2; ++seat) {
    if (clocks_[seat] <= 0) continue;
    --clocks_[seat];
    view_.DrawMoveClock(seat, clocks_[seat]);
    if (seat != 2) continue;
    if (clocks_[seat] > 0) {
      view_.PlayEffect(std::string(MoveClockEffect(clocks_[seat])));
      continue;
    }
    // The local player's time is up: the relay hears it, and the game is lost.
    if (link_) link_->SendMessage("TOut");
    view_.PlayEffect("WWrongs");
    EndTournamentEarly();
    view_.Inform(Text(Tx::YourTimeIsUp) + "\n" + Text(Tx::YouLose));
    return;
  }
}

void GameController::OnRelayGameOver() {
  if (!IsTournamentRole(role_) || !in_session_) return;
  relay_over_ = true;
  StopClocks();
  view_.SetChatEnabled(false);
  SetEnd(true);
}

void GameController::OnOpponentGone(bool time_up) {
  if (!IsTournamentRole(role_) || !in_session_ || relay_over_) return;
  view_.PlayEffect(time_up ? "WKoGutX" : "WWrongs");
  EndTournamentEarly();
  view_.Inform(Text(Tx::PlayerWord) + " " + names_[1] + " " +
               Text(time_up ? Tx::TimeIsUp : Tx::InterruptedTheGame) + "\n" + Text(Tx::YouWon));
}

void GameController::OnRelayLost() {
  if (!IsTournamentRole(role_) || !in_session_ || relay_over_) return;
  EndTournamentEarly();
  view_.Inform(Text(Tx::LostConnection));
}

void GameController::EndTournamentEarly() {
  relay_over_ = true;
  StopClocks();
  hooks_.Disconnect();
  view_.CloseBidding();
  view_.SetChatEnabled(false);
  state_.Phase = PhaseDealOver;
  SetMain(main_button_.caption, false);
  SetEnd(true);
  RedrawPlates();
}

void GameController::ComputerCard() {
  int index = opponent_.ChooseComputerCard(state_);
  // Never let a faulty choice play an empty slot or revoke.
  if (!IsLegalCard(state_, 1, index)) index = PlainOpponent().ChooseComputerCard(state_);
  PlayCard(1, index, false);
  if (state_.Phase == PhaseTrickDone) SetMain("OK", true);
}

void GameController::ComputerCall() {
  int code = opponent_.ChooseComputerCall(state_, auction_.Table());
  const int last = auction_.Table().LastCall();
  const bool legal = (IsBid(code) && code > auction_.Table().HighestBid()) || code == kCallPass ||
                     (code == kCallDouble && IsBid(last)) ||
                     (code == kCallRedouble && last == kCallDouble);
  if (!legal) code = kCallPass;
  auction_.PlaceUpperCall(code);
  state_.Phase = PhaseBidSeat2;
  HandleAuctionOutcome(auction_.RefreshAuction(true));
  RedrawPlates();
}

bool GameController::ExitToMenu() {
  if (!in_session_) return false;
  if (!view_.AskYesNo(Text(Tx::LeaveToMenuQuestion) + "\n\r" + Text(Tx::AllDataLost))) return false;
  if (!IsTournamentRole(role_)) hooks_.SavePlayerRecord();
  LeaveToMenu();
  return true;
}

bool GameController::OnCloseRequest() {
  if (!in_session_) return true;
  if (!view_.AskYesNo(Text(Tx::LeaveGameQuestion) + " " + Text(Tx::AllDataLost))) return false;
  if (!IsTournamentRole(role_)) hooks_.SavePlayerRecord();
  return true;
}

void GameController::LeaveToMenu() {
  HideTable();
  if (IsNetworkRole(role_)) hooks_.Disconnect();
  hooks_.SessionLeft();
  ShowMenu();
}

void GameController::HideTable() {
  StopClocks();
  view_.CloseBidding();
  table_active_ = false;
  in_session_ = false;
  ending_allowed_ = false;
  lan_pause_until_ = -1;
}

void GameController::ShowMenu() {
  view_.ShowScreen(Screen::Menu);
  timer_running_ = true;
  view_.SetMainTimer(kMenuTimerMs, true);
}

void GameController::ToggleUpperReveal() {
  if (!in_session_) return;
  reveal_upper_ = !reveal_upper_;
  RedrawHand(1);
}

void GameController::ToggleForecastMode() {
  if (role_ == TableRole::LanServer || role_ == TableRole::LanClient) return;
  forecast_mode_ = !forecast_mode_;
  view_.SetForecastMode(forecast_mode_);
}

void GameController::RedrawHand(int seat) {
  SortHand(state_, seat);
  view_.DrawHand(
      state_, seat,
      seat == 2 || reveal_upper_ || (state_.Phase == PhaseDealOver && options_.show_cards_at_end));
}

void GameController::RedrawHands() {
  RedrawHand(1);
  RedrawHand(2);
}

void GameController::RedrawPlates() {
  int to_move = 0;
  if (state_.Phase == PhaseSeat1 || state_.Phase == PhaseSeat2) to_move = state_.Phase;
  if (state_.Phase == PhaseBidSeat1 || state_.Phase == PhaseBidSeat2) to_move = state_.Phase - 10;
  if (state_.Phase == PhaseTrickDone) to_move = state_.Leader;
  const bool contract = auction_.Closed() && state_.ContractCode != 0;
  const bool seat1_north = role_ != TableRole::LanClient && role_ != TableRole::TourSeat2;
  for (int seat = 1; seat <= 2; ++seat) {
    NamePlate plate;
    plate.name = names_[seat];
    if (contract) {
      plate.star = seat == state_.Declarer ? PlateStar::Declarer : PlateStar::Defender;
    } else if (seat == state_.FirstSeat) {
      plate.star = PlateStar::FirstPlayer;
    }
    // Marked from the deal's first drawing on, before the table turns active.
    plate.to_move = in_session_ && seat == to_move;
    plate.north = (seat == 1) == seat1_north;
    view_.DrawNamePlate(seat, plate);
  }
}

void GameController::RedrawDealPanel() {
  const bool contract = auction_.Closed() && state_.ContractCode != 0;
  const std::string hint = Text(Tx::Game) + ": " + std::to_string(state_.DealNo) + " / " +
                           (IsTournamentRole(role_) ? "1" : "20");
  view_.DrawDealPanel(session_deals_, contract ? &state_ : nullptr, hint);
}

void GameController::DrawPanelsForPlay() {
  for (int seat = 1; seat <= 2; ++seat) {
    const int target = seat == state_.Declarer ? state_.TricksNeeded : 14 - state_.TricksNeeded;
    TrickPanel panel;
    panel.score = state_.MatchScore[seat];
    panel.tricks = state_.Tricks[seat];
    panel.second = std::max(0, target - state_.Tricks[seat]);
    panel.vulnerable = state_.SeatVulnerable(role_, seat);
    view_.DrawTrickPanel(seat, panel);
  }
}

void GameController::SetMain(const std::string& caption, bool enabled) {
  main_button_.caption = caption;
  main_button_.enabled = enabled;
  main_button_.visible = true;
  view_.SetMainButton(main_button_);
}

void GameController::SetEnd(bool enabled) {
  end_button_.caption = Text(Tx::ExitToMenu);
  end_button_.enabled = enabled;
  end_button_.visible = true;
  ending_allowed_ = enabled;
  view_.SetEndButton(end_button_);
}

}  // namespace quorvex
