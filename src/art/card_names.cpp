#include "art/card_names.h"

#include <array>

namespace quorvex {

namespace {
constexpr std::array<const char*, kFaceDesigns> kPrefixes = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat",
    "Old", "Par", "Roy", "Sha", "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2",
    "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF", "Bel", "Dia", "Kny", "Pas",
    "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

bool ValidDesign(int design) {
  return design >= 0 && design < kFaceDesigns;
}
std::string SizeSuffix(int size_class) {
  return size_class == 1 ? "" : "B";
}
}  // namespace

std::string SuitPrefix(char suit) {
  switch (suit) {
    case kHearts:
      return "Ch";
    case kDiamonds:
      return "Bu";
    case kClubs:
      return "Kr";
    case kSpades:
      return "Pi";
    default:
      return "";
  }
}

std::string RankCode(int rank_value) {
  static constexpr std::array<const char*, 14> kCodes = {"",   "02", "03", "04", "05", "06", "07",
                                                         "08", "09", "10", "2J", "3Q", "4K", "5A"};
  return rank_value >= 1 && rank_value <= 13 ? kCodes[rank_value] : "";
}

std::string CardBaseName(const TCard& card) {
  const uint8_t rank = RankValue(card);
  if (rank == kEmptyRank) return "";
  return SuitPrefix(card.suit) + RankCode(rank);
}

std::string DesignPrefix(int design) {
  return ValidDesign(design) ? kPrefixes[design] : "";
}

std::string PipPrefix(int design) {
  switch (design) {
    case 6:
    case 7:
    case 10:
    case 13:
      return "Mod";
    case 19:
    case 20:
      return "Sea";
    case 25:
      return "Rhi";
    case 27:
      return "Big";
    default:
      return DesignPrefix(design);
  }
}

std::string AcePrefix(int design) {
  switch (design) {
    case 7:
    case 10:
    case 13:
      return "Mod";
    case 19:
    case 20:
      return "Sea";
    case 25:
      return "Boy";
    case 27:
      return "USR";
    default:
      return DesignPrefix(design);
  }
}

std::string FaceResourceName(const TCard& card, int design, int size_class) {
  const uint8_t rank = RankValue(card);
  if (rank == kEmptyRank || !ValidDesign(design)) return "";
  const std::string prefix = rank == 13   ? AcePrefix(design)
                             : rank >= 10 ? DesignPrefix(design)
                                          : PipPrefix(design);
  return CardBaseName(card) + prefix + SizeSuffix(size_class);
}

std::string SymbolPrefix(int design) {
  return design == 11 ? "Mod" : PipPrefix(design);
}

std::string SuitSymbolName(int suit_index, int design, int size_class) {
  static constexpr std::array<const char*, 4> kSymbols = {"Cher", "Bubi", "Kres", "Piki"};
  if (suit_index < 0 || suit_index > 3 || !ValidDesign(design)) return "";
  return kSymbols[suit_index] + SymbolPrefix(design) + SizeSuffix(size_class);
}

bool WideFaces(int design) {
  return (design >= 0 && design <= 27) || design == 40 || design == 45;
}

}  // namespace quorvex
