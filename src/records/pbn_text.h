// The pieces of the portable bridge notation that the PBN writer and reader share: seats, cards,
// calls, contracts and tag values.
//
// A deal record's seat 1 (the upper seat: the computer or the other player) sits North, its seat 2
// (this machine's player) East. The two are opponents, so they must sit next to each other: a
// reader that knows bridge takes North and South for partners and would refuse a double of
// "partner's" bid or name another declarer. South and West hold no cards and make no calls of
// their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// Seats of the notation, clockwise: 0 North, 1 East, 2 South, 3 West.
inline constexpr int kPbnNorth = 0;
inline constexpr int kPbnEast = 1;
inline constexpr int kPbnSouth = 2;
inline constexpr int kPbnWest = 3;

// The seat of a deal record's seat (1 North, 2 East), -1 for anything else.
int PbnSeatOfRecord(int record_seat);
// The deal record's seat at a seat of the notation, 0 for South and West.
int RecordSeatOfPbn(int pbn_seat);
char PbnSeatLetter(int pbn_seat);
// The seat named by a letter (either case), -1 for anything else.
int PbnSeatOf(char letter);

// A card as the notation writes it in the play: suit letter then rank ("SA", "HT", "C2"), for a
// deck number 1..52; empty for anything else.
std::string PbnCardText(uint8_t deck_number);
// The deck number of a card token (either case, "10" accepted for the ten), 0 when it is none.
uint8_t PbnCardOf(std::string_view token);
// The rank character of a rank value 1..13 ('2' .. 'A') and back (0 when it is none).
char PbnRankChar(int rank_value);
int PbnRankValue(char c);
// Suit index of the deck numbering (0 hearts, 1 diamonds, 2 clubs, 3 spades) for a suit letter
// (either case), -1 for anything else.
int PbnSuitIndex(char letter);

// "Pass", "X", "XX", or the bid ("1C" .. "7NT") of a call code; empty for anything else.
std::string PbnCallText(int code);
// The call code of a call token (either case; "P" for pass too), 0 when it is none.
int PbnCallCode(std::string_view token);
// "C", "D", "H", "S", "NT" for denominations 1..5.
std::string PbnDenominationText(int denomination);

// What goes between a tag value's quotes: backslashes and quotes escaped, line breaks and other
// control characters made blanks.
std::string PbnEscaped(std::string_view latin1);
// The Latin-1 text of a UTF-8 one, as the notation's character set asks: Cyrillic letters
// written in Latin letters (the players' names are often Russian), any other character Latin-1
// lacks, and any byte that is not UTF-8, written "?".
std::string PbnLatin1(std::string_view utf8);

}  // namespace quorvex
