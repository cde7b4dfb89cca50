#include "art/library_rules.h"

#include "art/card_geometry.h"
#include "game/platform.h"

namespace quorvex {

std::string FaceLibrary(int design) {
  if (design >= 1 && design <= 31) return kCardsLibraryA;
  if (design >= 32 && design <= 39) return kCardsLibraryB;
  if (design >= 40 && design <= 47) return kCardsLibraryC;
  return "";
}

std::string BackLibrary(int deck, bool wide_faces, int size_class) {
  if (deck == 0 && (wide_faces || size_class == kNormalSize)) return "";
  return kCardsLibraryB;
}

std::vector<std::string> LibrarySearchPaths(std::string_view working_dir, std::string_view file) {
  std::string dir(working_dir);
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  std::vector<std::string> paths;
  paths.push_back((dir == "/" ? "" : dir) + "/" + std::string(file));
  const size_t slash = dir.rfind('/');
  if (slash != std::string::npos && dir != "/") {
    const std::string parent = slash == 0 ? "" : dir.substr(0, slash);
    paths.push_back(parent + "/" + std::string(file));
  }
  return paths;
}

int ChooseBackNumber(int deck, bool always_one, int weekday, Random& random) {
  int number = weekday >= 1 && weekday <= 7 ? weekday : 1;
  if (always_one) number = 7;
  if (deck >= 8 && deck <= 11) {
    random.Reseed();
    number = 1 + random.Below(10);
  }
  return number;
}

int CardSlot(const TCard& card) {
  const int rank = RankValue(card);
  const int suit = SuitIndex(card.suit);
  if (rank < 1 || rank > 13 || suit < 0) return 0;
  return rank >= 5 ? (rank - 5) * 4 + suit + 1 : 41 + (rank - 1) * 4 + suit;
}

std::string SpecialCardPicture(const TCard& code, int size_class) {
  std::string base;
  if (code.rank == 'F' && code.suit == 'r') {
    base = "GCard0";
  } else if (code.rank == 'K' && (code.suit == 'Y' || code.suit == 'N')) {
    base = std::string("GKnock") + code.suit;
  } else if (code.rank == 'X') {
    switch (code.suit) {
      case 'b':
        base = "GCardBlack";
        break;
      case 'r':
        base = "GCardRed";
        break;
      case 'n':
        base = "GCardNavy";
        break;
      case 'g':
        base = "GCardGreen";
        break;
      case 'y':
        base = "GCardYellow";
        break;
      case 'v':
        base = "GCardViolet";
        break;
      case 'a':
        base = "GCardAqua";
        break;
      case 'o':
        base = "GCardOrang";
        break;
      default:
        return "";
    }
  } else {
    return "";
  }
  return base + (size_class == kNormalSize ? "Sm" : "Bg");
}

}  // namespace quorvex
