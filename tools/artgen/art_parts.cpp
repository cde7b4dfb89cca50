#include "art_parts.h"

#include <QPainter>

#include "account_art.h"
#include "art/back_names.h"
#include "back_art.h"
#include "backgrounds_part.h"
#include "backs_part.h"
#include "calendar_part.h"
#include "end_game_art.h"
#include "faces_part.h"
#include "graphics_part.h"
#include "lamps.h"
#include "menu_pictures.h"
#include "notice_art.h"
#include "table_pictures.h"
#include "tour_lamps.h"
#include "world_list_art.h"

namespace artgen {

bool MakeOwnPart(BundleWriter& out, const Inputs& in) {
  return MakeFaces(out, in.decks, 0, 0) && MakeBacks(out, in.decks, BackSet::kOwn) &&
         MakeDefaultBackground(out) && MakeTablePictures(out, in.decks, in.flags) &&
         MakeMenuPictures(out, in.decks) && MakeEndGamePictures(out) && MakeLamps(out) &&
         MakeAccountPictures(out) && MakeWorldListIcons(out) && MakeNoticePictures(out) &&
         MakeTourLamps(out);
}

bool MakeCardsA(BundleWriter& out, const Inputs& in) {
  return MakeFaces(out, in.decks, 1, 31);
}

bool MakeCardsB(BundleWriter& out, const Inputs& in) {
  return MakeFaces(out, in.decks, 32, 39) && MakeBacks(out, in.decks, BackSet::kLibrary);
}

bool MakeCardsC(BundleWriter& out, const Inputs& in) {
  return MakeFaces(out, in.decks, 40, 47);
}

bool MakeBackgroundsPart(BundleWriter& out, const Inputs&) {
  return MakeBackgrounds(out);
}

bool MakeGraphicsPart(BundleWriter& out, const Inputs&) {
  return MakeGraphics(out) && MakeWorldCategoryButtons(out);
}

bool MakeCalendarPart(BundleWriter& out, const Inputs&) {
  return MakeCalendar(out);
}

bool PreviewFaces(const Inputs& in, int first, int last, const QString& png) {
  const int cw = 146, ch = 198, gap = 4;
  const int rows = last - first + 1;
  QImage sheet((cw + gap) * 13 + 69 * 4 + 20, rows * (ch + gap), QImage::Format_RGB32);
  sheet.fill(QColor(20, 90, 50));
  QPainter p(&sheet);
  for (int design = first; design <= last; ++design) {
    auto art = MakeFaceArt(design, in.decks);
    if (!art) return false;
    const int y = (design - first) * (ch + gap);
    const int suits[] = {0, 3, 1, 2};
    for (int rank = 1; rank <= 13; ++rank) {
      const int suit = suits[rank % 4];
      p.drawImage((rank - 1) * (cw + gap), y, art->Card(rank, suit, QSize(cw, ch), true));
    }
    for (int i = 0; i < 4; ++i)
      p.drawImage(13 * (cw + gap) + 10 + i * 70, y, NormalFace(*art, 9 + i, i));
    p.setPen(Qt::white);
    p.drawText(13 * (cw + gap) + 10, y + 120, QString::number(design));
  }
  p.end();
  return sheet.save(png);
}

}  // namespace artgen

namespace artgen {

bool PreviewBacks(const Inputs& in, const QString& png) {
  const int cw = 126, ch = 198, gap = 4;
  QImage sheet((cw + gap) * 10 + 80 * 10, quorvex::kBackDesigns * (ch + gap), QImage::Format_RGB32);
  sheet.fill(QColor(20, 90, 50));
  QPainter p(&sheet);
  for (int deck = 0; deck < quorvex::kBackDesigns; ++deck)
    for (int n = 1; n <= quorvex::BackCount(deck); ++n) {
      p.drawImage((n - 1) * (cw + gap), deck * (ch + gap),
                  BackArt(deck, n, QSize(cw, ch), true, in.decks));
      p.drawImage(10 * (cw + gap) + (n - 1) * 75, deck * (ch + gap),
                  FinishNormal(BackArt(deck, n, QSize(69, 94), false, in.decks)));
    }
  p.end();
  return sheet.save(png);
}

}  // namespace artgen
