#include "backs_part.h"

#include <QTransform>
#include <cstdio>

#include "art/back_names.h"
#include "art/card_geometry.h"
#include "back_art.h"
#include "faces_part.h"

namespace artgen {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// One back at one size, upright and turned a quarter.
bool AddBack(BundleWriter& out, const DeckFolders& decks, int deck, int number, int size_class,
             bool wide, const QString& type) {
  const quorvex::PixelSize size = quorvex::StoredBackSize(size_class, wide, false);
  const bool normal = size_class == quorvex::kNormalSize;
  QImage upright = BackArt(deck, number, QSize(size.width, size.height), !normal, decks);
  if (upright.isNull()) {
    std::fprintf(stderr, "artgen: back %d of design %d cannot be drawn\n", number, deck);
    return false;
  }
  if (normal) upright = FinishNormal(upright);
  out.AddPng(type, Q(quorvex::BackResourceName(number, deck, false, size_class, wide)), upright);
  out.AddPng(type, Q(quorvex::BackResourceName(number, deck, true, size_class, wide)),
             upright.transformed(QTransform().rotate(90)));
  return true;
}

}  // namespace

bool MakeBacks(BundleWriter& out, const DeckFolders& decks, BackSet set) {
  const QString bitmap = QStringLiteral("BITMAP"), png = QStringLiteral("RCDATA");
  for (int deck = 0; deck < quorvex::kBackDesigns; ++deck) {
    for (int number = 1; number <= quorvex::BackCount(deck); ++number) {
      bool ok = true;
      if (set == BackSet::kOwn) {
        if (deck != 0) continue;
        ok = AddBack(out, decks, deck, number, quorvex::kNormalSize, true, bitmap) &&
             AddBack(out, decks, deck, number, 2, true, png);
      } else if (deck == 0) {
        ok = AddBack(out, decks, deck, number, 2, false, png);
      } else {
        ok = AddBack(out, decks, deck, number, quorvex::kNormalSize, true, png) &&
             AddBack(out, decks, deck, number, 2, true, png) &&
             AddBack(out, decks, deck, number, 2, false, png);
      }
      if (!ok) return false;
    }
  }
  return true;
}

}  // namespace artgen
