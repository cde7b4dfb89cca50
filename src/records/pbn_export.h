// Recorded deals written in the portable bridge notation (PBN 2.1, export format), so that other
// bridge programs can show and analyse them.
//
// The record's seat 1 sits North and seat 2 East (see pbn_text.h); South and West are empty seats:
// no name, no cards ("-" in the deal), a pass wherever the rotation asks them for a call, no card
// in the play. The export format asks for CR LF line ends, the mandatory tags in their order,
// single blanks between tokens and Latin-1 text.
#pragma once

#include <span>
#include <string>

#include "records/deal_record.h"

namespace quorvex {

// What the file says of the games as a whole; UTF-8 texts.
struct PbnEvent {
  std::string event;
  std::string site;
};

// One game per record, in the order given.
// A record that fails DealRecordConsistent is left out; a play that stops short or breaks a rule
// is written up to where it still holds, then marked unfinished.
std::string PbnText(std::span<const DealRecord> records, const PbnEvent& event);

// One game's lines, without the file's header lines; empty for a record failing
// DealRecordConsistent.
std::string PbnGameText(const DealRecord& record, const PbnEvent& event);

}  // namespace quorvex
