#include "opponent/search_text.h"

#include "opponent/search_check.h"

namespace quorvex {

namespace {

bool ParseFlag(const std::string& word, const char* name, const char* one, const char* two,
               int& value, std::string& error) {
  if (word == one || word == two) {
    value = word == one ? 0 : 1;
    return true;
  }
  error = std::string(name) + " must be " + one + " or " + two + ", not '" + word + "'";
  return false;
}

bool ParseTrump(const std::string& word, char& trump, std::string& error) {
  static constexpr struct {
    const char* letter;
    char suit;
  } kTrumps[] = {{"c", kClubs}, {"d", kDiamonds}, {"h", kHearts}, {"s", kSpades}, {"n", kNoSuit}};
  for (const auto& t : kTrumps) {
    if (word == t.letter) {
      trump = t.suit;
      return true;
    }
  }
  error = "trump must be c, d, h, s or n, not '" + word + "'";
  return false;
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (char c : line) {
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

bool ParseSearchHand(const std::string& text, SearchHand& hand, std::string& error) {
  hand = SearchHand{};
  if (text == "-") return true;
  int slot = 0;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? comma : comma - start);
    if (++slot > 13) {
      error = "a hand has more than 13 slots: '" + text + "'";
      return false;
    }
    TCard card;
    if (!ParseCardText(item, card)) {
      error = "'" + item + "' is not a card or '--'";
      return false;
    }
    hand.card[slot] = card;
    hand.rank[slot] = RankValue(card);
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

bool ParseSearchPosition(const std::vector<std::string>& words, SearchPosition& position,
                         std::string& error) {
  if (words.size() != 7) {
    error = "expected 7 words (trump role prune cache mover other trick), got " +
            std::to_string(words.size());
    return false;
  }
  position = SearchPosition{};
  int role = 0;
  int prune = 0;
  int cache = 0;
  if (!ParseTrump(words[0], position.trump, error) ||
      !ParseFlag(words[1], "role", "1", "2", role, error) ||
      !ParseFlag(words[2], "prune", "0", "1", prune, error) ||
      !ParseFlag(words[3], "cache", "0", "1", cache, error))
    return false;
  position.role = role + 1;
  position.use_pruning = prune == 1;
  position.use_cache = cache == 1;
  if (!ParseSearchHand(words[4], position.mover, error) ||
      !ParseSearchHand(words[5], position.other, error))
    return false;
  if (words[6] != "-") {
    TCard led;
    if (!ParseCardText(words[6], led) || led.Empty()) {
      error = "the trick must be '-' or one card, not '" + words[6] + "'";
      return false;
    }
    position.trick[1] = led;
    position.trick_rank[1] = RankValue(led);
    position.trick_position = 2;
  }
  error = CheckSearchPosition(position);
  return error.empty();
}

std::string SearchResultText(const SearchResult& result) {
  return std::to_string(result.slot) + " " + std::to_string(result.declarer) + " " +
         std::to_string(result.defender);
}

}  // namespace quorvex
