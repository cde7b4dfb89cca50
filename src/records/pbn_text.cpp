#include "records/pbn_text.h"

#include <cstring>

#include "opponent/auction_table.h"

namespace quorvex {

namespace {

constexpr char kSeatLetters[] = "NESW";
constexpr char kRankChars[] = "23456789TJQKA";
// By suit index of the deck numbering: hearts, diamonds, clubs, spades.
constexpr char kSuitLetters[] = "HDCS";
constexpr const char* kDenominations[] = {"", "C", "D", "H", "S", "NT"};

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

// Latin letters for the Cyrillic capitals U+0410 .. U+042F; the small letters follow them.
constexpr const char* kCyrillic[32] = {
    "A", "B", "V", "G", "D", "E",  "Zh", "Z",  "I",  "Y",    "K", "L", "M", "N", "O",  "P",
    "R", "S", "T", "U", "F", "Kh", "Ts", "Ch", "Sh", "Shch", "",  "Y", "",  "E", "Yu", "Ya"};

// The Latin letters of a Cyrillic character, nullptr when it is none we write.
const char* CyrillicLetters(uint32_t code, bool& small) {
  small = false;
  if (code >= 0x410 && code <= 0x42F) return kCyrillic[code - 0x410];
  if (code >= 0x430 && code <= 0x44F) {
    small = true;
    return kCyrillic[code - 0x430];
  }
  switch (code) {
    case 0x401:
      return "Yo";
    case 0x451:
      small = true;
      return "Yo";
    case 0x404:
      return "Ye";
    case 0x454:
      small = true;
      return "Ye";
    case 0x406:
      return "I";
    case 0x456:
      small = true;
      return "I";
    case 0x407:
      return "Yi";
    case 0x457:
      small = true;
      return "Yi";
    case 0x490:
      return "G";
    case 0x491:
      small = true;
      return "G";
    default:
      return nullptr;
  }
}

// The next character of UTF-8 text at `at`, advancing it; 0xFFFFFFFF for a byte that starts no
// valid character (one byte is then consumed).
uint32_t NextCharacter(std::string_view text, size_t& at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(at);
  constexpr uint32_t kBad = 0xFFFFFFFF;
  if (first < 0x80) {
    ++at;
    return first;
  }
  int length = 0;
  uint32_t code = 0;
  if ((first & 0xE0) == 0xC0) {
    length = 2;
    code = first & 0x1F;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3;
    code = first & 0x0F;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4;
    code = first & 0x07;
  } else {
    ++at;
    return kBad;
  }
  if (at + static_cast<size_t>(length) > text.size()) {
    ++at;
    return kBad;
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(at + static_cast<size_t>(i));
    if ((next & 0xC0) != 0x80) {
      ++at;
      return kBad;
    }
    code = (code << 6) | (next & 0x3F);
  }
  constexpr uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    ++at;
    return kBad;
  }
  at += static_cast<size_t>(length);
  return code;
}

}  // namespace

int PbnSeatOfRecord(int record_seat) {
  if (record_seat == 1) return kPbnNorth;
  if (record_seat == 2) return kPbnEast;
  return -1;
}

int RecordSeatOfPbn(int pbn_seat) {
  if (pbn_seat == kPbnNorth) return 1;
  if (pbn_seat == kPbnEast) return 2;
  return 0;
}

char PbnSeatLetter(int pbn_seat) {
  return pbn_seat >= 0 && pbn_seat < 4 ? kSeatLetters[pbn_seat] : '?';
}

int PbnSeatOf(char letter) {
  const char* at = std::strchr(kSeatLetters, Upper(letter));
  return letter != '\0' && at ? static_cast<int>(at - kSeatLetters) : -1;
}

char PbnRankChar(int rank_value) {
  return rank_value >= 1 && rank_value <= 13 ? kRankChars[rank_value - 1] : '?';
}

int PbnRankValue(char c) {
  const char* at = std::strchr(kRankChars, Upper(c));
  return c != '\0' && at ? static_cast<int>(at - kRankChars) + 1 : 0;
}

int PbnSuitIndex(char letter) {
  const char* at = std::strchr(kSuitLetters, Upper(letter));
  return letter != '\0' && at ? static_cast<int>(at - kSuitLetters) : -1;
}

std::string PbnCardText(uint8_t deck_number) {
  if (deck_number < 1 || deck_number > 52) return {};
  const int rank = (deck_number - 1) / 4 + 1;
  const int suit = (deck_number - 1) % 4;
  return {kSuitLetters[suit], kRankChars[rank - 1]};
}

uint8_t PbnCardOf(std::string_view token) {
  if (token.size() < 2) return 0;
  const int suit = PbnSuitIndex(token[0]);
  const std::string_view rank_text = token.substr(1);
  int rank = 0;
  if (rank_text == "10")
    rank = PbnRankValue('T');
  else if (rank_text.size() == 1)
    rank = PbnRankValue(rank_text[0]);
  if (suit < 0 || rank == 0) return 0;
  return static_cast<uint8_t>((rank - 1) * 4 + suit + 1);
}

std::string PbnCallText(int code) {
  if (code == kCallPass) return "Pass";
  if (code == kCallDouble) return "X";
  if (code == kCallRedouble) return "XX";
  if (!IsBid(code)) return {};
  return std::to_string(BidTricks(code) - 6) + kDenominations[BidDenomination(code)];
}

int PbnCallCode(std::string_view token) {
  if (SameLetters(token, "Pass") || SameLetters(token, "P")) return kCallPass;
  if (SameLetters(token, "X")) return kCallDouble;
  if (SameLetters(token, "XX")) return kCallRedouble;
  if (token.size() < 2 || token[0] < '1' || token[0] > '7') return 0;
  const std::string_view denomination = token.substr(1);
  for (int d = 1; d <= 5; ++d) {
    if (SameLetters(denomination, kDenominations[d]) || (d == 5 && SameLetters(denomination, "N")))
      return (token[0] - '1') * 5 + d;
  }
  return 0;
}

std::string PbnDenominationText(int denomination) {
  return denomination >= 1 && denomination <= 5 ? kDenominations[denomination] : "";
}

std::string PbnEscaped(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte < 0xA0)) {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::string PbnLatin1(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const uint32_t code = NextCharacter(utf8, at);
    bool small = false;
    if (code <= 0xFF) {
      out += static_cast<char>(code);
    } else if (const char* letters = CyrillicLetters(code, small)) {
      for (size_t i = 0; letters[i] != '\0'; ++i) {
        const char c = letters[i];
        out += small && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
      }
    } else {
      out += '?';
    }
  }
  return out;
}

}  // namespace quorvex
